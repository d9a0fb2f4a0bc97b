// What the tool window tests share: a device frame to own the windows, a watcher that answers
// message boxes and remembers them, screenshots into the build folder, and finding controls.
#pragma once

#include "platform/screen/ScreenProfile.h"
#include "platform/shell/Application.h"
#include "platform/shell/DeviceFrame.h"
#include "platform/shell/FullScreenDialog.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/Screenshot.h"
#include "platform/testing/ScreenTesting.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace velmora::testing {

// The main window's frame, shown, with a page as its content.
struct ToolFrame {
    shell::DeviceFrame frame;
    ToolFrame() {
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

// Answers every message box that appears with its first button and remembers what it said.
struct BoxWatcher {
    QTimer timer;
    QStringList texts, captions;
    QList<unsigned> types;
    QList<bool> owned;
    BoxWatcher() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<shell::MessageBoxDialog*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            texts << box->text();
            captions << box->caption();
            types << box->type();
            owned << (box->parentWidget() != nullptr);
            box->buttons().first()->click();
        });
        timer.start(5);
    }
};

inline void useProfile(const QString& name) {
    screen::select(name);
    shell::Application::applyScreenProfile();
}

// Writes the device screen of frame as SCREENSHOT_DIR/<name>-<profile>.png; false on failure.
inline bool saveShot(QWidget& frame, const QString& name) {
    return shell::saveScreenshot(
        frame, screenshotPath(QStringLiteral(SCREENSHOT_DIR), name, screen::current().name));
}

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

// The rectangle a label's text takes inside the label.
inline QRect labelTextRect(const QLabel& label) {
    const QFontMetrics fm(label.font());
    const QSize text(fm.horizontalAdvance(label.text()), fm.height());
    return QStyle::alignedRect(label.layoutDirection(), label.alignment(), text,
                               label.contentsRect())
        .translated(label.pos());
}

// Pixels of exactly this colour inside rect of image.
inline int pixelsOf(const QImage& image, const QRect& rect, const QColor& colour) {
    int n = 0;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
}

// Every visible child of parent lies inside it and no two overlap; a label counts by the text it
// shows, as a transparent label's box may reach under its neighbour.
inline bool laidOutCleanly(QWidget& parent, QString* problem) {
    QList<QWidget*> items;
    for (QWidget* w : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisible()) items << w;
    const auto area = [](QWidget* w) {
        const auto* label = qobject_cast<QLabel*>(w);
        return label ? labelTextRect(*label) : w->geometry();
    };
    for (QWidget* w : items) {
        if (!parent.rect().contains(area(w))) {
            *problem = w->objectName() + QStringLiteral(" outside");
            return false;
        }
        for (QWidget* other : items)
            if (other != w && area(w).intersects(area(other))) {
                *problem = w->objectName() + QStringLiteral(" overlaps ") + other->objectName();
                return false;
            }
    }
    return true;
}

} // namespace velmora::testing
