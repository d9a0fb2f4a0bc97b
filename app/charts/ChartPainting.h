// Drawing helpers the chart windows share: their fonts, element colours and text fitting.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace velmora::app {

// The chart font: "Tahoma" of `height` units (scaled to the screen), normal or bold.
QFont chartFont(int height, bool bold = false);

// The colour of an element 0..4 (water black, wood green, fire red, earth orange, metal grey);
// black for anything else.
QColor elementColour(int element);

// The font, made smaller a pixel at a time down to `smallest` pixels, that draws text within
// room pixels.
QFont fitFont(const QFont& font, const QString& text, int room, int smallest);

} // namespace velmora::app
