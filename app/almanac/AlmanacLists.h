// The lists the almanac's month and lunar fields open, where they go and what a pick changes.
#pragma once

#include "app/almanac/AlmanacGrid.h"
#include "app/res/CommandIds.h"
#include "app/shell/CurrentDay.h"
#include "app/shell/FieldChooser.h"

#include <QRect>
#include <QSize>

namespace velmora::app {

// Entries and the initial entry of a field's list: 0 months, 1 years, 3 lunar days,
// 4 the lunar year's months, 5 year pillars. Other fields have none.
ChooserList almanacList(int field, const LICHVELMORA& day);

// The conversion flags a pick in the field's list uses (0 for fields without a list).
uint32_t almanacListFlags(int field);

// Applies entry n of the field's list: a real pick (n >= 0) stops the day page following the
// clock; the record is changed and converted. False when nothing was applied.
bool applyAlmanacList(int field, int n, CurrentDay& day);

// Picks the day of the grid's cell in column x, row y (grey cells reach the previous or next
// month): like a list pick, it stops the day page following the clock.
void pickGridCell(CurrentDay& day, int column, int row);

// Where the field's list wants to go: over the field, widened for the lunar boxes (the popup
// then moves it left or up to stay inside the window).
QRect almanacListRect(int field, ScreenOrientation orientation);

} // namespace velmora::app
