// Sun and moon rise and set of a day at the home location.
#pragma once

namespace velmora::app {

// Local clock hours; -1.0 for an event that does not happen that day.
struct RiseSetTimes {
    double sunRise = -1.0, sunSet = -1.0, moonRise = -1.0, moonSet = -1.0;
};

RiseSetTimes riseSetAtHome(int day, int month, int year);

} // namespace velmora::app
