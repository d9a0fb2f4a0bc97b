// The weather-code table: each row says which of the item's icons stands for the API's code.
#include "tools/velmora-weatherd/src/WeatherCodes.h"

#include <array>

namespace velmora::weatherd {
namespace {

// Rule: the API reports WMO present-weather codes (0 clear sky; 1-3 cloud amount; 45/48 fog;
// 51-57 drizzle; 61-67 rain; 71-77 snow; 80-86 showers; 95-99 thunderstorm). Each is drawn with
// the item's icon whose meaning in the feed is closest; only the cloud-amount codes have night
// icons of their own (a moon instead of a sun).
constexpr std::array<WeatherCodeRow, 28> kRows{{
    {0, 32, 31, u"Trời quang"},          // clear sky: sunny / clear night
    {1, 34, 33, u"Ít mây"},              // mainly clear: fair by day / by night
    {2, 30, 29, u"Mây rải rác"},         // partly cloudy: day / night
    {3, 26, 26, u"Nhiều mây"},           // overcast: cloudy
    {45, 20, 20, u"Sương mù"},           // fog: foggy
    {48, 20, 20, u"Sương mù đóng băng"}, // depositing rime fog: foggy
    {51, 9, 9, u"Mưa phùn nhẹ"},         // light drizzle: drizzle
    {53, 9, 9, u"Mưa phùn"},             // moderate drizzle: drizzle
    {55, 9, 9, u"Mưa phùn dày"},         // dense drizzle: drizzle
    {56, 8, 8, u"Mưa phùn băng nhẹ"},    // light freezing drizzle: freezing drizzle
    {57, 8, 8, u"Mưa phùn băng"},        // dense freezing drizzle: freezing drizzle
    {61, 11, 11, u"Mưa nhỏ"},            // slight rain: showers
    {63, 11, 11, u"Mưa vừa"},            // moderate rain: showers
    {65, 12, 12, u"Mưa to"},             // heavy rain: the heavier showers
    {66, 10, 10, u"Mưa băng nhẹ"},       // light freezing rain: freezing rain
    {67, 10, 10, u"Mưa băng"},           // heavy freezing rain: freezing rain
    {71, 14, 14, u"Tuyết rơi nhẹ"},      // slight snow fall: light snow showers
    {73, 16, 16, u"Tuyết rơi"},          // moderate snow fall: snow
    {75, 41, 41, u"Tuyết rơi dày"},      // heavy snow fall: heavy snow
    {77, 13, 13, u"Hạt tuyết"},          // snow grains: snow flurries
    {80, 40, 11, u"Mưa rào nhẹ"},        // slight rain showers: scattered showers (no sun at night)
    {81, 11, 11, u"Mưa rào"},            // moderate rain showers: showers
    {82, 12, 12, u"Mưa rào rất to"},     // violent rain showers: the heavier showers
    {85, 42, 14, u"Mưa tuyết nhẹ"},      // slight snow showers: scattered snow showers
    {86, 46, 46, u"Mưa tuyết"},          // heavy snow showers: snow showers
    {95, 4, 4, u"Dông"},                 // thunderstorm: thunderstorms
    {96, 3, 3, u"Dông kèm mưa đá nhỏ"},  // thunderstorm with slight hail: severe thunderstorms
    {99, 3, 3, u"Dông kèm mưa đá to"},   // thunderstorm with heavy hail: severe thunderstorms
}};

const WeatherCodeRow* find(int wmo) {
    for (const WeatherCodeRow& row : kRows)
        if (row.wmo == wmo) return &row;
    return nullptr;
}

} // namespace

std::span<const WeatherCodeRow> weatherCodeRows() {
    return kRows;
}

int iconFor(int wmo, bool isDay) {
    const WeatherCodeRow* row = find(wmo);
    if (!row) return kNotAvailableIcon;
    return isDay ? row->dayIcon : row->nightIcon;
}

const char16_t* descriptionFor(int wmo) {
    const WeatherCodeRow* row = find(wmo);
    return row ? row->text : u"Không có số liệu";
}

} // namespace velmora::weatherd
