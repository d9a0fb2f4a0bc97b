// The weather server's reply, line by line, turned into stored weather slots of one city.
#pragma once

#include "suite/weather/WeatherSlot.h"

#include "VelmoraLib.h"
#include <QString>
#include <optional>

namespace velmora::weather {

// A reply line holds at most this many characters; a longer one is skipped whole.
inline constexpr int kReplyLineLimit = 99;

// One data line "code|day|month|icon|temperature|humidity|wind direction|wind speed|visibility|
// highest|dew point|description" (spaces already stored as "_") as a slot of the year `now`
// gives: the current year, or the next one for a January line read in December. nullopt when the
// line does not scan whole, a number does not fit its byte, or the icon code is not positive once
// the reply's 44 ("not available") is taken as 0.
std::optional<WeatherSlot> parseReplyLine(const QString& line, const SYSTEMTIME& now);

// The value a slot is stored under: "HienTai" for a negative code, "%04d%02d%02d%02d" for an
// hour 0..23, "...SA" for 31..39 (morning), "...CH" for 41..49 (afternoon); empty for the codes
// that store nothing (24..30, 40, 50 and above).
QString slotValueName(const WeatherSlot& slot);

// Stores every data line of reply in the city subkey `cityKey` (e.g. "005") of the weather key,
// creating it if needed. Line 0 is a header and is ignored; a line is ended by a line feed and
// its spaces are stored as "_". When line 1 holds a slot, "GioCapNhat" = now. Returns the number
// of slots stored, or -1 when the subkey cannot be written (nothing is then left half-stored).
int StoreWeatherReply(const QString& reply, const QString& cityKey, const SYSTEMTIME& now);

} // namespace velmora::weather
