// The reading as the HTML document the almanac window shows, piece by piece.
#include "suite/almanac/AlmanacReading.h"

#include "suite/almanac/DayLines.h"
#include "suite/almanac/HoursAndDirections.h"
#include "suite/text/TextFormat.h"

namespace velmora::almanac {

using namespace velmora::text;
namespace {

// Names joined by ", " and closed by "."; bold when the entry carries the emphasis flag.
void appendStarList(std::u16string& out, const std::vector<AlmanacStarRecord>& stars) {
    for (std::size_t i = 0; i < stars.size(); ++i) {
        const std::u16string name = htmlEscape(stars[i].name);
        if (stars[i].emphasis)
            out += u"<b>" + name + u"</b>";
        else
            out += name;
        out += i + 1 == stars.size() ? u"." : u", ";
    }
}

void appendLegend(std::u16string& out, const std::vector<AlmanacStarRecord>& stars,
                  std::u16string_view sign) {
    for (const auto& star : stars) {
        out += u"<b>";
        out += sign;
        out += htmlEscape(star.name) + u": </b>" + htmlEscape(star.explanation) + u"<br>";
    }
}

// Three pairs of departure hours, k = first, first + 2, first + 4, each with its quality.
void appendDeparturePairs(std::u16string& out, int h, int first) {
    for (int k = first; k < 6; k += 2) {
        out += slotText(g_sChi[(h + k) % 12]);
        out += u", ";
        out += slotText(g_sChi[(h + k + 6) % 12]);
        out += format(u"<b> (%s)</b>. ", {departureQuality(k)});
    }
}

} // namespace

std::u16string renderAlmanacHtml(const AlmanacContent& content) {
    const LICHVELMORA& rec = content.rec;
    const AlmanacDay& day = content.day;
    std::u16string out;
    out.reserve(4096);

    out += u"<font size = 1>";
    out += u"<b><font color=#0000FF>";
    out += dateLine(rec);
    out += u"</b></font><br>";
    out += u"<font color=#000000>";
    out += cycleLine(rec);
    out += u"</font><br>";

    out += u"<font color=#FF0000><b>Sao tốt: </b>";
    appendStarList(out, content.good);
    out += u"</font><br>";
    out += u"<font color=#000080><b>Sao xấu: </b>";
    appendStarList(out, content.bad);
    out += u"</font></font><br>";

    out += u"<font color=#FF0000><font size = 1><b>Giờ hoàng đạo: </b>";
    const auto hours = auspiciousHourBranches(day.dayBranch);
    for (std::size_t i = 0; i < hours.size(); ++i) {
        if (i > 0) out += u", ";
        out += slotText(g_sChi[hours[i]]);
    }
    out += u". <br></font></font>";

    out += u"<font color=#0000FF><font size = 1><b>Giờ và hướng xuất hành: </b>";
    out += u". <br></font></font>";

    const int h = departureStart(day.lunarDay, day.lunarMonth);
    out += u"<font color=#FF0000><font size = 1><b>● Giờ tốt: </b>";
    appendDeparturePairs(out, h, 0);
    out += u"<br></font></font>";
    out += u"<font color=#000000><font size = 1><b>● Giờ xấu: </b>";
    appendDeparturePairs(out, h, 1);
    out += u"<br></font></font>";

    out += u"<font color=#FF0000><font size = 1><b>● Hỷ thần: </b>";
    out += hyThanDirection(day.dayStem);
    out += u"<br></font></font>";
    out += u"<font color=#FF0000><font size = 1><b>● Tài thần: </b>";
    out += taiThanDirection(day.dayStem);
    out += u"<br></font></font>";
    out += u"<font color=#000000><font size = 1><b>● Hạc thần: </b>";
    out += hacThanDirection(day.dayIndex);
    out += u"<br></font></font>";

    out += u"<font size = 1><font color=#000000><br>------------------------<br>"
           u"<b>Chú giải:</b><br></font>";
    out += u"<font color=#FF0000>";
    appendLegend(out, content.good, u"+ ");
    out += u"</font><font color=#000080>";
    appendLegend(out, content.bad, u"- ");
    out += u"</font></font><br>";
    return out;
}

} // namespace velmora::almanac
