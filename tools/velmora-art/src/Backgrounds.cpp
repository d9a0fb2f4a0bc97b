// Draws the calendar-leaf backgrounds; every colour is pale enough for dark blue and red text.
#include "tools/velmora-art/src/Backgrounds.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora::art {
namespace {

// Relative luminance of each decoration colour stays at or above 0.89, so that pure red text keeps
// at least 3.5:1 contrast (the most red can have is 4.0:1, on pure white).
const QColor paperTop(255, 253, 246);
const QColor paperBottom(253, 248, 236);
const QColor borderInk(250, 243, 228);
const QColor curlInk(250, 243, 228);
const QColor petalFill(253, 242, 236);
const QColor petalInk(253, 240, 236);
const QColor leafFill(242, 246, 232);

// An auspicious-cloud curl: a spiral of one and a half turns ending in a tail to the right.
void cloudCurl(QPainter& p, QPointF c, double r, bool mirrored) {
    QPainterPath path;
    const int steps = 60;
    for (int i = 0; i <= steps; ++i) {
        const double t = 3.0 * std::numbers::pi * i / steps;
        const double rr = r * (0.25 + 0.75 * i / steps);
        const QPointF at(c.x() + (mirrored ? -1 : 1) * rr * std::cos(t), c.y() - rr * std::sin(t));
        i == 0 ? path.moveTo(at) : path.lineTo(at);
    }
    const double dir = mirrored ? -1 : 1;
    const QPointF end = path.currentPosition();
    path.cubicTo(end + QPointF(dir * 1.2 * r, 0), end + QPointF(dir * 2.0 * r, -0.8 * r),
                 end + QPointF(dir * 3.2 * r, -0.6 * r));
    p.drawPath(path);
}

// A lotus of five petals and two leaves, opening upwards from its base point.
void lotus(QPainter& p, QPointF base, double h) {
    p.setPen(QPen(petalInk, h * 0.02));
    p.setBrush(leafFill);
    p.drawEllipse(QPointF(base.x() - 0.55 * h, base.y() + 0.05 * h), 0.45 * h, 0.12 * h);
    p.drawEllipse(QPointF(base.x() + 0.55 * h, base.y() + 0.05 * h), 0.45 * h, 0.12 * h);
    p.setBrush(petalFill);
    for (double angle : {-62.0, 62.0, -32.0, 32.0, 0.0}) {
        p.save();
        p.translate(base);
        p.rotate(angle);
        QPainterPath petal(QPointF(0, 0));
        petal.cubicTo(-0.32 * h, -0.3 * h, -0.2 * h, -0.75 * h, 0, -h);
        petal.cubicTo(0.2 * h, -0.75 * h, 0.32 * h, -0.3 * h, 0, 0);
        p.drawPath(petal);
        p.restore();
    }
}

} // namespace

QImage leafBackground(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(QPointF(0, 0), QSizeF(size));
    const double k = std::min(size.width(), size.height()) / 480.0;

    QLinearGradient paper(all.topLeft(), all.bottomLeft());
    paper.setColorAt(0, paperTop);
    paper.setColorAt(1, paperBottom);
    p.fillRect(all, paper);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(borderInk, 3 * k));
    p.drawRoundedRect(all.adjusted(12 * k, 12 * k, -12 * k, -12 * k), 10 * k, 10 * k);
    p.setPen(QPen(borderInk, 1.2 * k));
    p.drawRoundedRect(all.adjusted(19 * k, 19 * k, -19 * k, -19 * k), 7 * k, 7 * k);

    p.setPen(QPen(curlInk, 2.5 * k, Qt::SolidLine, Qt::RoundCap));
    cloudCurl(p, QPointF(48 * k, 50 * k), 14 * k, false);
    cloudCurl(p, QPointF(all.width() - 48 * k, 50 * k), 14 * k, true);
    cloudCurl(p, QPointF(48 * k, all.height() - 44 * k), 10 * k, false);

    lotus(p, QPointF(all.width() - 78 * k, all.height() - 40 * k), 70 * k);
    p.end();
    return image;
}

} // namespace velmora::art
