// Drawing the biorhythm chart: strip, grid, zero line and view-day marker, the shown cycles with
// their legend, the axes and the date labels.
#pragma once

#include "app/tools/BiorhythmChart.h"

#include <QPainter>

namespace velmora::app {

struct BiorhythmScene {
    const BiorhythmSettings* settings = nullptr;
    ChartDays days;
    QDate spanStart;
    screen::ScreenOrientation orientation = screen::Portrait;
};

// Paints the chart over the whole client area (device pixels).
void paintBiorhythm(QPainter& painter, QSize client, const BiorhythmScene& scene);

} // namespace velmora::app
