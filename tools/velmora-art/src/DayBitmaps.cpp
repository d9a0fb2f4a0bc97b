// Draws the day page's small moon, sun and solar-term bitmaps on their white key colour.
#include "tools/velmora-art/src/DayBitmaps.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <numbers>

namespace velmora::art {
namespace {

QImage onWhite(const std::function<void(QPainter&)>& draw) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(bitmapKey));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}

void rays(QPainter& p, QPointF c, double from, double to, double firstDeg, double stepDeg,
          int count) {
    for (int i = 0; i < count; ++i) {
        const double a = (firstDeg + i * stepDeg) * std::numbers::pi / 180;
        const QPointF dir(std::cos(a), -std::sin(a));
        p.drawLine(c + from * dir, c + to * dir);
    }
}

} // namespace

QImage moonBitmap() {
    return onWhite([](QPainter& p) {
        QPainterPath disc;
        disc.addEllipse(QPointF(7.5, 8), 6.5, 6.5);
        QPainterPath bite;
        bite.addEllipse(QPointF(10.5, 6), 5.2, 5.2);
        p.setPen(QPen(QColor(150, 105, 10), 1.0));
        p.setBrush(QColor(250, 205, 50));
        p.drawPath(disc.subtracted(bite));
    });
}

QImage sunBitmap() {
    return onWhite([](QPainter& p) {
        const QPointF c(8, 8);
        p.setPen(QPen(QColor(235, 120, 0), 1.4, Qt::SolidLine, Qt::RoundCap));
        rays(p, c, 5.2, 7.3, 0, 45, 8);
        p.setPen(QPen(QColor(210, 90, 0), 1.0));
        p.setBrush(QColor(255, 195, 20));
        p.drawEllipse(c, 3.8, 3.8);
    });
}

QImage solarTermBitmap() {
    return onWhite([](QPainter& p) {
        const QPointF c(8, 11);
        p.setPen(QPen(QColor(220, 80, 0), 1.3, Qt::SolidLine, Qt::RoundCap));
        rays(p, c, 6.2, 7.8, 35, 55, 3); // clear of the disc: no white enclosed
        QPainterPath half;
        half.moveTo(c + QPointF(-4.6, 0));
        half.arcTo(QRectF(c.x() - 4.6, c.y() - 4.6, 9.2, 9.2), 180, -180);
        half.closeSubpath();
        p.setPen(QPen(QColor(200, 60, 0), 1.0));
        p.setBrush(QColor(255, 150, 30));
        p.drawPath(half);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(50, 140, 60));
        p.drawRect(QRectF(1, 11, 14, 2.5));
    });
}

} // namespace velmora::art
