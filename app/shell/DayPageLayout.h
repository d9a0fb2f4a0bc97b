// Where each field of the day page sits, per screen shape, in 96-dpi units and scaled.
#pragma once

#include "platform/screen/ScreenProfile.h"

#include <QRect>

namespace velmora::app {

using velmora::screen::ScreenOrientation;

inline constexpr int kDayPageSlots = 19;
inline constexpr int kDayPageFields = 12; // field f occupies slot f + 4

struct SlotBox {
    int left, top, right, bottom;
};

// The slot's rectangle in 96-dpi units; all zeros when the slot is not shown.
SlotBox slotUnits(int slot, ScreenOrientation orientation);

// The slot's rectangle on the screen: ScaleX for left and right, ScaleY for top and bottom.
QRect slotRect(int slot, ScreenOrientation orientation);

// The first field 0..11 whose slot holds the point strictly inside, or -1.
int fieldAt(QPoint point, ScreenOrientation orientation);

} // namespace velmora::app
