// Rounded translucent panels with a rim and a soft gloss at the top.
#include "tools/velmora-art/src/TodayFrames.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace velmora::art {
namespace {

QImage frame(QSize size, QColor fill, double radius) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(3, 3, -3, -3);
    QPainterPath body;
    body.addRoundedRect(box, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(body);
    // A faint gloss over the upper third.
    QLinearGradient gloss(0, box.top(), 0, box.top() + box.height() / 3);
    gloss.setColorAt(0, QColor(255, 255, 255, 40));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 110), 2));
    p.drawPath(body);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QColor panelFill() {
    return QColor(8, 22, 46, 140);
}

QImage panelFrame(int widthUnits) {
    return frame(QSize(2 * widthUnits, 2 * 78), panelFill(), 14);
}

QImage buttonFrame() {
    return frame(QSize(2 * 80, 2 * 26), QColor(20, 48, 88, 150), 10);
}

} // namespace velmora::art
