// The reading as plain UTF-8 text for a terminal: the document's content without markup.
#include "suite/almanac/AlmanacReading.h"

#include "suite/almanac/DayLines.h"
#include "suite/almanac/HoursAndDirections.h"
#include "suite/text/TextFormat.h"
#include "suite/text/Utf.h"

namespace velmora::almanac {

using namespace velmora::text;
namespace {

std::u16string starNames(const std::vector<AlmanacStarRecord>& stars) {
    std::u16string out;
    for (std::size_t i = 0; i < stars.size(); ++i)
        out += stars[i].name + (i + 1 == stars.size() ? u"." : u", ");
    return out;
}

std::u16string departurePairs(int h, int first) {
    std::u16string out;
    for (int k = first; k < 6; k += 2) {
        if (k != first) out += u" ";
        out += format(u"%s, %s (%s).", {slotText(g_sChi[(h + k) % 12]),
                                        slotText(g_sChi[(h + k + 6) % 12]), departureQuality(k)});
    }
    return out;
}

} // namespace

std::string renderAlmanacText(const AlmanacContent& content) {
    const AlmanacDay& day = content.day;
    std::u16string out;
    const auto line = [&out](std::u16string_view text) {
        out += text;
        out += u"\n";
    };
    line(dateLine(content.rec));
    line(cycleLine(content.rec));
    line(u"Sao tốt: " + starNames(content.good));
    line(u"Sao xấu: " + starNames(content.bad));

    std::u16string hours = u"Giờ hoàng đạo: ";
    const auto branches = auspiciousHourBranches(day.dayBranch);
    for (std::size_t i = 0; i < branches.size(); ++i)
        hours += (i > 0 ? u", " : u"") + std::u16string(slotText(g_sChi[branches[i]]));
    line(hours + u".");

    line(u"Giờ và hướng xuất hành:");
    const int h = departureStart(day.lunarDay, day.lunarMonth);
    line(u"● Giờ tốt: " + departurePairs(h, 0));
    line(u"● Giờ xấu: " + departurePairs(h, 1));
    line(u"● Hỷ thần: " + std::u16string(hyThanDirection(day.dayStem)));
    line(u"● Tài thần: " + std::u16string(taiThanDirection(day.dayStem)));
    line(u"● Hạc thần: " + std::u16string(hacThanDirection(day.dayIndex)));

    line(u"------------------------");
    line(u"Chú giải:");
    for (const auto& star : content.good) line(u"+ " + star.name + u": " + star.explanation);
    for (const auto& star : content.bad) line(u"- " + star.name + u": " + star.explanation);
    return utf16ToUtf8(out);
}

} // namespace velmora::almanac
