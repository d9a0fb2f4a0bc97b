// The biorhythm cycles shared by the biorhythm window and the Today item's personal panel: their
// names, periods and colours, and a cycle's value on a day.
#pragma once

#include "VelmoraLib.h"

#include <array>
#include <cmath>
#include <numbers>

namespace velmora::biorhythm {

struct Cycle {
    const char16_t* name; // as the legend writes it
    int period;           // days
    COLORREF colour;      // 0x00BBGGRR
};

// The six cycles in drawing order. Rule: each is a sine of fixed period counted from the day of
// birth; the first three are the classic physical (23), emotional (28) and intellectual (33)
// cycles, the others the later intuitive (38), spiritual (53) and aesthetic (43) ones.
inline constexpr std::array<Cycle, 6> kCycles{{
    {u"Năng lượng", 23, 0x00CC00},
    {u"Cảm xúc", 28, 0x0000FF},
    {u"Trí tuệ", 33, 0xFF0000},
    {u"Trực giác", 38, 0x000066},
    {u"Tâm linh", 53, 0xFF00FF},
    {u"Thẩm mỹ", 43, 0xFFFF00},
}};

// A cycle's value `days` after birth on a scale of -amplitude..amplitude, rounded half away from
// zero: round(amplitude × sin(2π days / period)). Fractional days give the curves' points.
inline int cycleValue(double days, int period, int amplitude = 50) {
    return static_cast<int>(
        RoundDouble(amplitude * std::sin(2.0 * std::numbers::pi * days / period), 0));
}

// Whole days from a birth date to a day (difference of their Julian day numbers).
inline int daysSinceBirth(const SYSTEMTIME& birth, int day, int month, int year) {
    return static_cast<int>(JD(day, month, year, 12.0)) -
           static_cast<int>(JD(birth.wDay, birth.wMonth, birth.wYear, 12.0));
}

} // namespace velmora::biorhythm
