// Device frame geometry and the stack of running full-screen dialogs.
#include "platform/shell/DeviceFrame.h"

#include "platform/screen/ScreenProfile.h"

namespace velmora::shell {

DeviceFrame::DeviceFrame(QWidget* parent)
    : QWidget(parent), taskBar_(new TaskBar(this)), workArea_(new QWidget(this)) {
    const screen::Profile& profile = screen::current();
    setFixedSize(profile.width, profile.height);
    setWindowTitle(QStringLiteral("Velmora"));
    setAutoFillBackground(true);
    workArea_->setAutoFillBackground(true);
    connect(taskBar_, &TaskBar::doneClicked, this, &DeviceFrame::doneClicked);
    relayout();
}

// Dialogs in the work area unregister themselves while the frame's members still exist.
DeviceFrame::~DeviceFrame() {
    closing_ = true;
    delete workArea_;
    workArea_ = nullptr;
    content_ = nullptr;
}

DeviceFrame* DeviceFrame::of(const QWidget* widget) {
    return widget ? qobject_cast<DeviceFrame*>(widget->window()) : nullptr;
}

void DeviceFrame::setContent(QWidget* content) {
    if (content_ && content_ != content) {
        content_->hide(); // gone at once, even before the deferred delete runs
        content_->deleteLater();
    }
    content_ = content;
    if (content_) {
        content_->setParent(workArea_);
        content_->setGeometry(workArea_->rect());
        content_->show();
        content_->lower();
    }
}

void DeviceFrame::setMenuBar(SoftKeyBar* bar) {
    if (mainBar_ && mainBar_ != bar) mainBar_->deleteLater();
    mainBar_ = bar;
    if (bar) bar->setParent(this);
    showTop();
}

SoftKeyBar* DeviceFrame::activeMenuBar() const {
    return dialogs_.empty() ? mainBar_.data() : dialogs_.back().bar.data();
}

void DeviceFrame::setTitle(const QString& title) {
    mainTitle_ = title;
    showTop();
}

void DeviceFrame::setFullScreenMode(bool on) {
    fullScreen_ = on;
    showTop();
}

void DeviceFrame::pushDialog(QWidget* dialog, const QString& title, SoftKeyBar* bar, bool hasDone) {
    if (closing_) return;
    if (bar) bar->setParent(this);
    dialogs_.push_back({dialog, title, bar, hasDone});
    showTop();
}

void DeviceFrame::popDialog(QWidget* dialog) {
    for (auto it = dialogs_.begin(); it != dialogs_.end(); ++it)
        if (it->dialog == dialog) {
            if (it->bar) it->bar->hide();
            dialogs_.erase(it);
            break;
        }
    if (!closing_) showTop();
}

QRect DeviceFrame::workAreaRect() const {
    // A dialog always shows its bars: full-screen mode belongs to the main window.
    const bool bare = fullScreen_ && dialogs_.empty();
    const int top = bare ? 0 : TaskBar::barHeight();
    const int bottom = bare || !activeMenuBar() ? 0 : SoftKeyBar::barHeight();
    return QRect(0, top, width(), height() - top - bottom);
}

void DeviceFrame::showTop() {
    const bool bare = fullScreen_ && dialogs_.empty();
    if (dialogs_.empty()) {
        taskBar_->setTitle(mainTitle_);
        taskBar_->setDoneVisible(false);
    } else {
        taskBar_->setTitle(dialogs_.back().title);
        taskBar_->setDoneVisible(dialogs_.back().hasDone);
    }
    SoftKeyBar* active = activeMenuBar();
    if (mainBar_ && mainBar_ != active) mainBar_->hide();
    for (const Layer& layer : dialogs_)
        if (layer.bar && layer.bar != active) layer.bar->hide();
    taskBar_->setVisible(!bare);
    if (active) active->setVisible(!bare);
    relayout();
}

void DeviceFrame::relayout() {
    taskBar_->setGeometry(0, 0, width(), TaskBar::barHeight());
    const QRect work = workAreaRect();
    workArea_->setGeometry(work);
    if (content_) content_->setGeometry(workArea_->rect());
    for (const Layer& layer : dialogs_)
        if (layer.dialog && layer.dialog->parentWidget() == workArea_)
            layer.dialog->setGeometry(workArea_->rect());
    if (SoftKeyBar* bar = activeMenuBar()) {
        bar->setGeometry(0, height() - SoftKeyBar::barHeight(), width(), SoftKeyBar::barHeight());
        bar->raise();
    }
}

void DeviceFrame::resizeEvent(QResizeEvent*) {
    relayout();
}

} // namespace velmora::shell
