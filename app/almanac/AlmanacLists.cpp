// The almanac's field lists: entries, placement and applying a pick.
#include "app/almanac/AlmanacLists.h"

#include <algorithm>

namespace velmora::app {

using velmora::screen::ScaleX;
using velmora::screen::ScaleY;

namespace {

// The almanac's lists are the day page's lists of the same values.
int dayPageField(int field) {
    switch (field) {
    case AlmanacMonthLabel:
        return FieldSolarMonth;
    case AlmanacYearLabel:
        return FieldSolarYear;
    case AlmanacLunarDayBox:
        return FieldLunarDay;
    case AlmanacLunarMonthBox:
        return FieldLunarMonth;
    case AlmanacLunarYearBox:
        return FieldYearPillar;
    default:
        return -1;
    }
}

} // namespace

ChooserList almanacList(int field, const LICHVELMORA& d) {
    const int pageField = dayPageField(field);
    return pageField < 0 ? ChooserList{} : chooserList(pageField, d);
}

uint32_t almanacListFlags(int field) {
    switch (field) {
    case AlmanacMonthLabel:
        return DAD_DUONG | DAD_THANG;
    case AlmanacYearLabel:
        return DAD_DUONG | DAD_NAM;
    case AlmanacLunarDayBox:
        return DAD_NGAY;
    case AlmanacLunarMonthBox:
    case AlmanacLunarYearBox: // the same lunar month and day in the picked lunar year
        return DAD_THANG;
    default:
        return 0;
    }
}

bool applyAlmanacList(int field, int n, CurrentDay& day) {
    const int pageField = dayPageField(field);
    if (n < 0 || pageField < 0 || n >= chooserList(pageField, day.record).entries.size())
        return false;
    // A pick means the user chose a day: the day page stops following the clock.
    day.followClock = false;
    if (!applyFieldChoice(pageField, n, day.record)) return false;
    day.keepInSupportedRange();
    return true;
}

void pickGridCell(CurrentDay& day, int column, int row) {
    chooseGridCell(day.record, column, row);
    day.followClock = false;
    day.keepInSupportedRange();
}

QRect almanacListRect(int field, ScreenOrientation orientation) {
    const QRect box = almanacFieldRect(field, orientation);
    const bool wide = field == AlmanacLunarDayBox || field == AlmanacLunarMonthBox ||
                      field == AlmanacLunarYearBox;
    const int width = box.width() + (wide ? ScaleX(40) : 0);
    const int height = orientation == velmora::screen::Landscape ? ScaleY(112) : ScaleY(140);
    return QRect(box.left(), box.top(), width, height);
}

} // namespace velmora::app
