// The reminder image strip (bitmap 156): seven 16 x 16 images on white, the transparent colour.
// Images 1 to 4 are the kinds (holiday, festival, anniversary, appointment), image 6 is the alarm
// bell; images 0 and 5 are blank.
#pragma once

#include <QImage>

namespace velmora::app {

inline constexpr int kReminderIconSize = 16;
inline constexpr int kReminderBellImage = 6;

// The strip, 112 x 16, drawn at 96 dpi; no drawn pixel is pure white.
QImage reminderImageStrip();

} // namespace velmora::app
