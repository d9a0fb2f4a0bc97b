// The device's own local time: host UTC plus the device zone plus the offset that setting it
// stored.
#pragma once

#include "VelmoraLib.h"
#include <QDateTime>
#include <optional>

namespace velmora::device {

// The device's local wall clock, carried as a UTC QDateTime whose fields are the device's fields.
// VELMORA_NOW=YYYY-MM-DDTHH:MM[:SS] freezes it.
QDateTime localNow();
// The same as SYSTEMTIME (wDayOfWeek 0 = Sunday).
SYSTEMTIME localSystemTime();
// Sets the device's local time to the wall-clock fields of deviceLocal by storing an offset that
// every program of the device reads; false when the clock is frozen or the offset cannot be stored.
bool setLocalTime(const QDateTime& deviceLocal);
// Sets the device clock to a UTC instant, as the device's SetSystemTime does: its local time
// becomes that instant in the device zone. False as setLocalTime is.
bool setSystemTime(const QDateTime& utc);
// The device zone in hours east of UTC, +7 unless setZoneHours chose another.
int zoneHours();
// Stores the device zone (-12..+14); false outside that range or when it cannot be stored.
bool setZoneHours(int hours);

// The frozen time VELMORA_NOW names, if it is set and well formed.
std::optional<QDateTime> frozenNow();

} // namespace velmora::device
