// Derived values of a day for the star rules.
#include "suite/almanac/AlmanacDay.h"

#include <cmath>

namespace almanac {
namespace {

// Non-negative remainder, so that a garbled negative index still selects a table entry.
int Mod(int a, int n) {
    return ((a % n) + n) % n;
}

// Day number of a local Julian date.
long long DayNumber(double localJd) {
    return static_cast<long long>(std::floor(localJd + 0.5));
}

} // namespace

int SeasonIndex(const LICHVELMORA& rec) {
    const long long j = rec.nJD;
    if (DayNumber(rec.dTietKhi[1]) <= j && j < DayNumber(rec.dTietKhi[4])) return 0;
    if (DayNumber(rec.dTietKhi[4]) <= j && j < DayNumber(rec.dTietKhi[7])) return 1;
    if (DayNumber(rec.dTietKhi[7]) <= j && j < DayNumber(rec.dTietKhi[11])) return 2;
    return 3;
}

AlmanacDay AlmanacDayOf(const LICHVELMORA& rec) {
    AlmanacDay day;
    day.D = Mod(rec.nCanChiNgay, 60);
    day.s = day.D % 10;
    day.b = day.D % 12;
    day.y = Mod(rec.nCanChiNam, 60) % 10;
    day.m = rec.nThangAm;
    day.d = rec.nNgayAm;
    day.q = SeasonIndex(rec);
    return day;
}

} // namespace almanac
