// The composition of every weather icon code, following the feed's published code meanings.
#include "tools/velmora-art/src/WeatherTable.h"

#include <array>

namespace velmora::art {
namespace {

// Codes that share a meaning share a picture: 38 and 39 (scattered thunderstorms), 41 and 43
// (heavy snow). Every other code differs from all others in at least one column.
constexpr std::array<WeatherPicture, weatherCodeCount> table{{
    // {code, sky, cover, fall, bolts, sign}, // meaning in the feed
    {1, Sky::None, Cover::None, Fall::None, 0, Sign::TropicalStorm},    // tropical storm
    {2, Sky::None, Cover::None, Fall::None, 0, Sign::Hurricane},        // hurricane
    {3, Sky::None, Cover::Dark, Fall::HeavyShowers, 2, Sign::None},     // severe thunderstorms
    {4, Sky::None, Cover::Dark, Fall::Showers, 1, Sign::None},          // thunderstorms
    {5, Sky::None, Cover::Grey, Fall::RainAndSnow, 0, Sign::None},      // mixed rain and snow
    {6, Sky::None, Cover::Grey, Fall::RainAndSleet, 0, Sign::None},     // mixed rain and sleet
    {7, Sky::None, Cover::Grey, Fall::SnowAndSleet, 0, Sign::None},     // mixed snow and sleet
    {8, Sky::None, Cover::Grey, Fall::FreezingDrizzle, 0, Sign::None},  // freezing drizzle
    {9, Sky::None, Cover::White, Fall::Drizzle, 0, Sign::None},         // drizzle
    {10, Sky::None, Cover::Grey, Fall::FreezingRain, 0, Sign::None},    // freezing rain
    {11, Sky::None, Cover::Grey, Fall::Showers, 0, Sign::None},         // showers
    {12, Sky::None, Cover::Grey, Fall::HeavyShowers, 0, Sign::None},    // showers (heavier)
    {13, Sky::None, Cover::White, Fall::Flurries, 0, Sign::None},       // snow flurries
    {14, Sky::None, Cover::White, Fall::LightSnow, 0, Sign::None},      // light snow showers
    {15, Sky::None, Cover::None, Fall::LightSnow, 0, Sign::Wind},       // blowing snow
    {16, Sky::None, Cover::Grey, Fall::Snow, 0, Sign::None},            // snow
    {17, Sky::None, Cover::Grey, Fall::Hail, 0, Sign::None},            // hail
    {18, Sky::None, Cover::Grey, Fall::Sleet, 0, Sign::None},           // sleet
    {19, Sky::None, Cover::None, Fall::None, 0, Sign::Dust},            // dust
    {20, Sky::None, Cover::White, Fall::None, 0, Sign::Fog},            // foggy
    {21, Sky::Sun, Cover::None, Fall::None, 0, Sign::Haze},             // haze
    {22, Sky::None, Cover::None, Fall::None, 0, Sign::Smoke},           // smoky
    {23, Sky::None, Cover::White, Fall::None, 0, Sign::Wind},           // blustery
    {24, Sky::None, Cover::None, Fall::None, 0, Sign::Wind},            // windy
    {25, Sky::None, Cover::None, Fall::None, 0, Sign::Cold},            // cold
    {26, Sky::None, Cover::Overcast, Fall::None, 0, Sign::None},        // cloudy
    {27, Sky::MoonBehind, Cover::White, Fall::None, 0, Sign::None},     // mostly cloudy (night)
    {28, Sky::SunBehind, Cover::White, Fall::None, 0, Sign::None},      // mostly cloudy (day)
    {29, Sky::Moon, Cover::Small, Fall::None, 0, Sign::None},           // partly cloudy (night)
    {30, Sky::Sun, Cover::Small, Fall::None, 0, Sign::None},            // partly cloudy (day)
    {31, Sky::MoonAndStars, Cover::None, Fall::None, 0, Sign::None},    // clear (night)
    {32, Sky::Sun, Cover::None, Fall::None, 0, Sign::None},             // sunny
    {33, Sky::Moon, Cover::Wisp, Fall::None, 0, Sign::None},            // fair (night)
    {34, Sky::Sun, Cover::Wisp, Fall::None, 0, Sign::None},             // fair (day)
    {35, Sky::None, Cover::Grey, Fall::RainAndHail, 0, Sign::None},     // mixed rain and hail
    {36, Sky::Sun, Cover::None, Fall::None, 0, Sign::Hot},              // hot
    {37, Sky::SunBehind, Cover::Grey, Fall::None, 1, Sign::None},       // isolated thunderstorms
    {38, Sky::SunBehind, Cover::Dark, Fall::Showers, 1, Sign::None},    // scattered thunderstorms
    {39, Sky::SunBehind, Cover::Dark, Fall::Showers, 1, Sign::None},    // scattered thunderstorms
    {40, Sky::SunBehind, Cover::Grey, Fall::Showers, 0, Sign::None},    // scattered showers
    {41, Sky::None, Cover::Dark, Fall::HeavySnow, 0, Sign::None},       // heavy snow
    {42, Sky::SunBehind, Cover::White, Fall::LightSnow, 0, Sign::None}, // scattered snow showers
    {43, Sky::None, Cover::Dark, Fall::HeavySnow, 0, Sign::None},       // heavy snow
    {44, Sky::None, Cover::Unknown, Fall::None, 0, Sign::Question},     // not available
    {45, Sky::None, Cover::Grey, Fall::Showers, 1, Sign::None},         // thundershowers
    {46, Sky::None, Cover::White, Fall::Snow, 0, Sign::None},           // snow showers
    {47, Sky::SunBehind, Cover::Grey, Fall::Showers, 1, Sign::None},    // isolated thundershowers
}};

} // namespace

std::span<const WeatherPicture> weatherPictures() {
    return table;
}

const WeatherPicture& weatherPicture(int code) {
    if (code < 1 || code > weatherCodeCount) code = notAvailableCode;
    return table[static_cast<std::size_t>(code - 1)];
}

} // namespace velmora::art
