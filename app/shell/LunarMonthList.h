// The months of the lunar year held in a day record's month table, as the lists show them.
#pragma once

#include "VelmoraLib.h"

#include <QString>

namespace velmora::app {

// Table indices of the lunar year's months: from its month 1 up to the entry before the
// next month 1 (12 entries, 13 with a leap month). The table's own month 1 is usually
// entry 2, but entry 3 when a leap month 11 or 12 precedes it, so months are found by
// their numbers, never by position.
struct LunarYearMonths {
    int first = 2, last = 13;
    int count() const { return last - first + 1; }
};

LunarYearMonths lunarYearMonths(const LICHVELMORA& rec);

// Moves the record to the same lunar month and day in another lunar year, at the same time of
// day: a leap month goes to the same leap month when that year has one, else to the ordinary
// month; a day 30 in a 29-day month becomes day 29.
void moveToLunarYear(LICHVELMORA& rec, int lunarYear);

// "Tháng 5", "Tháng 5 n" for a leap month, followed by " (đ)" or " (t)".
QString lunarMonthEntry(const LICHVELMORA& rec, int k);

// "Tháng 5n (đ)", "Tháng 5n(t)", "Tháng 5 (đ)", "Tháng 5 (t)": the record's own month.
QString lunarMonthLabel(const LICHVELMORA& rec);

// "Giáp Tý" for a sexagenary index.
QString canChiText(int index);

} // namespace velmora::app
