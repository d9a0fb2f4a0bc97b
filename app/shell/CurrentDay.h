// The day the program shows (CurrentDay), its sun and moon times, and whether it follows the clock.
#pragma once

#include "VelmoraLib.h"
#include "app/shell/RiseSetTimes.h"

namespace velmora::app {

struct CurrentDay {
    LICHVELMORA record{};
    RiseSetTimes riseSet;
    // Tracks the device clock minute by minute until a value is picked from a list.
    bool followClock = true;

    // Sets date and time from the device's local time and converts the record afresh
    // (zone +7), with the sun and moon times of that date.
    void setToLocalTime(const SYSTEMTIME& now);
    // Recomputes the sun and moon times for the record's solar date.
    void refreshRiseSet();
};

} // namespace velmora::app
