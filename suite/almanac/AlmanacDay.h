// The integers the almanac's star rules read from a day record.
#pragma once

#include "VelmoraLib.h"

namespace velmora::almanac {

struct AlmanacDay {
    int dayIndex = 0;   // sexagenary index of the day, 0..59
    int dayStem = 0;    // dayIndex mod 10
    int dayBranch = 0;  // dayIndex mod 12
    int yearStem = 0;   // nCanChiNam mod 10
    int lunarMonth = 1; // 1..12
    int lunarDay = 1;   // 1..30
    int season = 0;     // season index 0..3
};

// Season 0 from the day of dTietKhi[1] ("Tiểu hàn"), 1 from [4], 2 from [7], 3 from [11] and
// before [1].  Days are compared by day number, so a term's own day opens its season whatever
// the hour of the term.
int seasonIndex(const LICHVELMORA& rec);

AlmanacDay almanacDayOf(const LICHVELMORA& rec);

} // namespace velmora::almanac
