// The item window: its window procedure (Today screen messages, the item's own messages, menu
// commands), the 1-second clock, taps and swipes, the tap-and-hold menu, and the paint.
#pragma once

#include "today/TodayItemModel.h"

#include "platform/ipc/IpcNames.h"
#include "platform/shell/Menu.h"
#include "platform/today/TodayItemContract.h"

#include <QBasicTimer>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <atomic>
#include <memory>

namespace velmora::today {

// Menu 103's pop-up, the current page's entry checked under "Chọn trang".
std::vector<shell::MenuItem> todayItemMenu(int page);

class TodayItemWindow : public QWidget {
    Q_OBJECT
  public:
    TodayItemWindow(todayscreen::TodayListItem* description, QWidget* todayWindow);
    ~TodayItemWindow() override;

    // The window procedure: every message the item answers, wherever it comes from (the Today
    // screen, another program through the device's messaging, the update thread).
    intptr_t TodayItemWndProc(uint32_t msg, uintptr_t wParam, intptr_t lParam);

    TodayItemState& state() { return state_; }
    const TodayItemState& state() const { return state_; }
    ipc::Handle handle() const { return handle_; }
    bool isUpdating() const { return *updating_; }
    // What the window paints now.
    QImage picture();
    // The item window the plug-in has created and not yet destroyed, if any.
    static TodayItemWindow* current();
    // One tick of the 1-second clock (timer 1064).
    void clockTick();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    void loadSettings();
    void reloadWeather();
    void postRedraw();
    void command(int id);
    void showMenu(QPoint at);
    void openWeatherPopup();
    void startUpdate();
    void startMainProgram();

    TodayItemState state_;
    QPointer<QWidget> today_;
    ipc::Handle handle_ = 0;
    QBasicTimer clock_;
    QPoint down_;
    std::shared_ptr<std::atomic<bool>> updating_ = std::make_shared<std::atomic<bool>>(false);
    QPointer<QThread> update_;
};

} // namespace velmora::today
