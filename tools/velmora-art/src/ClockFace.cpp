// The dial and the default portrait.
#include "tools/velmora-art/src/ClockFace.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace velmora::art {

QImage clockFace() {
    QImage image(140, 140, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient dial(kDialCentre, kDialRadius, QPointF(56, 52));
    dial.setColorAt(0, QColor(255, 255, 252));
    dial.setColorAt(1, QColor(222, 226, 232));
    p.setBrush(dial);
    p.setPen(QPen(QColor(36, 46, 66), 4));
    p.drawEllipse(kDialCentre, kDialRadius - 2, kDialRadius - 2);
    for (int m = 0; m < 60; ++m) {
        const bool hour = m % 5 == 0;
        const double a = m * std::numbers::pi / 30;
        const QPointF dir(std::sin(a), -std::cos(a));
        const double inner = hour ? kHourMarkInner : 0.84, outer = kHourMarkOuter;
        p.setPen(QPen(QColor(40, 48, 64), hour ? 4.0 : 1.5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(kDialCentre + dir * kDialRadius * inner,
                   kDialCentre + dir * kDialRadius * outer);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 48, 64));
    p.drawEllipse(kDialCentre, 4, 4);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage defaultPortrait() {
    QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath ground;
    ground.addRoundedRect(QRectF(1, 1, 98, 98), 12, 12);
    QLinearGradient soft(0, 0, 0, 100);
    soft.setColorAt(0, QColor(214, 226, 240));
    soft.setColorAt(1, QColor(176, 194, 218));
    p.setPen(Qt::NoPen);
    p.setBrush(soft);
    p.drawPath(ground);
    p.setClipPath(ground);
    p.setBrush(QColor(112, 128, 152));
    p.drawEllipse(QPointF(50, 40), 18, 20);
    p.drawEllipse(QRectF(14, 66, 72, 60)); // the shoulders, cut by the ground's edge
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace velmora::art
