// The 33 Vietnamese places whose forecast can be stored, in the order the options offer them.
#pragma once

#include <array>
#include <cstdint>

namespace velmora::weather {

struct CityEntry {
    int32_t index;     // equal to the row number, 0..32; the city's subkey is its "%03d"
    char16_t code[25]; // the forecast's location code, terminated
    char16_t name[25]; // the place's name, terminated
    double lat;        // degrees north
    double lon;        // degrees east
};

inline constexpr int kCityCount = 33;

// The table; there is no row for the code number 0021.
const std::array<CityEntry, kCityCount>& cityTable();

} // namespace velmora::weather
