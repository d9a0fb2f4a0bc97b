// Layout, texts and drawing of the eight-mansions chart.
#include "app/fengshui/HouseTrigramChart.h"

#include "app/fengshui/FengShuiControls.h"

#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"

#include <QFontMetrics>
#include <QPainter>

namespace velmora::app {

using screen::ScaleX;
using screen::ScaleY;
using namespace fengshui;

namespace {

// Grid column and row of each cell, clockwise from the top middle, the centre last.
constexpr std::array<QPoint, 9> kCellGrid{QPoint(1, 0), QPoint(2, 0), QPoint(2, 1),
                                          QPoint(2, 2), QPoint(1, 2), QPoint(0, 2),
                                          QPoint(0, 1), QPoint(0, 0), QPoint(1, 1)};

const QColor kFrame(0xA0, 0xA0, 0xA0);
const QColor kAuspicious(0xC0, 0, 0);

// Room kept free inside a cell round its text.
int cellPadding() {
    return ScaleX(2);
}

} // namespace

HouseTrigramLayout houseTrigramLayout(QSize client, screen::ScreenOrientation orientation,
                                      int rowHeight) {
    HouseTrigramLayout l;
    const int margin = ScaleX(4), gap = ScaleY(3);
    const int labelWidth = ScaleX(58);
    if (orientation == screen::Landscape) {
        const int side = std::min(client.height(), client.width() - ScaleX(100));
        l.chart = QRect(0, 0, side, side);
        const int x = side + ScaleX(6), width = client.width() - x - margin;
        int y = margin;
        const auto next = [&](QRect& r) {
            r = QRect(x, y, width, rowHeight);
            y += rowHeight + gap;
        };
        next(l.birthLabel);
        next(l.birth);
        next(l.male);
        y += gap;
        next(l.facingLabel);
        next(l.facing);
        return l;
    }
    if (orientation == screen::Square) {
        // No room for two rows above a legible chart: the three fields share one row, without
        // their labels.
        const int y = margin, gapX = ScaleX(4);
        l.birth = QRect(margin, y, ScaleX(88), rowHeight);
        l.male = QRect(l.birth.right() + 1 + gapX, y, ScaleX(46), rowHeight);
        l.facing = QRect(l.male.right() + 1 + gapX, y,
                         client.width() - l.male.right() - 1 - gapX - margin, rowHeight);
        const int top = y + rowHeight + margin;
        const int side = std::max(0, std::min(client.width(), client.height() - top));
        l.chart = QRect((client.width() - side) / 2, top, side, side);
        return l;
    }
    const int fieldX = margin + labelWidth;
    int y = margin;
    l.birthLabel = QRect(margin, y, labelWidth, rowHeight);
    l.birth = QRect(fieldX, y, ScaleX(92), rowHeight);
    l.male = QRect(l.birth.right() + ScaleX(8), y,
                   client.width() - l.birth.right() - ScaleX(8) - margin, rowHeight);
    y += rowHeight + gap;
    l.facingLabel = QRect(margin, y, labelWidth, rowHeight);
    l.facing = QRect(fieldX, y, client.width() - fieldX - margin, rowHeight);
    y += rowHeight + margin;
    const int side = std::max(0, std::min(client.width(), client.height() - y));
    l.chart = QRect((client.width() - side) / 2, y, side, side);
    return l;
}

QRect chartCellRect(const QRect& chart, int cell) {
    const QPoint grid = kCellGrid[std::size_t(cell)];
    // Edges from the chart's thirds, so the nine cells tile the square exactly.
    const auto edge = [](int from, int length, int k) { return from + length * k / 3; };
    const int left = edge(chart.left(), chart.width(), grid.x());
    const int right = edge(chart.left(), chart.width(), grid.x() + 1);
    const int top = edge(chart.top(), chart.height(), grid.y());
    const int bottom = edge(chart.top(), chart.height(), grid.y() + 1);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QStringList chartCellLines(const HouseReading& reading, int cell) {
    if (cell == kChartCentre)
        return {
            QStringLiteral("Mệnh: ") + fromU16(kChartTrigramNames[std::size_t(reading.nMenh)]),
            QStringLiteral("Hướng: ") + fromU16(kChartTrigramNames[std::size_t(reading.nHuong)]),
            QStringLiteral("Trạch: ") + fromU16(kChartTrigramNames[std::size_t(reading.nTrach)])};
    const int d = chartCellDirection(reading.nHuong, cell);
    return {fromU16(kChartTrigramNames[std::size_t(d)]), fromU16(kDirectionNames[std::size_t(d)]),
            fromU16(kMansionStarNames[std::size_t(mansionStar(reading.nMenh, d))]),
            fromU16(kMansionStarNames[std::size_t(mansionStar(reading.nTrach, d))])};
}

QFont houseChartFont(int pixelHeight, bool bold) {
    return gdi::makeFont(QStringLiteral("Tahoma"), -pixelHeight, bold ? 700 : 400);
}

int houseChartFontHeight(const QRect& chart, const HouseReading& reading) {
    const QRect cell = chartCellRect(chart, 0);
    const int room = cell.width() - 2 * cellPadding();
    for (int height = ScaleY(11); height > 5; --height) {
        const QFontMetrics plain(houseChartFont(height, false)), bold(houseChartFont(height, true));
        if (4 * gdi::lineHeight(bold) > cell.height() - 2 * cellPadding()) continue;
        bool fits = true;
        for (int c = 0; c <= kChartCentre && fits; ++c) {
            const QStringList lines = chartCellLines(reading, c);
            for (int i = 0; i < lines.size() && fits; ++i) {
                const QFontMetrics& fm = (i == 0 && c != kChartCentre) ? bold : plain;
                fits = fm.horizontalAdvance(lines[i]) <= room;
            }
        }
        if (fits) return height;
    }
    return 6;
}

QImage renderHouseChart(QSize size, const QRect& chart, const HouseReading& reading,
                        const QColor& background) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    if (chart.width() < 9) return image;
    QPainter p(&image);
    const int height = houseChartFontHeight(chart, reading);
    const QFont plain = houseChartFont(height, false), bold = houseChartFont(height, true);
    for (int c = 0; c <= kChartCentre; ++c) {
        const QRect cell = chartCellRect(chart, c);
        p.fillRect(cell, Qt::white);
        p.setPen(kFrame);
        p.setBrush(Qt::NoBrush);
        p.drawRect(cell.adjusted(0, 0, -1, -1));
        const QStringList lines = chartCellLines(reading, c);
        // The lines stand together in the middle of the cell.
        const int lineH = gdi::lineHeight(QFontMetrics(bold));
        int y = cell.top() + (cell.height() - lineH * int(lines.size())) / 2;
        for (int i = 0; i < lines.size(); ++i) {
            const bool title = i == 0 && c != kChartCentre;
            p.setFont(title ? bold : plain);
            p.setPen(!title && lines[i].startsWith(QLatin1Char('+')) ? kAuspicious
                                                                     : QColor(Qt::black));
            gdi::drawText(p, QRect(cell.left(), y, cell.width(), lineH), lines[i],
                          gdi::DT_CENTER | gdi::DT_SINGLELINE | gdi::DT_VCENTER);
            y += lineH;
        }
    }
    return image;
}

} // namespace velmora::app
