// Painting the four-pillars chart: three bands of framed columns (the four pillars, four luck
// periods, ten yearly pillars), each column a stack of stem, branch, ten god, stage, sound and
// hidden stems.
#pragma once

#include "suite/charts/FourPillars.h"

#include <QColor>
#include <QPainter>
#include <QSize>
#include <QString>
#include <vector>

namespace velmora::app {

// One line of a column: its text and colour. A hidden-stems line splits into three parts.
struct ColumnLine {
    QString text;
    QColor colour;
    bool bold = false;
    std::vector<ColumnLine> parts; // three sub-columns, for the hidden stems
    QString longText;              // drawn instead of text where it fits
};

// The lines of each kind of column.
std::vector<ColumnLine> pillarColumn(const charts::PillarSet& set, int pillar);
std::vector<ColumnLine> luckColumn(const charts::PillarSet& set, int column);
std::vector<ColumnLine> yearColumn(const charts::PillarSet& set, int column);

// The luck column (0..3) a tap selects, or -1 outside the middle band.
int luckColumnAt(int x, int y, int width, int height);

// Paints the client; without birth data (set.day.nNam == 0) a hint instead of the bands.
void paintFourPillars(QPainter& painter, QSize size, const charts::PillarSet& set);

} // namespace velmora::app
