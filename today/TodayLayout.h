// Where the item's five areas go, in pixels from 96-dpi units: two panels and the day, month and
// year buttons.
#pragma once

#include "today/TodaySettings.h"

#include <QPoint>
#include <QRect>
#include <array>

namespace velmora::today {

// 96-dpi units to pixels with the two dpi values read once when the item was created:
// (v × dpi + 48) / 96, integer division.
struct Units {
    int dpiX = 96;
    int dpiY = 96;
    int x(int v) const { return (v * dpiX + 48) / 96; }
    int y(int v) const { return (v * dpiY + 48) / 96; }
};

enum Area : int { Panel0 = 0, Panel1, DayButton, MonthButton, YearButton, kAreaCount };
using ItemLayout = std::array<QRect, kAreaCount>; // an empty rectangle for an unused panel 1

// The five rectangles for a page's codes. With a right panel, the panels are 120 units wide side
// by side (panel 1 at x 200 in landscape); without one, panel 0 is 240 wide. The buttons are
// 80 × 26: in a row at y 78 when upright, stacked at the right edge of panel 0 in landscape.
ItemLayout LayoutTodayItem(const PageCodes& codes, Units units, bool landscape);

// 78 units in landscape, 104 upright.
int itemHeight(Units units, bool landscape);

// The right and bottom edges of a rectangle as the device counts them: one past the last pixel.
inline int rightOf(const QRect& r) {
    return r.x() + r.width();
}
inline int bottomOf(const QRect& r) {
    return r.y() + r.height();
}

// The first of panel 0, panel 1, day and month button whose inside (borders excluded) holds the
// point; the year button is not tested. -1 when none does.
int areaAt(const ItemLayout& layout, QPoint point);

} // namespace velmora::today
