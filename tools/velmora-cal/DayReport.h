// The day as text: what the day page shows, for a terminal.
#pragma once

#include "VelmoraLib.h"

#include <string>

namespace velmora::cal {

// Hà Nội, the observer of every rise and set time.
inline constexpr double kHomeLatitude = 21.3;
inline constexpr double kHomeLongitude = 105.85;
inline constexpr int kHomeZone = 7;

// A fresh record of a local date and time in zone +7.
LICHVELMORA convertDay(int year, int month, int day, int hour, int minute);

// "tháng 5 nhuận (thiếu, 29 ngày)"-style description of the record's lunar month.
std::string lunarMonthText(const LICHVELMORA& rec);

std::string dayReport(const LICHVELMORA& rec);

std::string riseSetReport(int year, int month, int day, double latitude, double longitude,
                          int zone);

} // namespace velmora::cal
