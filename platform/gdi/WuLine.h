// Xiaolin Wu's anti-aliased line, used for the analog clock's hands.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>

namespace velmora::gdi {

// Integer coordinates are pixel centres. Each touched pixel is blended over what is there with
// the line's coverage of it; the endpoints are weighted by their horizontal (or vertical) gap.
void drawWuLine(QImage& image, QPointF a, QPointF b, const QColor& color);

} // namespace velmora::gdi
