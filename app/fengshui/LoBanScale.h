// The Lỗ Ban scale's rules beside its widget: where the millimetres, the two ruler lines and the
// marks go for a length, and the scale drawn off-screen.
#pragma once

#include "suite/fengshui/LoBanRuler.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

namespace velmora::app {

struct LoBanScaleGeometry {
    int millimetre = 3; // pixels per millimetre: trunc((dpi + 16) x 3 / 96)
    int top = 0;        // y of the scale's first millimetre
    int leftLine = 0;   // x of the 429.3-mm ruler's line
    int rightLine = 0;  // x of the 387.5-mm ruler's line
    int width = 0, height = 0;
    std::int64_t start = 0; // the millimetre at the top

    // y of a length in mm (rounded to the pixel).
    int y(double mm) const;
    // The room between the lines where each ruler writes its marks.
    QRect leftTextColumn() const;
    QRect rightTextColumn() const;
    // How far above the top (in mm) a mark may start and still be drawn: 10 units.
    double markAllowance() const;
};

// The scale for a typed length in a canvas of the given width at the screen's dpi; the height
// leaves room for the first and the last mark's text.
LoBanScaleGeometry loBanScaleGeometry(int width, double length, int dpi);

// A mark's text on one line when it fits the column, else the section above "(subsection)".
QString loBanMarkText(const fengshui::LoBanMark& mark, int columnWidth, int fontPixelHeight);

// Both rulers' marks for the length, with the rectangle each text goes in (within the canvas).
struct PlacedMark {
    fengshui::LoBanMark mark;
    bool leftRuler = true;
    int tickY = 0;
    QRect textBox;
    QString text;
};
std::vector<PlacedMark> placeLoBanMarks(const LoBanScaleGeometry& g, double length);

// The scale on white: millimetre ticks on both lines (every fifth twice as long), numbers every
// ten, and the marks: auspicious sections in red (0x0000FF), others in black.
QImage renderLoBanScale(const LoBanScaleGeometry& g, double length);

int loBanFontHeight();

} // namespace velmora::app
