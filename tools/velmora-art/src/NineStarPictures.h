// The nine stars' pictures (bitmaps 170..178) and the sixty-cycle list's element icons (bitmap
// 179).
#pragma once

#include <QImage>

namespace velmora::art {

// Pictures are drawn at 150 x 200, the nine-star window's 75 x 100 area at 192 dpi.
inline constexpr int starPictureWidth = 150;
inline constexpr int starPictureHeight = 200;
inline constexpr int starPictureCount = 9;
inline constexpr int firstStarBitmap = 170;

// Picture n: 0 La Hầu, 1 Thổ Tú, 2 Thủy Diệu, 3 Thái Bạch, 4 Thái Dương, 5 Vân Hớn, 6 Kế Đô,
// 7 Thái Âm, 8 Mộc Đức.
QImage starPicture(int n);

// Five 16 x 16 icons side by side, the elements in generating order (Thủy, Mộc, Hỏa, Thổ, Kim),
// on the white transparent key; nothing inside them is pure white.
inline constexpr int elementIconSize = 16;
inline constexpr int elementIconCount = 5;
inline constexpr int elementStripBitmap = 179;
QImage elementIconStrip();

} // namespace velmora::art
