// The weather icon codes of the forecast feed (1 to 47) and what each icon is composed of.
#pragma once

#include <span>

namespace velmora::art {

// The heavenly body: alone and large, or peeking from behind a cloud.
enum class Sky { None, Sun, Moon, MoonAndStars, SunBehind, MoonBehind };

// The cloud cover. Small and Wisp sit in front of a large sun or moon; Overcast is two clouds.
enum class Cover { None, Wisp, Small, White, Grey, Dark, Overcast, Unknown };

// What falls, drawn below the cloud.
enum class Fall {
    None,
    Drizzle,         // four small drops
    FreezingDrizzle, // four small icy drops
    Showers,         // three drops
    HeavyShowers,    // five drops in two rows
    FreezingRain,    // three icy drops
    RainAndSnow,     // drops and flakes
    RainAndSleet,    // drops and ice pellets
    SnowAndSleet,    // flakes and ice pellets
    Sleet,           // four ice pellets
    Hail,            // three hailstones
    RainAndHail,     // drops and hailstones
    Flurries,        // three tiny flakes
    LightSnow,       // two flakes
    Snow,            // three flakes
    HeavySnow,       // five flakes in two rows
};

// A sign that is not sky, cloud or precipitation.
enum class Sign {
    None,
    Fog,
    Haze,
    Smoke,
    Dust,
    Wind,
    Hot,
    Cold,
    TropicalStorm,
    Hurricane,
    Question
};

struct WeatherPicture {
    int code;
    Sky sky;
    Cover cover;
    Fall fall;
    int bolts; // lightning bolts in front of the precipitation
    Sign sign;
};

// One row per code, 1 to 47 in order.
std::span<const WeatherPicture> weatherPictures();

// The row of `code`, or the "not available" row (44) for a code outside 1 to 47.
const WeatherPicture& weatherPicture(int code);

inline constexpr int weatherCodeCount = 47;
inline constexpr int notAvailableCode = 44;

} // namespace velmora::art
