// What the tool window tests share beyond the window testing helpers: where a label's text lies,
// counting a colour's pixels, and checking that a window's controls neither overlap nor leave it.
#pragma once

#include "platform/testing/MessageBoxWatcher.h"
#include "platform/testing/WindowTesting.h"

#include <QImage>
#include <QLabel>
#include <QStyle>

namespace velmora::testing {

// The rows of a screenshots_data(): the tools are pictured on a small, a large and a wide screen.
inline void addScreenshotRows() {
    addProfileRows({"qvga", "vga", "vga-landscape"});
}

// The rectangle a label's text takes inside the label.
inline QRect labelTextRect(const QLabel& label) {
    const QFontMetrics fm(label.font());
    const QSize text(fm.horizontalAdvance(label.text()), fm.height());
    return QStyle::alignedRect(label.layoutDirection(), label.alignment(), text,
                               label.contentsRect())
        .translated(label.pos());
}

// Pixels of exactly this colour inside rect of image.
inline int pixelsOf(const QImage& image, const QRect& rect, const QColor& colour) {
    int n = 0;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
}

// Every visible child of parent lies inside it and no two overlap; a label counts by the text it
// shows, as a transparent label's box may reach under its neighbour.
inline bool laidOutCleanly(QWidget& parent, QString* problem) {
    QList<QWidget*> items;
    for (QWidget* w : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisible()) items << w;
    const auto area = [](QWidget* w) {
        const auto* label = qobject_cast<QLabel*>(w);
        return label ? labelTextRect(*label) : w->geometry();
    };
    for (QWidget* w : items) {
        if (!parent.rect().contains(area(w))) {
            *problem = w->objectName() + QStringLiteral(" outside");
            return false;
        }
        for (QWidget* other : items)
            if (other != w && area(w).intersects(area(other))) {
                *problem = w->objectName() + QStringLiteral(" overlaps ") + other->objectName();
                return false;
            }
    }
    return true;
}

} // namespace velmora::testing
