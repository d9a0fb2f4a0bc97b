// Rewrites loosely written HTML into the well-nested, legible form Qt's rich-text parser shows as a
// browser would: re-nested formatting, "a = b" attributes, bare hex colours, dpi-scaled font sizes.
#pragma once

#include <QString>

namespace velmora::html {

// Pixel size, at the given dpi, for <font size=N> (1..7; outside is clamped). Size 1 stays legible.
int fontPixelSize(int htmlSize, int dpi);

// dpi: the screen profile's dpi, for font sizes.
QString normalizeHtml(const QString& html, int dpi);

} // namespace velmora::html
