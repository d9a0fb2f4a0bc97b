// The reading as the HTML document the almanac window shows, piece by piece.
#include "suite/almanac/AlmanacReading.h"

#include "suite/almanac/DayLines.h"
#include "suite/almanac/HoursAndDirections.h"
#include "suite/text/TextFormat.h"

namespace almanac {
namespace {

// Names joined by ", " and closed by "."; bold when the entry carries the emphasis flag.
void AppendStarList(std::u16string& out, const std::vector<AlmanacStarRecord>& stars) {
    for (std::size_t i = 0; i < stars.size(); ++i) {
        const std::u16string name = HtmlEscape(stars[i].name);
        if (stars[i].emphasis)
            out += u"<b>" + name + u"</b>";
        else
            out += name;
        out += i + 1 == stars.size() ? u"." : u", ";
    }
}

void AppendLegend(std::u16string& out, const std::vector<AlmanacStarRecord>& stars,
                  std::u16string_view sign) {
    for (const auto& star : stars) {
        out += u"<b>";
        out += sign;
        out += HtmlEscape(star.name) + u": </b>" + HtmlEscape(star.explanation) + u"<br>";
    }
}

// Three pairs of departure hours, k = first, first + 2, first + 4, each with its quality.
void AppendDeparturePairs(std::u16string& out, int h, int first) {
    for (int k = first; k < 6; k += 2) {
        out += Slot(g_sChi[(h + k) % 12]);
        out += u", ";
        out += Slot(g_sChi[(h + k + 6) % 12]);
        out += Format(u"<b> (%s)</b>. ", {DepartureQuality(k)});
    }
}

} // namespace

std::u16string RenderAlmanacHtml(const AlmanacContent& content) {
    const LICHVELMORA& rec = content.rec;
    const AlmanacDay& day = content.day;
    std::u16string out;
    out.reserve(4096);

    out += u"<font size = 1>";
    out += u"<b><font color=#0000FF>";
    out += DateLine(rec);
    out += u"</b></font><br>";
    out += u"<font color=#000000>";
    out += CycleLine(rec);
    out += u"</font><br>";

    out += u"<font color=#FF0000><b>Sao tốt: </b>";
    AppendStarList(out, content.good);
    out += u"</font><br>";
    out += u"<font color=#000080><b>Sao xấu: </b>";
    AppendStarList(out, content.bad);
    out += u"</font></font><br>";

    out += u"<font color=#FF0000><font size = 1><b>Giờ hoàng đạo: </b>";
    const auto hours = AuspiciousHourBranches(day.b);
    for (std::size_t i = 0; i < hours.size(); ++i) {
        if (i > 0) out += u", ";
        out += Slot(g_sChi[hours[i]]);
    }
    out += u". <br></font></font>";

    out += u"<font color=#0000FF><font size = 1><b>Giờ và hướng xuất hành: </b>";
    out += u". <br></font></font>";

    const int h = DepartureStart(day.d, day.m);
    out += u"<font color=#FF0000><font size = 1><b>● Giờ tốt: </b>";
    AppendDeparturePairs(out, h, 0);
    out += u"<br></font></font>";
    out += u"<font color=#000000><font size = 1><b>● Giờ xấu: </b>";
    AppendDeparturePairs(out, h, 1);
    out += u"<br></font></font>";

    out += u"<font color=#FF0000><font size = 1><b>● Hỷ thần: </b>";
    out += HyThanDirection(day.s);
    out += u"<br></font></font>";
    out += u"<font color=#FF0000><font size = 1><b>● Tài thần: </b>";
    out += TaiThanDirection(day.s);
    out += u"<br></font></font>";
    out += u"<font color=#000000><font size = 1><b>● Hạc thần: </b>";
    out += HacThanDirection(day.D);
    out += u"<br></font></font>";

    out += u"<font size = 1><font color=#000000><br>------------------------<br>"
           u"<b>Chú giải:</b><br></font>";
    out += u"<font color=#FF0000>";
    AppendLegend(out, content.good, u"+ ");
    out += u"</font><font color=#000080>";
    AppendLegend(out, content.bad, u"- ");
    out += u"</font></font><br>";
    return out;
}

} // namespace almanac
