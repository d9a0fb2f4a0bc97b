// A stored weather slot for the tests that write a forecast: its date, code, icon and
// temperature, everything else zero.
#pragma once

#include "suite/weather/WeatherSlot.h"

#include <QDate>

namespace velmora::weather::test {

inline WeatherSlot slotOn(QDate date, int code, int icon, int temperature = 0) {
    WeatherSlot s{};
    s.year = date.year();
    s.month = int8_t(date.month());
    s.day = int8_t(date.day());
    s.code = int8_t(code);
    s.icon = int8_t(icon);
    s.temperature = int8_t(temperature);
    return s;
}

} // namespace velmora::weather::test
