// Focus rectangle by inversion and row-by-row vertical gradient.
#include "platform/gdi/Shapes.h"

#include "platform/gdi/ColorRef.h"

namespace velmora::gdi {

void drawFocusRect(QPainter& painter, const QRect& rect) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    const QColor invert(Qt::white);
    auto dot = [&](int x, int y) {
        if (((x - rect.left()) + (y - rect.top())) % 2 == 0) painter.fillRect(x, y, 1, 1, invert);
    };
    // Each border pixel is visited once, so corners are not inverted twice.
    for (int x = rect.left(); x <= rect.right(); ++x) {
        dot(x, rect.top());
        if (rect.bottom() != rect.top()) dot(x, rect.bottom());
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        dot(rect.left(), y);
        if (rect.right() != rect.left()) dot(rect.right(), y);
    }
    painter.restore();
}

void gradientFillVertical(QPainter& painter, const QRect& rect, COLORREF top, COLORREF bottom) {
    const int h = rect.height();
    if (h <= 0 || rect.width() <= 0) return;
    const QColor a = fromColorRef(top), b = fromColorRef(bottom);
    auto mix = [](int from, int to, int i, int n) {
        return n == 0 ? from : from + ((to - from) * i * 2 + (to > from ? n : -n)) / (2 * n);
    };
    for (int i = 0; i < h; ++i) {
        const QColor c(mix(a.red(), b.red(), i, h - 1), mix(a.green(), b.green(), i, h - 1),
                       mix(a.blue(), b.blue(), i, h - 1));
        painter.fillRect(rect.left(), rect.top() + i, rect.width(), 1, c);
    }
}

} // namespace velmora::gdi
