// The observer of every sun and moon time of the program: Hà Nội, zone +7.
#pragma once

namespace velmora::app {

inline constexpr double kHomeLatitude = 21.3;
inline constexpr double kHomeLongitude = 105.85;
inline constexpr int kHomeZone = 7;

} // namespace velmora::app
