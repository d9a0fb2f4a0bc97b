// Compositing the frame and its top-level popups, and writing the PNG.
#include "platform/shell/Screenshot.h"

#include <QApplication>
#include <QImageWriter>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <algorithm>

namespace velmora::shell {

QImage grabDeviceScreen(QWidget& frame) {
    QImage image = frame.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint origin = frame.mapToGlobal(QPoint(0, 0));
    const QRect area(origin, frame.size());
    std::vector<QWidget*> over;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == &frame || !w->isVisible()) continue;
        const Qt::WindowType kind = w->windowType();
        if (kind != Qt::Popup && kind != Qt::Dialog && kind != Qt::ToolTip) continue;
        if (!area.intersects(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()))) continue;
        over.push_back(w);
    }
    // Dialogs first, popups (menus opened from them) above.
    std::stable_sort(over.begin(), over.end(), [](QWidget* a, QWidget* b) {
        return a->windowType() == Qt::Dialog && b->windowType() != Qt::Dialog;
    });
    QPainter p(&image);
    for (QWidget* w : over) p.drawPixmap(w->mapToGlobal(QPoint(0, 0)) - origin, w->grab());
    return image;
}

bool saveScreenshot(QWidget& frame, const QString& path, QString* error) {
    const QImage image = grabDeviceScreen(frame);
    QImageWriter writer(path, "png");
    if (image.isNull() || !writer.write(image)) {
        if (error)
            *error = QStringLiteral("Không ghi được ảnh chụp màn hình vào tệp %1: %2")
                         .arg(path, writer.errorString());
        return false;
    }
    return true;
}

} // namespace velmora::shell
