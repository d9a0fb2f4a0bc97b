// Focus rectangles and vertical gradients as the device draws them.
#pragma once

#include "VelmoraLib.h"
#include <QPainter>
#include <QRect>

namespace velmora::gdi {

// A dotted 1-px frame on the rectangle's outermost pixels: every other pixel, starting at the
// top-left corner, is inverted, so drawing it twice restores what was there.
void drawFocusRect(QPainter& painter, const QRect& rect);

// Rows run from exactly top (first row) to exactly bottom (last row), linearly between.
void gradientFillVertical(QPainter& painter, const QRect& rect, COLORREF top, COLORREF bottom);

} // namespace velmora::gdi
