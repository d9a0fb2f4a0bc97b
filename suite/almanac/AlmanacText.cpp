// The reading as plain UTF-8 text for a terminal: the document's content without markup.
#include "suite/almanac/AlmanacReading.h"

#include "suite/almanac/DayLines.h"
#include "suite/almanac/HoursAndDirections.h"
#include "suite/text/TextFormat.h"
#include "suite/text/Utf.h"

namespace almanac {
namespace {

std::u16string StarNames(const std::vector<AlmanacStarRecord>& stars) {
    std::u16string out;
    for (std::size_t i = 0; i < stars.size(); ++i)
        out += stars[i].name + (i + 1 == stars.size() ? u"." : u", ");
    return out;
}

std::u16string DeparturePairs(int h, int first) {
    std::u16string out;
    for (int k = first; k < 6; k += 2) {
        if (k != first) out += u" ";
        out += Format(u"%s, %s (%s).", {Slot(g_sChi[(h + k) % 12]), Slot(g_sChi[(h + k + 6) % 12]),
                                        DepartureQuality(k)});
    }
    return out;
}

} // namespace

std::string RenderAlmanacText(const AlmanacContent& content) {
    const AlmanacDay& day = content.day;
    std::u16string out;
    const auto line = [&out](std::u16string_view text) {
        out += text;
        out += u"\n";
    };
    line(DateLine(content.rec));
    line(CycleLine(content.rec));
    line(u"Sao tốt: " + StarNames(content.good));
    line(u"Sao xấu: " + StarNames(content.bad));

    std::u16string hours = u"Giờ hoàng đạo: ";
    const auto branches = AuspiciousHourBranches(day.b);
    for (std::size_t i = 0; i < branches.size(); ++i)
        hours += (i > 0 ? u", " : u"") + std::u16string(Slot(g_sChi[branches[i]]));
    line(hours + u".");

    line(u"Giờ và hướng xuất hành:");
    const int h = DepartureStart(day.d, day.m);
    line(u"● Giờ tốt: " + DeparturePairs(h, 0));
    line(u"● Giờ xấu: " + DeparturePairs(h, 1));
    line(u"● Hỷ thần: " + std::u16string(HyThanDirection(day.s)));
    line(u"● Tài thần: " + std::u16string(TaiThanDirection(day.s)));
    line(u"● Hạc thần: " + std::u16string(HacThanDirection(day.D)));

    line(u"------------------------");
    line(u"Chú giải:");
    for (const auto& star : content.good) line(u"+ " + star.name + u": " + star.explanation);
    for (const auto& star : content.bad) line(u"- " + star.name + u": " + star.explanation);
    return Utf16ToUtf8(out);
}

} // namespace almanac
