// Writing the stored forecast: a city's subkey, its slots and update time, the city shown.
#pragma once

#include "suite/weather/WeatherSlot.h"

#include "VelmoraLib.h"
#include <optional>

namespace velmora::weather {

// Creates or updates the subkey of table row cityIndex with "TEN", "MTT", "STT" and "CSD"
// (csd 10000 for an unchecked city). False for an index outside the table or a registry failure.
bool storeCity(int cityIndex, const QString& name, const QString& code, uint32_t stt, uint32_t csd);
// Stores slot under valueName (e.g. hourValueName(...)) in the city's subkey, creating it if
// needed.
bool storeSlot(int cityIndex, const QString& valueName, const WeatherSlot& slot);
// Stores "GioCapNhat", the local time of the last successful store.
bool storeUpdateTime(int cityIndex, const SYSTEMTIME& time);

// "ThanhPho": the sequence number of the city both programs show.
bool setShownCity(uint32_t csd);
// nullopt when "ThanhPho" is missing or not a DWORD.
std::optional<uint32_t> shownCity();

} // namespace velmora::weather
