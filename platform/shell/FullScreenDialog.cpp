// Running a full-screen dialog inside the device frame's work area.
#include "platform/shell/FullScreenDialog.h"

#include "platform/shell/DeviceKey.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace velmora::shell {

namespace {
MenuBarDescription dialogBar(std::vector<MenuItem> menu) {
    MenuBarDescription keys;
    keys.leftId = IDCANCEL;
    keys.leftText = QStringLiteral("Trở về");
    if (!menu.empty()) {
        keys.rightText = QStringLiteral("Mục chọn");
        keys.rightMenu = std::move(menu);
    }
    return keys;
}
} // namespace

FullScreenDialog::FullScreenDialog(QWidget* owner, const QString& title, std::vector<MenuItem> menu,
                                   bool hasDone)
    : FullScreenDialog(dialogBar(std::move(menu)), owner, title, hasDone) {}

FullScreenDialog::FullScreenDialog(const MenuBarDescription& keys, QWidget* owner,
                                   const QString& title, bool hasDone)
    : QWidget(nullptr), title_(title), hasDone_(hasDone) {
    frame_ = DeviceFrame::of(owner);
    if (!frame_) {
        ownFrame_ = std::make_unique<DeviceFrame>();
        frame_ = ownFrame_.get();
    }
    setParent(frame_->workArea());
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    hide();
    bar_ = SoftKeyBar::create(keys, frame_);
    if (!bar_) // an invalid description: keep the "Trở về" key alone
        bar_ = SoftKeyBar::create(dialogBar({}), frame_);
    bar_->hide();
    connect(bar_, &SoftKeyBar::command, this, &FullScreenDialog::handle);
}

FullScreenDialog::~FullScreenDialog() {
    if (loop_) loop_->exit();
    if (frame_) frame_->popDialog(this);
    delete bar_.data();
    setParent(nullptr);
}

bool FullScreenDialog::open() {
    if (open_) return true;
    open_ = true;
    finished_ = false;
    frame_->pushDialog(this, title_, bar_, hasDone_);
    doneConnection_ = connect(frame_, &DeviceFrame::doneClicked, this, [this] {
        if (frame_ && frame_->activeMenuBar() == bar_) handle(IDOK);
    });
    setGeometry(frame_->workArea()->rect());
    show();
    raise();
    setFocus();
    if (ownFrame_) ownFrame_->show();
    if (onOpen()) return true;
    leaveFrame();
    return false;
}

int FullScreenDialog::exec() {
    if (loop_) return IDCANCEL; // already running
    if (!open()) return result_;
    QEventLoop loop;
    loop_ = &loop;
    if (!finished_) loop.exec(QEventLoop::DialogExec);
    loop_ = nullptr;
    leaveFrame();
    return result_;
}

void FullScreenDialog::done(int id) {
    result_ = id;
    finished_ = true;
    if (loop_)
        loop_->exit();
    else
        leaveFrame();
}

void FullScreenDialog::leaveFrame() {
    if (!open_) return;
    open_ = false;
    disconnect(doneConnection_);
    hide();
    if (frame_) frame_->popDialog(this);
    if (ownFrame_) ownFrame_->hide();
    onClosed();
}

void FullScreenDialog::handle(int id) {
    emit command(id);
    onCommand(id);
}

void FullScreenDialog::onCommand(int id) {
    if (id == IDOK || id == IDCANCEL) done(id);
}

void FullScreenDialog::keyPressEvent(QKeyEvent* event) {
    const DeviceKey key = deviceKeyOf(*event);
    if (key == DeviceKey::Back) {
        handle(IDCANCEL);
        return;
    }
    // The device's convention: Enter in a text field (which passes the key on) is the dialog's
    // Done.
    QWidget* focus = QApplication::focusWidget();
    if (key == DeviceKey::Enter && hasDone_ && focus && isAncestorOf(focus) &&
        (qobject_cast<QLineEdit*>(focus) || qobject_cast<QAbstractSpinBox*>(focus))) {
        handle(IDOK);
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace velmora::shell
