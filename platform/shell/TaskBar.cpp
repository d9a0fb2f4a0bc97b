// Task bar layout and the minute-aligned clock refresh.
#include "platform/shell/TaskBar.h"

#include "platform/device/DeviceClock.h"
#include "platform/screen/ScreenProfile.h"

#include <QHBoxLayout>
#include <QPainter>
#include <algorithm>

namespace velmora::shell {

int TaskBar::barHeight() {
    return screen::ScaleY(26);
}

int TaskBar::msecsToNextMinute(const QTime& now) {
    const int into = now.second() * 1000 + now.msec();
    return std::max(1, 60000 - into);
}

TaskBar::TaskBar(QWidget* parent)
    : QWidget(parent), title_(new QLabel(this)), clock_(new QLabel(this)),
      done_(new QToolButton(this)) {
    setFixedHeight(barHeight());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(screen::ScaleX(4), 0, screen::ScaleX(2), 0);
    layout->setSpacing(screen::ScaleX(6));
    QFont bold = font();
    bold.setBold(true);
    for (QLabel* label : {title_, clock_}) {
        label->setFont(bold);
        label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    }
    title_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred); // long titles elide
    done_->setText(QStringLiteral("OK"));
    done_->setFocusPolicy(Qt::NoFocus);
    done_->setStyleSheet(QStringLiteral("QToolButton { color: white; font-weight: bold;"
                                        " background: #2a5d9f; border: 1px solid white;"
                                        " border-radius: %1px; padding: 0 %2px; }")
                             .arg(screen::ScaleX(3))
                             .arg(screen::ScaleX(4)));
    done_->setFixedHeight(barHeight() - screen::ScaleY(6));
    done_->hide();
    layout->addWidget(title_, 1);
    layout->addWidget(clock_);
    layout->addWidget(done_);
    connect(done_, &QToolButton::clicked, this, &TaskBar::doneClicked);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &TaskBar::refreshClock);
    refreshClock();
}

void TaskBar::setTitle(const QString& title) {
    title_->setText(title);
}

void TaskBar::setDoneVisible(bool visible) {
    done_->setVisible(visible);
}

void TaskBar::refreshClock() {
    const QDateTime now = device::localNow();
    clock_->setText(now.toString(QStringLiteral("HH:mm")));
    timer_.start(msecsToNextMinute(now.time()));
}

void TaskBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0x12, 0x3a, 0x75));
    g.setColorAt(1, QColor(0x3b, 0x6e, 0xb4));
    p.fillRect(rect(), g);
}

} // namespace velmora::shell
