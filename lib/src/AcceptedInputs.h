// The inputs the library computes with: anything else is refused at the entry points, so that no
// loop runs without end and no value overflows on its way to an integer.
#pragma once

#include "VelmoraLib.h"

#include <cmath>

namespace velmora::inputs {

// Julian day numbers of 1 January of year 1 and 31 December of year 9999 (proleptic Gregorian).
inline constexpr double kFirstDayNumber = 1721426.0;
inline constexpr double kLastDayNumber = 5373484.0;

inline bool acceptedYear(int year) {
    return year >= VELMORA_FIRST_YEAR && year <= VELMORA_LAST_YEAR;
}

inline bool acceptedZone(double zone) {
    return std::isfinite(zone) && std::fabs(zone) <= VELMORA_MAX_ZONE;
}

inline bool acceptedDayNumber(double day) {
    return day >= kFirstDayNumber && day <= kLastDayNumber; // false for NaN
}

// Whether DoiAmDuong can work on the record with these flags (see VelmoraLib.h).
inline bool acceptedRecord(const LICHVELMORA& rec, uint32_t flags) {
    if (!acceptedZone(rec.dMuiGio) || rec.nGio < 0 || rec.nGio > 23) return false;
    if (flags & DAD_JD) return acceptedDayNumber(rec.nJD);
    if (flags & DAD_DUONG)
        return acceptedYear(rec.nNam) && rec.nThang >= 1 && rec.nThang <= 12 && rec.nNgay >= 1 &&
               rec.nNgay <= 31;
    // A lunar date is counted from the record's month table, which must hold real days.
    const int k = rec.nChiSoThang < 0 ? 0 : (rec.nChiSoThang > 15 ? 15 : rec.nChiSoThang);
    return rec.nNgayAm >= 1 && rec.nNgayAm <= 30 && acceptedDayNumber(rec.dSoc[k]);
}

} // namespace velmora::inputs
