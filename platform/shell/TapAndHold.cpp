// The press-and-hold timer and the movement that cancels it.
#include "platform/shell/TapAndHold.h"

#include "platform/screen/ScreenProfile.h"

#include <QMouseEvent>

namespace velmora::shell {

TapAndHold* TapAndHold::install(QWidget* widget) {
    return widget ? new TapAndHold(widget) : nullptr;
}

int TapAndHold::slop() {
    return screen::ScaleX(5);
}

TapAndHold::TapAndHold(QWidget* widget) : QObject(widget), widget_(widget) {
    timer_.setSingleShot(true);
    timer_.setInterval(kHoldMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        swallowRelease_ = true; // the release after a hold is not also a tap
        emit held(pressAt_);
    });
    widget->installEventFilter(this);
}

bool TapAndHold::eventFilter(QObject* watched, QEvent* event) {
    if (watched != widget_) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton) {
            pressAt_ = e->position().toPoint();
            swallowRelease_ = false;
            timer_.start();
        }
        break;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (timer_.isActive() && (e->position().toPoint() - pressAt_).manhattanLength() > slop())
            timer_.stop();
        break;
    }
    case QEvent::MouseButtonRelease:
        timer_.stop();
        if (swallowRelease_) {
            swallowRelease_ = false;
            return true;
        }
        break;
    case QEvent::Hide:
    case QEvent::FocusOut:
        timer_.stop();
        break;
    default:
        break;
    }
    return false;
}

} // namespace velmora::shell
