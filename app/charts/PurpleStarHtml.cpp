// Composing the summary and palace HTML of a purple-star chart.
#include "app/charts/PurpleStarHtml.h"

#include "VelmoraDay.h"
#include "suite/charts/ByteFields.h"
#include "suite/charts/ChartText.h"
#include "suite/text/TextFormat.h"

namespace velmora::app {

using charts::ChartPalace;
using charts::ChartStar;
using charts::PurpleStarChart;

namespace {

// Element colours as HTML: water black, wood green, fire red, earth orange, metal grey.
constexpr std::u16string_view kElementColours[5] = {u"#000000", u"#009900", u"#FF0000", u"#FF8C00",
                                                    u"#A9A9A9"};

std::u16string stemBranch(int index) {
    const CanChi c = canChiOf(index);
    return std::u16string(g_sCan[c.can]) + u" " + std::u16string(g_sChi[c.chi]);
}

std::u16string escaped(const std::u16string& text) {
    return text::htmlEscape(text);
}

// One row of the summary's date table: label, the date's numbers, the stem and branch.
std::u16string dateRow(std::u16string_view label, const std::u16string& numbers, int index) {
    return u"<tr><td><font size = 1>" + std::u16string(label) + u"</font></td><td><font size = 1>" +
           numbers + u"</font></td><td><font size = 1>" + stemBranch(index) + u"</font></td></tr>";
}

std::u16string boldRow(std::u16string_view label, const std::u16string& value) {
    return u"<tr><td><font size = 1>" + std::u16string(label) +
           u"</font></td><td colspan=2><font size = 1><b>" + value + u"</b></font></td></tr>";
}

// A star's line: its colour tag (none for an element outside 0..4), the name, the closing tags.
std::u16string starLine(const ChartStar& star, std::u16string_view opening, bool bold) {
    const std::u16string colour = elementHtmlColour(star.element);
    std::u16string line(opening);
    if (!colour.empty())
        line += u"<font color = " + colour + (bold ? u"><b>" : u">");
    else if (bold)
        line += u"<b>";
    line += escaped(charts::fieldText(star.longName));
    line += bold ? u"</b><br></font>" : u"<br></font>";
    if (!colour.empty()) line += u"</font>";
    return line;
}

bool isMain(const ChartStar& star) {
    return star.id < charts::kMainStarIdLimit;
}

} // namespace

std::u16string elementHtmlColour(int element) {
    return element >= 0 && element < 5 ? std::u16string(kElementColours[element]) : u"";
}

std::u16string purpleStarSummaryHtml(const PurpleStarChart& chart) {
    using charts::number;
    using charts::zeroPadded;
    const charts::BirthRecord& b = chart.birth;
    std::u16string html = u"<HTML><HEAD></HEAD><BODY bottommargin=0 leftmargin=5 rightmargin=0 "
                          u"topmargin=0><table width = 100% cellpadding=0>";
    html += u"<tr><td><font size = 1>Tên:</td><td colspan=2><font size = 1><b>";
    html += escaped(charts::fieldText(b.name));
    html += u"</font></b></td></tr>";
    html += dateRow(u"Năm:", zeroPadded(b.year, 4), b.yearIndex);
    html += dateRow(u"Tháng:", zeroPadded(b.month, 2) + u" (" + number(b.lunarMonth) + u")",
                    b.monthIndex);
    html += dateRow(u"Ngày:", zeroPadded(b.day, 2) + u" (" + number(b.lunarDay) + u")", b.dayIndex);
    html += dateRow(u"Giờ:", zeroPadded(b.hour, 2) + u":" + zeroPadded(b.minute, 2), b.hourIndex);
    html += u"<tr><td><font size = 1>Tuổi:</td><td colspan=2><font size = 1><b>";
    html += b.yearIndex % 2 == 0 ? u"Dương " : u"Âm ";
    html += charts::isMale(b) ? u"Nam" : u"Nữ";
    html += u"</font></b></td></tr>";
    html += boldRow(u"Mệnh:", escaped(charts::fieldText(chart.yearSoundName)));
    html += boldRow(u"Cục:", std::u16string(charts::bureauName(chart.bureau)));
    html += u"</table></BODY></HTML>";
    return html;
}

std::u16string purpleStarPalaceHtml(const PurpleStarChart& chart, int position) {
    std::u16string html = u"<HTML><HEAD></HEAD><BODY  bottommargin=0 leftmargin=0 rightmargin=0 "
                          u"topmargin=0><table width = 100% ><tr><td style=\"text-align: center; "
                          u"height: 10px;\" colspan=\"2\">";
    if (position < 0 || position >= charts::kPalaceCount) position = chart.lifePalace;
    const ChartPalace& palace = chart.palaces[position];
    const int count = std::min<int>(palace.starCount, charts::kStarsPerPalace);
    for (int i = 0; i < count; ++i)
        if (isMain(palace.stars[i])) html += starLine(palace.stars[i], u"<font size = 1>", true);
    html += u"</td></tr><tr><td valign=top>";
    for (int i = 0; i < count; ++i)
        if (!isMain(palace.stars[i]) && palace.stars[i].good)
            html += starLine(palace.stars[i], u"<font size = 1>+", false);
    html += u"</td><td valign=top>";
    for (int i = 0; i < count; ++i)
        if (!isMain(palace.stars[i]) && !palace.stars[i].good)
            html += starLine(palace.stars[i], u"<font size = 1>-", false);
    html += u"</td></tr></table></BODY></HTML>";
    return html;
}

std::u16string purpleStarHtml(const PurpleStarChart& chart) {
    if (chart.selectedPalace >= 0 && chart.selectedPalace < charts::kPalaceCount)
        return purpleStarPalaceHtml(chart, chart.selectedPalace);
    return purpleStarSummaryHtml(chart);
}

} // namespace velmora::app
