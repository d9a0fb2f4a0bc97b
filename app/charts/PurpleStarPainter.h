// Painting the purple-star chart: twelve palace cells around the centre, and the Tuần and Triệt
// labels on the inner edge of the ring.
#pragma once

#include "app/charts/PurpleStarRules.h"
#include "suite/charts/PurpleStarChart.h"

#include <QPainter>
#include <QSize>

namespace velmora::app {

// The label texts and the size of their boxes.
inline constexpr char16_t kTuanLabel[] = u"Tuần";
inline constexpr char16_t kTrietLabel[] = u"Triệt";
inline constexpr char16_t kTuanTrietLabel[] = u"Tuần-Triệt";
// Height of a label box, and the strip above and below the viewer that holds the labels.
int labelBoxHeight();
int labelStripHeight();

// The label boxes of a chart: one box (text, place) per pair, one for both when they coincide.
struct ChartLabel {
    QString text;
    QRect box;
};
std::vector<ChartLabel> chartLabels(const charts::PurpleStarChart& chart, QSize size);

// What a cell shows, as painted: the palace name (long or short), the main stars' names.
struct PalaceCellTexts {
    QString name;
    bool body = false;
    QStringList mainStars;
    QString decade;
    QString smallLimit;
};
PalaceCellTexts palaceCellTexts(const charts::PurpleStarChart& chart, int position, QSize cell);

// Paints the whole client: white, the twelve cells, the labels. A chart not yet computed shows
// the ring with the branch names only.
void paintPurpleStarChart(QPainter& painter, QSize size, const charts::PurpleStarChart& chart);

} // namespace velmora::app
