// A modal dialog that fills the work area of its owner's device frame, with its own soft-key bar
// ("Trở về" / "Mục chọn") and the task bar's Done; exec() returns the command that ended it.
#pragma once

#include "CommandIds.h"
#include "DeviceFrame.h"
#include "Menu.h"

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
    ~FullScreenDialog() override;

    // Runs until done(); the owner's frame shows this dialog's title, bar and Done meanwhile.
    int exec();
    void done(int id);
    bool isRunning() const { return loop_ != nullptr; }

    SoftKeyBar* softKeyBar() const { return bar_; }
    DeviceFrame* frame() const { return frame_; }
    QString title() const { return title_; }

  signals:
    void command(int id);

  protected:
    // Called for every command (Done = IDOK, Trở về = IDCANCEL, menu items); IDOK and IDCANCEL
    // end the dialog unless a subclass decides otherwise.
    virtual void onCommand(int id);
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void handle(int id);

    QString title_;
    bool hasDone_;
    QPointer<SoftKeyBar> bar_; // a child of the frame, which may go first
    QPointer<DeviceFrame> frame_;
    std::unique_ptr<DeviceFrame> ownFrame_; // when the owner is not inside a device frame
    QEventLoop* loop_ = nullptr;
    bool finished_ = false;
    int result_ = IDCANCEL;
};

} // namespace velmora::shell
