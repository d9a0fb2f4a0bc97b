// Sun and moon rise and set of a day at the home location.
#include "app/shell/RiseSetTimes.h"

#include "VelmoraLib.h"
#include "app/shell/HomeLocation.h"

namespace velmora::app {

RiseSetTimes riseSetAtHome(int day, int month, int year) {
    RiseSetTimes t;
    GetRiseSet(day, month, year, kHomeLatitude, kHomeLongitude, kHomeZone, 1, &t.sunRise,
               &t.sunSet);
    GetRiseSet(day, month, year, kHomeLatitude, kHomeLongitude, kHomeZone, 2, &t.moonRise,
               &t.moonSet);
    return t;
}

} // namespace velmora::app
