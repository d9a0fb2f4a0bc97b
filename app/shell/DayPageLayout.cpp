// Where each field of the day page sits, per screen shape.
#include "app/shell/DayPageLayout.h"

namespace velmora::app {

namespace {

// The calendar leaf's layout in 96-dpi units: the solar date large at the top left, the two terms
// and the sun and moon below it, the lunar column at the right (landscape and square) or below
// (portrait). Per slot: landscape, portrait, square. Slots 0..3 are not used by the page.
constexpr SlotBox kSlots[kDayPageSlots][3] = {
    {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}},
    {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}},
    {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}},
    {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}},
    {{12, 10, 105, 30}, {20, 10, 115, 30}, {6, 10, 80, 30}},            // 4: solar month
    {{105, 10, 204, 30}, {115, 10, 219, 30}, {80, 10, 130, 30}},        // 5: solar year
    {{60, 30, 154, 120}, {65, 30, 174, 120}, {24, 30, 114, 125}},       // 6: solar day, weekday
    {{8, 128, 138, 140}, {16, 128, 148, 140}, {6, 132, 132, 144}},      // 7: minor term
    {{8, 140, 138, 152}, {16, 140, 148, 152}, {6, 144, 132, 158}},      // 8: major term
    {{8, 156, 207, 182}, {16, 156, 224, 182}, {10, 164, 230, 184}},     // 9: program title
    {{220, 10, 311, 34}, {10, 188, 110, 212}, {140, 8, 231, 32}},       // 10: lunar month
    {{220, 32, 311, 69}, {10, 210, 110, 247}, {140, 30, 231, 67}},      // 11: lunar day
    {{220, 72, 311, 84}, {10, 248, 110, 260}, {140, 65, 231, 78}},      // 12: year pillar
    {{220, 98, 311, 122}, {130, 188, 229, 212}, {140, 86, 231, 110}},   // 13: hour pillar
    {{220, 120, 311, 157}, {130, 210, 229, 247}, {140, 108, 231, 145}}, // 14: clock time
    {{220, 157, 311, 170}, {130, 248, 229, 260}, {140, 145, 231, 158}}, // 15: day officer
    {{220, 170, 311, 182}, {130, 250, 229, 262}, {0, 0, 0, 0}},         // 16: lunar mansion
    {{142, 128, 207, 140}, {155, 128, 224, 140}, {0, 0, 0, 0}},         // 17: sun rise and set
    {{142, 140, 207, 152}, {155, 140, 224, 152}, {0, 0, 0, 0}},         // 18: moon rise and set
};

} // namespace

SlotBox slotUnits(int slot, ScreenOrientation orientation) {
    if (slot < 0 || slot >= kDayPageSlots) return {0, 0, 0, 0};
    return kSlots[slot][static_cast<int>(orientation)];
}

QRect slotRect(int slot, ScreenOrientation orientation) {
    using velmora::screen::ScaleX;
    using velmora::screen::ScaleY;
    const SlotBox b = slotUnits(slot, orientation);
    return QRect(QPoint(ScaleX(b.left), ScaleY(b.top)),
                 QPoint(ScaleX(b.right) - 1, ScaleY(b.bottom) - 1));
}

int fieldAt(QPoint point, ScreenOrientation orientation) {
    for (int field = 0; field < kDayPageFields; ++field) {
        const QRect r = slotRect(field + 4, orientation);
        // Strictly inside: a tap on the edge selects nothing.
        const int left = r.left(), top = r.top(), right = r.right() + 1, bottom = r.bottom() + 1;
        if (left < point.x() && point.x() < right && top < point.y() && point.y() < bottom)
            return field;
    }
    return -1;
}

} // namespace velmora::app
