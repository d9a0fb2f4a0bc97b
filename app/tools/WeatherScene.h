// The weather window's rules, without a screen: every text and picture it shows for a city's
// WeatherView, with its place (96-dpi units), font and alignment, on a landscape or an upright
// screen; the wind directions' names; and the mapping between the city table and the stored
// cities.
#pragma once

#include "suite/weather/WeatherView.h"

#include "VelmoraLib.h"

#include <QRect>
#include <QString>
#include <optional>
#include <vector>

namespace velmora::app {

// The sky blue under the background picture.
inline constexpr COLORREF kWeatherBackground = 0xFF9933;
// The box a tap opens the city list in (x and y both scaled with the horizontal dpi).
inline constexpr int kCityBoxWidth = 150;
inline constexpr int kCityBoxHeight = 50;
// The city list's place.
inline constexpr QRect kCityListRect{10, 10, 100, 100};

// "Bắc" .. "Gió lặng" by the slot's wind-direction byte; empty outside 0..17.
QString windDirectionName(int index);

struct WeatherText {
    QRect box;
    QString text;
    int size;       // font height in 96-dpi pixels
    int weight;     // 400 regular, 700 bold
    unsigned flags; // DT_ alignment
};

struct WeatherPicture {
    QRect box;
    QString path; // device path
};

struct WeatherScene {
    QString background; // device path of the background picture
    std::vector<WeatherPicture> pictures;
    std::vector<WeatherText> texts;
};

// The detail lines of the current slot: five, and the visibility on a landscape screen.
std::vector<QString> weatherDetailLines(const weather::WeatherSlot& current, bool landscape);

// Everything the window draws, in drawing order.
WeatherScene weatherScene(const weather::WeatherView& view, const QString& programFolder,
                          bool landscape);

// The stored city a table position stands for: the "CSD" of the subkey named by the table index,
// when that city is one the Today item fetches (below 10000).
std::optional<uint32_t> sequenceNumberOfCity(int tableIndex);
// The table position whose subkey holds that sequence number, or -1.
int tableIndexOfSequence(uint32_t sequenceNumber);

} // namespace velmora::app
