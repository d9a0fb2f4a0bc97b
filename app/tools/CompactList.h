// A drop-down list drawn as narrow as the device draws its own: a one-pixel frame, the text and
// a small arrow, so that "30" fits in a list 30 units wide.
#pragma once

#include "platform/screen/ScreenProfile.h"

#include <QComboBox>
#include <QPainter>
#include <QPolygon>

namespace velmora::app {

class CompactList : public QComboBox {
  public:
    using QComboBox::QComboBox;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QPalette& pal = palette();
        const QRect r = rect().adjusted(0, 0, -1, -1);
        p.fillRect(rect(), isEnabled() ? pal.color(QPalette::Base) : pal.color(QPalette::Window));
        p.setPen(hasFocus() ? pal.color(QPalette::Highlight) : pal.color(QPalette::Mid));
        p.drawRect(r);
        const int arrow = screen::ScaleX(7);
        const int pad = screen::ScaleX(2);
        p.setPen(pal.color(isEnabled() ? QPalette::Text : QPalette::PlaceholderText));
        p.drawText(QRect(pad, 0, width() - arrow - 2 * pad, height()),
                   Qt::AlignVCenter | Qt::AlignLeft, currentText());
        const int cx = width() - pad - arrow / 2, cy = height() / 2;
        const int half = arrow / 2;
        p.setPen(Qt::NoPen);
        p.setBrush(pal.color(QPalette::Text));
        p.drawPolygon(QPolygon({QPoint(cx - half, cy - half / 2), QPoint(cx + half, cy - half / 2),
                                QPoint(cx, cy + half / 2 + 1)}));
    }
};

} // namespace velmora::app
