// What the personal tools keep for the whole process: the biorhythm settings record and the
// number of the city the weather window shows.
#pragma once

#include "app/tools/BiorhythmSettings.h"

#include <cstdint>

namespace velmora::app {

struct PersonalToolState {
    BiorhythmSettings biorhythm{}; // all zero until the biorhythm window first reads its file
    uint32_t weatherCity = 0;      // "ThanhPho" as the weather window last read or chose it
};

} // namespace velmora::app
