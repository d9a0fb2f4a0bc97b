// Reading the name of a city's weather view.
#include "suite/weather/WeatherView.h"

#include <algorithm>

namespace velmora::weather {

QString nameOf(const WeatherView& view) {
    const char16_t* end = std::find(view.name, view.name + kViewNameWidth, u'\0');
    return QString::fromUtf16(view.name, end - view.name);
}

} // namespace velmora::weather
