// The Today item's frames: the half-width and full-width panel frames and the button background.
#pragma once

#include <QImage>

namespace velmora::art {

// Translucent dark panels with a light rim, so that the item's white text reads over any part
// of the Today screen's background. Sizes are the 96-dpi layout at 192 dpi (twice the units);
// the item stretches them to its rectangles.
QImage panelFrame(int widthUnits); // 120 (vlh_f1) or 240 (vlh_f2) units wide, 78 high
QImage buttonFrame();              // vlh_fb: 80 × 26 units

// The panel's fill colour (with its alpha), for the legibility test.
QColor panelFill();

} // namespace velmora::art
