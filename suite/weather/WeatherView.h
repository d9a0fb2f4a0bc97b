// The in-memory forecast of one city (1544 bytes) and the hourly array of today (8 slots).
#pragma once

#include "suite/weather/WeatherSlot.h"

#include "VelmoraLib.h"
#include <array>

namespace velmora::weather {

inline constexpr int kViewNameWidth = 50; // characters, terminator included
inline constexpr int kForecastDays = 10;  // today and the nine following days

struct WeatherView {
    char16_t name[kViewNameWidth];        // city name, terminated
    SYSTEMTIME updated;                   // local time of the last store ("GioCapNhat")
    WeatherSlot current;                  // the present conditions
    WeatherSlot morning[kForecastDays];   // "SA" of today + j
    WeatherSlot afternoon[kForecastDays]; // "CH" of today + j
};

static_assert(std::is_standard_layout_v<WeatherView> && std::is_trivially_copyable_v<WeatherView>);
static_assert(sizeof(WeatherView) == 1544);
static_assert(offsetof(WeatherView, updated) == 100 && offsetof(WeatherView, current) == 116 &&
              offsetof(WeatherView, morning) == 184 && offsetof(WeatherView, afternoon) == 864);

// Today at 0 h, 3 h, ..., 21 h: slot h / 3.
inline constexpr int kHourlySlots = 8;
using HourlyWeather = std::array<WeatherSlot, kHourlySlots>;
static_assert(sizeof(HourlyWeather) == 544);

// The name as text, never reading past its width.
QString nameOf(const WeatherView& view);

} // namespace velmora::weather
