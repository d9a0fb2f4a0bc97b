// Finding the solar date of a lunar date, with the reasons a lunar date may not exist.
#pragma once

#include "VelmoraLib.h"

#include <string>

namespace velmora::cal {

struct LunarLookup {
    bool found = false;
    std::string error; // Vietnamese, when not found
    LICHVELMORA day{}; // the converted day, when found
};

// Day `day` of lunar month `month` (its leap repeat when `leap`) of lunar year
// `year` (the year whose lunar new year falls in solar year `year`), zone +7.
LunarLookup solarOfLunar(int day, int month, int year, bool leap);

} // namespace velmora::cal
