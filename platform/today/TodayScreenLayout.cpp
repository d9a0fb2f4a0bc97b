// Stacking, hit testing, selection moves and the background.
#include "platform/today/TodayScreenLayout.h"

#include "platform/gdi/ColorRef.h"

namespace velmora::todayscreen {

std::vector<QRect> stackItems(const std::vector<int>& heights, int width) {
    std::vector<QRect> rects;
    int y = 0;
    for (int h : heights) {
        if (h <= 0) {
            rects.emplace_back();
            continue;
        }
        rects.emplace_back(0, y, width, h);
        y += h;
    }
    return rects;
}

int itemAt(const std::vector<QRect>& rects, QPoint point) {
    for (size_t i = 0; i < rects.size(); ++i)
        if (rects[i].contains(point)) return int(i);
    return -1;
}

int moveSelection(const std::vector<QRect>& rects, int selected, bool down) {
    const int n = int(rects.size());
    int i = selected < 0 ? (down ? -1 : n) : selected;
    for (i += down ? 1 : -1; i >= 0 && i < n; i += down ? 1 : -1)
        if (!rects[size_t(i)].isEmpty()) return i;
    return selected;
}

void drawWatermark(QPainter& painter, const QRect& target, const QRect& area, QSize screenSize) {
    const QColor top = gdi::fromColorRef(kWatermarkTop),
                 bottom = gdi::fromColorRef(kWatermarkBottom);
    const int span = std::max(1, screenSize.height() - 1);
    QLinearGradient gradient(0, target.top() - area.top(), 0, target.top() - area.top() + span);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(target, gradient);
}

} // namespace velmora::todayscreen
