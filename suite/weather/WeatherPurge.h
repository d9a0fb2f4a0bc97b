// Deleting the stored slots of days before today from a city's subkey.
#pragma once

#include "VelmoraLib.h"

#include <QString>

namespace velmora::weather {

// Deletes, from the city subkey `cityKey` (e.g. "005") of the weather key, every value whose name
// is not empty and sorts before today's date "YYYYMMDD" (today: the device's local date). Names
// that begin with a letter ("CSD", "MTT", "HienTai", ...) sort after any date and stay, as do the
// slots of today and later. Returns the number of values deleted, or -1 when the subkey cannot be
// opened.
int PurgeWeatherSlots(const QString& cityKey, const SYSTEMTIME& today);

} // namespace velmora::weather
