// The main window and its command dispatch.
#include "app/shell/MainWindow.h"

#include "app/res/CommandIds.h"
#include "app/res/MainMenu.h"
#include "platform/device/DeviceClock.h"
#include "platform/shell/DeviceFrame.h"
#include "platform/shell/SoftKeyBar.h"

#include <QShortcut>
#include <QVBoxLayout>

namespace velmora::app {

using velmora::shell::SetSoftKeyText;

MainWindow::MainWindow(ProgramState& state, velmora::shell::DeviceFrame& frame)
    : state_(state), frame_(frame), model_(state.currentDay) {
    setObjectName(QStringLiteral("MainWindow"));
    model_.initialise(velmora::device::localSystemTime());

    page_ = new DayPage(model_, state.programFolder, this);
    page_->setWeather(&state.weather);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page_);

    frame.setTitle(QString::fromUtf16(kWindowTitle));
    frame.setContent(this);
    bar_ = velmora::shell::SoftKeyBar::create(mainMenuBar());
    if (bar_) {
        frame.setMenuBar(bar_);
        connect(bar_, &velmora::shell::SoftKeyBar::command, this, &MainWindow::onCommand);
    }
    SetSoftKeyText(bar_, CmdLeftSoftKey, QString::fromUtf16(kLeftKeyAlmanac));

    connect(page_, &DayPage::chooserOpened, this,
            [this] { SetSoftKeyText(bar_, CmdLeftSoftKey, QString::fromUtf16(kLeftKeyToday)); });
    connect(page_, &DayPage::fullScreenToggled, this, [this] {
        frame_.setFullScreenMode(!frame_.isFullScreenMode());
        page_->setFocus();
    });
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), &frame);
    quit->setContext(Qt::ApplicationShortcut);
    connect(quit, &QShortcut::activated, this, [this] { onCommand(CmdExit); });

    page_->startClock();
    page_->setFocus();
}

void MainWindow::onCommand(int id) {
    switch (id) {
    case CmdLeftSoftKey:
        leftSoftKey();
        return;
    case CmdExit:
        page_->stopClock();
        emit closeRequested();
        frame_.close();
        return;
    default:
        runTool(id);
    }
}

// What the left key does depends on the selection, not on its caption.
void MainWindow::leftSoftKey() {
    if (model_.selectedField() < 0) {
        onCommand(CmdAlmanac);
        return;
    }
    model_.setSelectedField(-1);
    SetSoftKeyText(bar_, CmdLeftSoftKey, QString::fromUtf16(kLeftKeyBackToday));
    page_->goToToday();
}

void MainWindow::runTool(int id) {
    auto tool = tools_.find(id);
    if (tool == tools_.end()) return;
    // The almanac works on the same day record; the page's clock waits meanwhile.
    const bool almanac = id == CmdAlmanac;
    if (almanac) page_->stopClock();
    tool->second(*this);
    if (almanac) {
        // The page shows the day the almanac left, with that day's sun and moon times.
        state_.currentDay.refreshRiseSet();
        model_.setSelectedField(-1);
        page_->startClock();
    }
    page_->setFocus();
    page_->update();
}

} // namespace velmora::app
