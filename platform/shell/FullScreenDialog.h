// A modal dialog that fills the work area of its owner's device frame, with its own soft-key bar
// ("Trở về" / "Mục chọn") and the task bar's Done; exec() returns the command that ended it.
#pragma once

#include "platform/shell/DeviceFrame.h"
#include "platform/shell/DialogResults.h"
#include "platform/shell/Menu.h"

#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <memory>

namespace velmora::shell {

class FullScreenDialog : public QWidget {
    Q_OBJECT
  public:
    // menu: the items of the right key's "Mục chọn" popup; without items the key is not shown.
    FullScreenDialog(QWidget* owner, const QString& title, std::vector<MenuItem> menu = {},
                     bool hasDone = true);
    // A dialog whose soft keys are its own: keys describes both (an invalid description
    // leaves the "Trở về" key alone).
    FullScreenDialog(const MenuBarDescription& keys, QWidget* owner, const QString& title,
                     bool hasDone = true);
    ~FullScreenDialog() override;

    // Runs until done(); the owner's frame shows this dialog's title, bar and Done meanwhile.
    int exec();
    // Shows the dialog in the frame without waiting for it; false, with the dialog closed
    // again, when onOpen() refuses. exec() opens it this way first.
    bool open();
    void done(int id);
    bool isRunning() const { return loop_ != nullptr; }
    bool isOpen() const { return open_; }

    SoftKeyBar* softKeyBar() const { return bar_; }
    DeviceFrame* frame() const { return frame_; }
    QString title() const { return title_; }

  signals:
    void command(int id);

  protected:
    // Called for every command (Done = IDOK, Trở về = IDCANCEL, menu items); IDOK and IDCANCEL
    // end the dialog unless a subclass decides otherwise.
    virtual void onCommand(int id);
    // Called once the dialog shows in the frame; returning false closes it at once.
    virtual bool onOpen() { return true; }
    // Called when the dialog has left the frame.
    virtual void onClosed() {}
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void handle(int id);
    void leaveFrame();
    QString title_;
    bool hasDone_;
    QPointer<SoftKeyBar> bar_; // a child of the frame, which may go first
    QPointer<DeviceFrame> frame_;
    std::unique_ptr<DeviceFrame> ownFrame_; // when the owner is not inside a device frame
    QMetaObject::Connection doneConnection_;
    QEventLoop* loop_ = nullptr;
    bool open_ = false;
    bool finished_ = false;
    int result_ = IDCANCEL;
};

} // namespace velmora::shell
