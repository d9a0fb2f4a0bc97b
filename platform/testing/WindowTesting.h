// For window tests: the main window's frame to own the windows under test, picking a screen
// profile, screenshots of the frame, and running a modal dialog with an action that ends it.
#pragma once

#include "platform/screen/ScreenProfile.h"
#include "platform/shell/Application.h"
#include "platform/shell/DeviceFrame.h"
#include "platform/shell/FullScreenDialog.h"
#include "platform/shell/Screenshot.h"
#include "platform/testing/ScreenTesting.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace velmora::testing {

// The main window's frame, shown, with a page as its content.
struct MainFrame {
    shell::DeviceFrame frame;
    MainFrame() {
        frame.setContent(new QLabel(QStringLiteral("Trang ngày")));
        frame.setTitle(QStringLiteral("Lịch Velmora 3.0"));
        frame.move(0, 0);
        frame.show();
    }
    // The task bar's Done button, as a tap would press it.
    void pressDone() {
        QTest::mouseClick(frame.taskBar()->findChild<QToolButton*>(), Qt::LeftButton);
    }
};

inline void useProfile(const QString& name) {
    screen::select(name);
    shell::Application::applyScreenProfile();
}

// Writes the device screen of frame as SCREENSHOT_DIR/<name>-<profile>.png; false on failure.
#ifdef SCREENSHOT_DIR
inline bool saveShot(QWidget& frame, const QString& name) {
    return shell::saveScreenshot(
        frame, screenshotPath(QStringLiteral(SCREENSHOT_DIR), name, screen::current().name));
}
#endif

// Ends every full-screen dialog still running, the innermost first: a failed check must not
// leave a test waiting on a dialog forever.
inline void endRunningDialogs() {
    for (int round = 0; round < 8; ++round)
        for (QWidget* w : QApplication::allWidgets())
            if (auto* d = qobject_cast<shell::FullScreenDialog*>(w); d && d->isRunning())
                d->done(shell::IDCANCEL);
}

// Runs `action` once the dialog's event loop is up; the action must end the dialog. Should a
// failed check return early, every dialog still running ends after 20 seconds.
template <typename Dialog> int runWith(Dialog& dialog, const std::function<void()>& action) {
    QTimer::singleShot(30, &dialog, action);
    QTimer::singleShot(20000, &dialog, endRunningDialogs);
    return dialog.exec();
}

} // namespace velmora::testing
