// The forecast API's weather codes (WMO 4677 present-weather codes, as the API reports them)
// mapped onto the Today item's icon codes 1..47 and a short Vietnamese description.
#pragma once

#include <span>

namespace velmora::weatherd {

struct WeatherCodeRow {
    int wmo;              // the API's "weather_code"
    int dayIcon;          // the item's icon code by day
    int nightIcon;        // and by night (the API's "is_day" = 0)
    const char16_t* text; // at most 25 characters, so it is stored whole
};

// One row per code the API documents.
std::span<const WeatherCodeRow> weatherCodeRows();

// The icon code for a WMO code; 44 ("not available") for a code the API does not document or a
// missing one (wmo < 0).
int iconFor(int wmo, bool isDay);
// The description for a WMO code; "Không có số liệu" for an unknown or missing one.
const char16_t* descriptionFor(int wmo);

inline constexpr int kNotAvailableIcon = 44;

} // namespace velmora::weatherd
