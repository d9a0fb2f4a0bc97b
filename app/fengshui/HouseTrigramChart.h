// The "Bát trạch" dialog's rules beside its widgets: where the controls and the chart go, the
// chart's cells and texts, and the chart drawn off-screen.
#pragma once

#include "suite/fengshui/HouseTrigram.h"

#include "platform/screen/ScreenProfile.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>

namespace velmora::app {

struct HouseTrigramLayout {
    QRect birthLabel, birth, male, facingLabel, facing;
    QRect chart; // a square
};

// Portrait: two rows of controls over the largest square that fits below them, centred across
// the width. Square screens: one row of the three fields (the labels left out, so the chart stays
// legible) over the chart. Landscape: the chart is a square of the window's height at the left
// edge, the controls a column beside it. rowHeight is the controls' height in pixels; a label
// without room has an empty rectangle.
HouseTrigramLayout houseTrigramLayout(QSize client, screen::ScreenOrientation orientation,
                                      int rowHeight);

// The cells of the 3 x 3 chart: 0 top middle, then clockwise (1 top right ... 7 top left), 8 the
// centre.
inline constexpr int kChartCentre = 8;
QRect chartCellRect(const QRect& chart, int cell);

// The lines a cell shows: an outer cell the trigram (bold), direction, the owner's and the
// house's star of its direction; the centre "Mệnh: ...", "Hướng: ...", "Trạch: ...".
QStringList chartCellLines(const fengshui::HouseReading& reading, int cell);

// The largest "Tahoma" pixel height, up to 11 units, at which every cell's lines fit their cell.
int houseChartFontHeight(const QRect& chart, const fengshui::HouseReading& reading);
QFont houseChartFont(int pixelHeight, bool bold);

// Grey frames round white cells (0xA0A0A0), drawn into an image of the given size; outside the
// chart the image is the dialog's background.
QImage renderHouseChart(QSize size, const QRect& chart, const fengshui::HouseReading& reading,
                        const QColor& background);

} // namespace velmora::app
