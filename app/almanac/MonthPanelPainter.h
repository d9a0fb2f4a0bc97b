// Painting the almanac's month panel: the grid of solar and lunar days, labels and lunar boxes.
#pragma once

#include "app/almanac/AlmanacGrid.h"

#include <QFont>
#include <QPainter>
#include <QSize>

namespace velmora::app {

struct MonthPanelScene {
    const LICHVELMORA* day = nullptr; // a copy of CurrentDay
    AlmanacGridState state;           // field and cursor (already following the day in mode 2)
    ScreenOrientation orientation = velmora::screen::Portrait;
    SystemColours colours = kSystemColours;
};

// The font, made smaller a pixel at a time (to no less than 3/4 of its size), that draws the
// text within room pixels: the longest lunar month labels ("Tháng 11n (đ)") overrun a box.
QFont fontToFit(const QFont& font, const QString& text, int room);

void paintMonthPanel(QPainter& painter, QSize size, const MonthPanelScene& scene);

} // namespace velmora::app
