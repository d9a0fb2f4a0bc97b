// Weather icons: a code's composition drawn into a large (240 x 140) or small (48 x 48) image.
#pragma once

#include "tools/velmora-art/src/WeatherTable.h"

#include <QImage>
#include <QPainter>

namespace velmora::art {

enum class IconSize { Large, Small };

// 120 x 70 and 24 x 24 units at 192 dpi.
QSize iconPixels(IconSize size);

// The icon of `code` on a transparent background (codes outside 1 to 47 give "not available").
QImage weatherIcon(int code, IconSize size);

} // namespace velmora::art
