// Seven-segment digits on a transparent ground, lit bars bright, unlit ones a faint trace.
#include "tools/velmora-art/src/TodayDigits.h"

#include <QPainter>
#include <QPainterPath>

namespace velmora::art {
namespace {

constexpr double kLeft = 8, kRight = 36, kTop = 6, kMiddle = 30, kBottom = 54, kBar = 6;

const QColor kLit(236, 248, 255);
const QColor kUnlit(236, 248, 255, 34);

// A bar with pointed ends, as segments are drawn.
QPainterPath bar(const QRectF& r) {
    QPainterPath path;
    const double h = std::min(r.width(), r.height()) / 2;
    if (r.width() >= r.height()) {
        path.moveTo(r.left(), r.center().y());
        path.lineTo(r.left() + h, r.top());
        path.lineTo(r.right() - h, r.top());
        path.lineTo(r.right(), r.center().y());
        path.lineTo(r.right() - h, r.bottom());
        path.lineTo(r.left() + h, r.bottom());
    } else {
        path.moveTo(r.center().x(), r.top());
        path.lineTo(r.right(), r.top() + h);
        path.lineTo(r.right(), r.bottom() - h);
        path.lineTo(r.center().x(), r.bottom());
        path.lineTo(r.left(), r.bottom() - h);
        path.lineTo(r.left(), r.top() + h);
    }
    path.closeSubpath();
    return path;
}

QImage transparent(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QRectF segmentRect(Segment s) {
    const double gap = 1.5, half = kBar / 2;
    switch (s) {
    case SegA:
        return QRectF(kLeft + gap, kTop - half, kRight - kLeft - 2 * gap, kBar);
    case SegB:
        return QRectF(kRight - half, kTop + gap, kBar, kMiddle - kTop - 2 * gap);
    case SegC:
        return QRectF(kRight - half, kMiddle + gap, kBar, kBottom - kMiddle - 2 * gap);
    case SegD:
        return QRectF(kLeft + gap, kBottom - half, kRight - kLeft - 2 * gap, kBar);
    case SegE:
        return QRectF(kLeft - half, kMiddle + gap, kBar, kBottom - kMiddle - 2 * gap);
    case SegF:
        return QRectF(kLeft - half, kTop + gap, kBar, kMiddle - kTop - 2 * gap);
    case SegG:
        return QRectF(kLeft + gap, kMiddle - half, kRight - kLeft - 2 * gap, kBar);
    default:
        return {};
    }
}

QImage digitPicture(int digit) {
    QImage image = transparent(QSize(44, 60));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const unsigned lit = kDigitSegments[size_t(digit)];
    for (int s = 0; s < kSegmentCount; ++s) {
        p.setBrush((lit >> s) & 1 ? kLit : kUnlit);
        p.drawPath(bar(segmentRect(Segment(s))));
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage separatorPicture() {
    QImage image = transparent(QSize(20, 60));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kLit);
    p.drawEllipse(QPointF(10, 20), 3.5, 3.5);
    p.drawEllipse(QPointF(10, 40), 3.5, 3.5);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace velmora::art
