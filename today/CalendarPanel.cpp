// The month calendar: six weeks from Monday, the shown day framed, lunar days when there is room.
#include "today/PanelPainting.h"

#include "platform/gdi/Shapes.h"

#include "VelmoraDay.h"

namespace velmora::today {

using gdi::DT_BOTTOM;
using gdi::DT_RIGHT;
using gdi::DT_SINGLELINE;

namespace {

// The system's caption-text colour, which marks the shown day's number.
const QColor kCaptionText(Qt::white);

// The lunar day of day number jd from the record's table of new moons: days since the new moon
// that opens its month, plus one. The table spans the year before to the year after, so every
// cell of the grid finds its month; 0 if one did not.
int lunarDayOf(const LICHVELMORA& d, int jd) {
    for (int k = 0; k < 15; ++k) {
        const int start = localDayNumber(d.dSoc[k]);
        if (jd >= start && jd < localDayNumber(d.dSoc[k + 1])) return jd - start + 1;
    }
    return 0;
}

} // namespace

void paintMonthCalendar(const PanelContext& c, const QRect& panel) {
    const Units& u = c.units();
    const LICHVELMORA& d = c.state.shown;
    const int x0 = panel.left() + u.x(5), y0 = panel.top() + u.y(3);
    const int cellWidth = (rightOf(panel) - u.x(9) - panel.left()) / 7;
    const int rowHeight = u.y(12);
    const int first = (d.nThu - d.nNgay + 36) % 7; // the cell of the month's first day
    const int shownCell = d.nNgay + first - 1;
    const bool withLunar = cellWidth > u.x(20);
    const QFont numbers = todayFont(c.state.settings, 1, u.dpiX);
    const QFont lunar = todayFont(c.state.settings, 2, u.dpiX);
    const int previousMonthDays = d.nThang == 1 ? 31 : SoNgayCuaThang(d.nThang - 1, d.nNam);
    auto cellRect = [&](int i) {
        return QRect(x0 + (i % 7) * cellWidth, y0 + (i / 7) * rowHeight, cellWidth, rowHeight);
    };

    gdi::drawFocusRect(c.painter, cellRect(shownCell));
    for (int i = 0; i < 42; ++i) {
        int day = 0;
        QColor colour = c.color(2);
        if (i < first) {
            day = previousMonthDays - first + 1 + i;
        } else if (i < first + d.nSoNgay) {
            day = i - first + 1;
            const int column = i % 7;
            colour = i == shownCell ? kCaptionText
                     : column == 5  ? c.color(3)
                     : column == 6  ? c.color(4)
                                    : c.color(1);
        } else {
            day = i - first - d.nSoNgay + 1;
        }
        const QRect cell = cellRect(i);
        c.painter.setPen(colour);
        c.painter.setFont(numbers);
        QRect numberBox = cell;
        if (withLunar) numberBox.setWidth(cell.width() / 2);
        // Unclipped: a large number may reach a little into the row above, never cut off.
        c.text(numberBox, QString::number(day),
               DT_RIGHT | DT_BOTTOM | DT_SINGLELINE | gdi::DT_NOCLIP);
        if (withLunar) {
            c.painter.setFont(lunar);
            const int lunarDay = lunarDayOf(d, d.nJD - shownCell + i);
            if (lunarDay > 0)
                c.text(cell.adjusted(0, 0, -u.x(4), 0), QString::number(lunarDay),
                       DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
        }
    }
    c.painter.setPen(c.color(1));
}

} // namespace velmora::today
