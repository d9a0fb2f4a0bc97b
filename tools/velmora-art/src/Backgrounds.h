// Calendar-leaf backgrounds of the day page: light paper with a faint border, cloud curls and
// lotus.
#pragma once

#include <QImage>

namespace velmora::art {

// Landscape 640 x 480, portrait 480 x 640 and square 480 x 480 (the largest screens).
QImage leafBackground(QSize size);

} // namespace velmora::art
