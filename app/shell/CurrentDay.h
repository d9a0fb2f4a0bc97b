// The day the program shows (CurrentDay), its sun and moon times, and whether it follows the clock.
#pragma once

#include "VelmoraLib.h"
#include "app/shell/RiseSetTimes.h"

namespace velmora::app {

struct CurrentDay {
    LICHVELMORA record{};
    RiseSetTimes riseSet;
    // Tracks the device clock minute by minute until a day is picked (a list, the almanac's grid)
    // and again from the return to today.
    bool followClock = true;

    // Sets date and time from the device's local time and converts the record afresh
    // (zone +7), with the sun and moon times of that date. A clock reading outside 1800-2199
    // gives the nearest supported day.
    void setToLocalTime(const SYSTEMTIME& now);
    // Back to the present ("Hôm nay"): the local time, following the clock again.
    void goToNow(const SYSTEMTIME& now);
    // After a pick moved the record: a day outside 1800-2199 becomes the nearest supported day
    // (same time of day), converted afresh. True when it had to move.
    bool keepInSupportedRange();
    // Recomputes the sun and moon times for the record's solar date.
    void refreshRiseSet();
};

} // namespace velmora::app
