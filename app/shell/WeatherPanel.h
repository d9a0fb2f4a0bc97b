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

// The panel's top in pixels: 348 units down when the page has room for its 87 units below that,
// otherwise raised so it ends at the page's bottom, but never onto the leaf's last row (262
// units). A screen whose page is 320 to 435 units tall (wvga: 348) would otherwise cut the panel
// off or hide it wholly below the page.
int weatherPanelTop(int clientBottom);

void paintWeatherPanel(QPainter& painter, const velmora::weather::WeatherView& view,
                       const QString& programFolder, int clientBottom);

} // namespace velmora::app
