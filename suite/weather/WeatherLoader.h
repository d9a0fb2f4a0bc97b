// Building a city's WeatherView and today's hourly array from the stored forecast.
#pragma once

#include "suite/weather/WeatherView.h"

#include "platform/registry/RegistryKey.h"
#include <optional>

namespace velmora::weather {

// The subkey of the city whose "CSD" equals sequenceNumber (below 10000), first in creation order.
// A subkey whose "CSD" cannot be read as a DWORD is never taken.
std::optional<registry::RegistryKey> findCityKey(uint32_t sequenceNumber);

// Fills view for the city shown as sequenceNumber; false, with view all zero, when there is none.
// now is the device's local time (callers pass device::localSystemTime()). The device's loader
// also repainted a window; here the caller repaints once this returns.
bool LoadWeatherView(WeatherView& view, uint32_t sequenceNumber, const SYSTEMTIME& now);

// Fills today's eight hourly slots (0 h, 3 h, ..., 21 h) of that city; missing ones stay zero.
// As above, now is the device's local time and the caller repaints.
bool LoadHourlyWeather(HourlyWeather& hourly, uint32_t sequenceNumber, const SYSTEMTIME& now);

} // namespace velmora::weather
