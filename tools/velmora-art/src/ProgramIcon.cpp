// Draws the program's icon in a 64-unit design square scaled to the requested size.
#include "tools/velmora-art/src/ProgramIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace velmora::art {

QImage programIcon(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 64.0, side / 64.0);
    // Strokes a little thicker at 32 pixels so the outline survives the halving.
    const double stroke = side < 48 ? 2.6 : 1.8;

    const QRectF leaf(6, 8, 52, 51);
    QPainterPath body;
    body.addRoundedRect(leaf, 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(253, 248, 236));
    p.drawPath(body);

    QPainterPath band;
    band.addRect(QRectF(leaf.left(), leaf.top(), leaf.width(), 15));
    QLinearGradient red(0, leaf.top(), 0, leaf.top() + 15);
    red.setColorAt(0, QColor(235, 50, 40));
    red.setColorAt(1, QColor(195, 20, 20));
    p.setBrush(red);
    p.drawPath(body.intersected(band));

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(130, 15, 15), stroke));
    p.drawPath(body);

    p.setPen(QPen(QColor(70, 70, 80), stroke * 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21, 4), QPointF(21, 14));
    p.drawLine(QPointF(43, 4), QPointF(43, 14));

    QPainterPath disc;
    disc.addEllipse(QPointF(30, 41), 13, 13);
    QPainterPath bite;
    bite.addEllipse(QPointF(37, 36), 11, 11);
    QLinearGradient gold(17, 28, 43, 54);
    gold.setColorAt(0, QColor(255, 220, 90));
    gold.setColorAt(1, QColor(235, 165, 20));
    p.setPen(QPen(QColor(160, 105, 10), stroke * 0.8));
    p.setBrush(gold);
    p.drawPath(disc.subtracted(bite));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace velmora::art
