// The day page's 16 x 16 bitmaps (moon 131, sun 132, solar term 133), keyed transparent on white.
#pragma once

#include <QImage>

namespace velmora::art {

// Pure white is the transparent key: the background is pure white and no drawn pixel is.
inline constexpr QRgb bitmapKey = 0xFFFFFFu;

QImage moonBitmap();      // 131
QImage sunBitmap();       // 132
QImage solarTermBitmap(); // 133: the sun on the horizon

} // namespace velmora::art
