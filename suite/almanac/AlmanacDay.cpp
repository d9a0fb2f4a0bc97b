// Derived values of a day for the star rules.
#include "suite/almanac/AlmanacDay.h"
#include "VelmoraDay.h"

#include <cmath>

namespace velmora::almanac {
namespace {

// Non-negative remainder, so that a garbled negative index still selects a table entry.
int mod(int a, int n) {
    return ((a % n) + n) % n;
}

} // namespace

int seasonIndex(const LICHVELMORA& rec) {
    const long long j = rec.nJD;
    if (velmora::localDayNumber(rec.dTietKhi[1]) <= j &&
        j < velmora::localDayNumber(rec.dTietKhi[4]))
        return 0;
    if (velmora::localDayNumber(rec.dTietKhi[4]) <= j &&
        j < velmora::localDayNumber(rec.dTietKhi[7]))
        return 1;
    if (velmora::localDayNumber(rec.dTietKhi[7]) <= j &&
        j < velmora::localDayNumber(rec.dTietKhi[11]))
        return 2;
    return 3;
}

AlmanacDay almanacDayOf(const LICHVELMORA& rec) {
    AlmanacDay day;
    day.dayIndex = mod(rec.nCanChiNgay, 60);
    day.dayStem = day.dayIndex % 10;
    day.dayBranch = day.dayIndex % 12;
    day.yearStem = mod(rec.nCanChiNam, 60) % 10;
    day.lunarMonth = rec.nThangAm;
    day.lunarDay = rec.nNgayAm;
    day.season = seasonIndex(rec);
    return day;
}

} // namespace velmora::almanac
