// Running a full-screen dialog inside the device frame's work area.
#include "FullScreenDialog.h"

#include "DeviceKey.h"

#include <QKeyEvent>

namespace velmora::shell {

namespace {
MenuBarSpec dialogBar(std::vector<MenuItem> menu) {
    MenuBarSpec keys;
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
    bar_ = SoftKeyBar::create(dialogBar(std::move(menu)), frame_);
    if (!bar_) // an invalid menu: keep the "Trở về" key alone
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

int FullScreenDialog::exec() {
    if (loop_) return IDCANCEL; // already running
    finished_ = false;
    frame_->pushDialog(this, title_, bar_, hasDone_);
    auto doneConnection = connect(frame_, &DeviceFrame::doneClicked, this, [this] {
        if (frame_ && frame_->activeMenuBar() == bar_) handle(IDOK);
    });
    setGeometry(frame_->workArea()->rect());
    show();
    raise();
    setFocus();
    if (ownFrame_) ownFrame_->show();
    QEventLoop loop;
    loop_ = &loop;
    if (!finished_) loop.exec(QEventLoop::DialogExec);
    loop_ = nullptr;
    disconnect(doneConnection);
    hide();
    if (frame_) frame_->popDialog(this);
    if (ownFrame_) ownFrame_->hide();
    return result_;
}

void FullScreenDialog::done(int id) {
    result_ = id;
    finished_ = true;
    if (loop_) loop_->exit();
}

void FullScreenDialog::handle(int id) {
    emit command(id);
    onCommand(id);
}

void FullScreenDialog::onCommand(int id) {
    if (id == IDOK || id == IDCANCEL) done(id);
}

void FullScreenDialog::keyPressEvent(QKeyEvent* event) {
    if (deviceKeyOf(*event) == DeviceKey::Back) {
        handle(IDCANCEL);
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace velmora::shell
