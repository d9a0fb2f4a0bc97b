// The small weather panel of the day page on tall portrait screens.
#pragma once

#include "suite/weather/WeatherView.h"

#include <QPainter>
#include <QString>

namespace velmora::app {

// Shown when a temperature pair is missing.
inline constexpr char16_t kNoTemperaturePair[] = u"--°C/--°C";

// The large icon's device path: "<folder>\Images\wl%02d.png", wl44 when there is no icon.
QString largeWeatherIcon(const QString& programFolder, int icon);

void paintWeatherPanel(QPainter& painter, const velmora::weather::WeatherView& view,
                       const QString& programFolder);

} // namespace velmora::app
