// A contact sheet of the written pictures, for looking at them all at once during review.
#pragma once

#include <QImage>
#include <QString>

namespace velmora::art {

// Reads the pictures back from `outputDir` and lays them out on one image: each weather code's
// large and small icon on the day page's paper and on the weather window's blue, the bitmaps and
// program icon enlarged, and the three backgrounds scaled to half.
QImage contactSheet(const QString& outputDir);

} // namespace velmora::art
