// The item's layout and its hit test.
#include "today/TodayLayout.h"

namespace velmora::today {

ItemLayout LayoutTodayItem(const PageCodes& codes, Units u, bool landscape) {
    ItemLayout layout{};
    const bool twoPanels = codes[1] != ContentNone;
    const int panelWidth = twoPanels ? 120 : 240;
    layout[Panel0] = QRect(0, 0, u.x(panelWidth), u.y(78));
    if (twoPanels) {
        const int left = u.x(landscape ? 200 : 120);
        layout[Panel1] = QRect(left, 0, u.x(120), u.y(78));
    }
    for (int b = 0; b < 3; ++b) {
        layout[DayButton + b] = landscape
                                    ? QRect(rightOf(layout[Panel0]), u.y(26 * b), u.x(80), u.y(26))
                                    : QRect(u.x(80 * b), u.y(78), u.x(80), u.y(26));
    }
    return layout;
}

int itemHeight(Units u, bool landscape) {
    return u.y(landscape ? 78 : 104);
}

int areaAt(const ItemLayout& layout, QPoint p) {
    for (int a : {Panel0, Panel1, DayButton, MonthButton}) {
        const QRect& r = layout[a];
        if (r.isEmpty()) continue;
        if (p.x() > r.x() && p.x() < rightOf(r) - 1 && p.y() > r.y() && p.y() < bottomOf(r) - 1)
            return a;
    }
    return -1;
}

} // namespace velmora::today
