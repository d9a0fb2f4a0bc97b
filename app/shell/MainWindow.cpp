// The main window and its command dispatch.
#include "app/shell/MainWindow.h"
#include "VelmoraDay.h"

#include "app/res/CommandIds.h"
#include "app/res/MainMenu.h"
#include "platform/device/DeviceClock.h"
#include "platform/shell/DeviceFrame.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/SoftKeyBar.h"

#include <QShortcut>
#include <QTimer>
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
    // Ctrl+Q quits from the main window only: inside a tool it would throw away unsaved edits.
    connect(quit, &QShortcut::activated, this, [this] {
        if (!toolRunning_) onCommand(CmdExit);
    });

    connect(page_, &DayPage::clockOutsideRange, this, &MainWindow::tellClockOutsideRange);
    // What went wrong while starting is told once the window is up.
    if (!state.startUpProblems.isEmpty())
        QTimer::singleShot(0, this, [this] {
            velmora::shell::messageBox(this, state_.startUpProblems.join(QStringLiteral("\n\n")),
                                       QStringLiteral("Có lỗi"),
                                       velmora::shell::MB_OK | velmora::shell::MB_ICONWARNING);
        });
    // The first reading of the clock, so that one outside the supported years is told at start.
    page_->clockTick();
    page_->startClock();
    page_->setFocus();
}

void MainWindow::tellClockOutsideRange(const SYSTEMTIME& clock) {
    const SYSTEMTIME shown = velmora::nearestSupportedMoment(clock);
    const auto date = [](const SYSTEMTIME& t) {
        return QStringLiteral("%1/%2/%3")
            .arg(t.wDay, 2, 10, QLatin1Char('0'))
            .arg(t.wMonth, 2, 10, QLatin1Char('0'))
            .arg(t.wYear);
    };
    const QString text = QStringLiteral("Đồng hồ của thiết bị đang chỉ ngày %1, ngoài khoảng các "
                                        "năm 1800–2199 mà lịch tính được. Lịch hiện ngày gần "
                                        "nhất trong khoảng đó: %2.")
                             .arg(date(clock), date(shown));
    // Once the window is up, so that the box stands over the page.
    QTimer::singleShot(0, this, [this, text] {
        velmora::shell::messageBox(this, text, QStringLiteral("Có lỗi"),
                                   velmora::shell::MB_OK | velmora::shell::MB_ICONWARNING);
    });
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
    toolRunning_ = true;
    tool->second(*this);
    toolRunning_ = false;
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
