// Day arithmetic over the C interface, for C++ callers: the local day of an instant, a freshly
// converted day record, and the names of a sexagenary index. Header-only; nothing here is
// exported by the library.
#pragma once

#include "VelmoraLib.h"

#include <cmath>
#include <string>

namespace velmora {

// The zone every program of the suite reckons its days in.
inline constexpr double kVietnamZone = 7.0;

// The solar years the calendar is checked for; the programs and the terminal calendar accept
// exactly the days of these years, whichever way a date is given.
inline constexpr int kFirstSupportedYear = 1800;
inline constexpr int kLastSupportedYear = 2199;

inline bool isSupportedYear(int year) {
    return year >= kFirstSupportedYear && year <= kLastSupportedYear;
}

// The day number d(x) of a local Julian date: the Julian day number of the local day that holds
// the instant (floor(x + 0.5)). A solar term or new moon belongs to this day whatever its hour.
inline int localDayNumber(double localJd) {
    return static_cast<int>(std::floor(localJd + 0.5));
}

// Days from new moon k to new moon k + 1 of a record's month table: 29 or 30.
inline int lunarMonthLength(const LICHVELMORA& day, int k) {
    return localDayNumber(day.dSoc[k + 1]) - localDayNumber(day.dSoc[k]);
}

// A record converted afresh, as every client prepares one: zeroed, date, time and zone set,
// DoiAmDuong with DAD_ALL.
inline LICHVELMORA freshDay(int day, int month, int year, int hour = 12, int minute = 0,
                            int second = 0, double zone = kVietnamZone) {
    LICHVELMORA rec{};
    rec.nNgay = day;
    rec.nThang = month;
    rec.nNam = year;
    rec.nGio = hour;
    rec.nPhut = minute;
    rec.nGiay = second;
    rec.dMuiGio = zone;
    DoiAmDuong(&rec, DAD_ALL);
    return rec;
}

// The same for a device clock reading.
inline LICHVELMORA freshDay(const SYSTEMTIME& t, double zone = kVietnamZone) {
    return freshDay(t.wDay, t.wMonth, t.wYear, t.wHour, t.wMinute, t.wSecond, zone);
}

// A clock reading of a date and time (weekday and milliseconds 0).
inline SYSTEMTIME systemTime(int year, int month, int day, int hour = 0, int minute = 0,
                             int second = 0) {
    SYSTEMTIME t{};
    t.wYear = static_cast<uint16_t>(year);
    t.wMonth = static_cast<uint16_t>(month);
    t.wDay = static_cast<uint16_t>(day);
    t.wHour = static_cast<uint16_t>(hour);
    t.wMinute = static_cast<uint16_t>(minute);
    t.wSecond = static_cast<uint16_t>(second);
    return t;
}

// The nearest moment of a supported day: a clock reading before 1800 becomes 1 January 1800 and
// one after 2199 becomes 31 December 2199, at the reading's time of day.
inline SYSTEMTIME nearestSupportedMoment(SYSTEMTIME t) {
    if (t.wYear < kFirstSupportedYear) {
        t.wYear = kFirstSupportedYear;
        t.wMonth = 1;
        t.wDay = 1;
    } else if (t.wYear > kLastSupportedYear) {
        t.wYear = kLastSupportedYear;
        t.wMonth = 12;
        t.wDay = 31;
    }
    return t;
}

// Copies date and time of a clock reading into a record's inputs (no conversion).
inline void setRecordTime(LICHVELMORA& rec, const SYSTEMTIME& t) {
    rec.nNam = t.wYear;
    rec.nThang = t.wMonth;
    rec.nNgay = t.wDay;
    rec.nGio = t.wHour;
    rec.nPhut = t.wMinute;
    rec.nGiay = t.wSecond;
}

// The number of the lunar year a record's day belongs to: its solar year, or the one before in
// the days before Tết (the lunar year's cycle index nCanChiNam then trails the solar year's).
inline int lunarYearOf(const LICHVELMORA& rec) {
    const int behind = (((rec.nNam + 56 - rec.nCanChiNam) % 60) + 60) % 60;
    if (behind == 1) return rec.nNam - 1;
    if (behind == 59) return rec.nNam + 1;
    return rec.nNam;
}

// A sexagenary index split into its stem (0..9, g_sCan) and branch (0..11, g_sChi). Any integer
// is taken modulo 60, so offsets from a known index may be negative.
struct CanChi {
    int index; // 0..59, 0 = Giáp Tý
    int can;   // stem
    int chi;   // branch
};

inline CanChi canChiOf(int index) {
    const int i = ((index % 60) + 60) % 60;
    return CanChi{i, i % 10, i % 12};
}

// "Giáp Tý": stem and branch names of a sexagenary index.
inline std::u16string canChiName(int index) {
    const CanChi c = canChiOf(index);
    return std::u16string(g_sCan[c.can]) + u" " + std::u16string(g_sChi[c.chi]);
}

// The sexagenary index of a Gregorian year's lunar year (1984 is Giáp Tý).
inline int yearCanChiIndex(int year) {
    return canChiOf(year + 56).index;
}

} // namespace velmora
