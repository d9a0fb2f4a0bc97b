// The feng-shui windows' pictures, compiled into the program: the nine stars (bitmaps 170..178)
// and the sixty-cycle list's element icons (bitmap 179).
#pragma once

#include <QImage>

namespace velmora::app {

// Bitmap 170 + picture for a picture number 0..8; a null image otherwise.
QImage nineStarPicture(int picture);

// The strip of 16-pixel icons of the sixty-cycle list.
QImage elementIconStrip();

} // namespace velmora::app
