// The integers the almanac's star rules read from a day record.
#pragma once

#include "VelmoraLib.h"

namespace almanac {

struct AlmanacDay {
    int D = 0; // sexagenary index of the day, 0..59
    int s = 0; // day stem, D mod 10
    int b = 0; // day branch, D mod 12
    int y = 0; // year stem, nCanChiNam mod 10
    int m = 1; // lunar month, 1..12
    int d = 1; // lunar day, 1..30
    int q = 0; // season index 0..3
};

// Season 0 from the day of dTietKhi[1] ("Tiểu hàn"), 1 from [4], 2 from [7], 3 from [11] and
// before [1].  Days are compared by day number, so a term's own day opens its season whatever
// the hour of the term.
int SeasonIndex(const LICHVELMORA& rec);

AlmanacDay AlmanacDayOf(const LICHVELMORA& rec);

} // namespace almanac
