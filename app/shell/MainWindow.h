// The main window: the day page in the device frame, the main menu and the command dispatch.
#pragma once

#include "app/shell/DayPage.h"
#include "app/shell/ProgramState.h"
#include "platform/shell/SoftKeyBar.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>

namespace velmora::shell {
class DeviceFrame;
} // namespace velmora::shell

namespace velmora::app {

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    // Builds the page, puts itself into the frame with menu bar 102 and starts the clock.
    MainWindow(ProgramState& state, velmora::shell::DeviceFrame& frame);

    DayPage* dayPage() const { return page_; }
    velmora::shell::SoftKeyBar* menuBar() const { return bar_; }
    ProgramState& state() { return state_; }

    // Runs a command as the menu, a soft key or an accelerator would.
    void onCommand(int id);

    // A tool window: the command runs it modally over the main window. Commands
    // without a tool do nothing.
    void setTool(int id, std::function<void(MainWindow&)> run) { tools_[id] = std::move(run); }
    bool hasTool(int id) const { return tools_.count(id) != 0; }

  signals:
    void closeRequested();

  private:
    void leftSoftKey();
    void tellClockOutsideRange(const SYSTEMTIME& clock);
    void runTool(int id);

    ProgramState& state_;
    velmora::shell::DeviceFrame& frame_;
    DayPageModel model_;
    DayPage* page_;
    QPointer<velmora::shell::SoftKeyBar> bar_;
    std::map<int, std::function<void(MainWindow&)>> tools_;
    bool toolRunning_ = false;
};

} // namespace velmora::app
