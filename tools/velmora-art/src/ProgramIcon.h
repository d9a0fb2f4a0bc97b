// The program's icon: a red-topped calendar leaf with a crescent moon, on a transparent background.
#pragma once

#include <QImage>

namespace velmora::art {

// Square icon of `side` pixels (64 and 32 are shipped).
QImage programIcon(int side);

} // namespace velmora::art
