// Program start-up on the device layer and the one-shot screenshot run.
#include "platform/shell/Application.h"

#include "platform/gdi/Font.h"
#include "platform/screen/ScreenProfile.h"
#include "platform/shell/DeviceFrame.h"
#include "platform/shell/DeviceStyle.h"
#include "platform/shell/Screenshot.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace velmora::shell {

int& Application::prepare(int& argc) {
    // Device pixels are window pixels: Qt must not scale by the host's dpi (set before the
    // application object exists, as Qt reads it then).
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    return argc;
}

Application::Application(int& argc, char** argv) : QApplication(prepare(argc), argv) {
    QStringList args = arguments();
    screen::selectFromArguments(args);
    QString error;
    if (!takeScreenshotArgument(args, &screenshotPath_, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        std::exit(2);
    }
    programArguments_ = args;
    gdi::installFontSubstitutions();
    applyScreenProfile();
}

bool Application::takeScreenshotArgument(QStringList& args, QString* path, QString* error) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a.startsWith(QLatin1String("--screenshot="))) {
            *path = a.mid(13);
            args.removeAt(i);
        } else if (a == QLatin1String("--screenshot")) {
            // An option right after it is not taken as the file name.
            const bool hasValue =
                i + 1 < args.size() && !args[i + 1].startsWith(QLatin1String("--"));
            *path = hasValue ? args[i + 1] : QString();
            args.remove(i, hasValue ? 2 : 1);
        } else {
            continue;
        }
        if (path->isEmpty()) {
            if (error) *error = QStringLiteral("Thiếu tên tệp ảnh sau --screenshot.");
            return false;
        }
        return true;
    }
    return true;
}

void Application::applyScreenProfile() {
    // The device's system font (8 pt Tahoma at 96 dpi is 11 px), scaled with the profile.
    QFont font = gdi::makeFont(QStringLiteral("Tahoma"), -screen::ScaleY(11));
    QApplication::setFont(font);
    QApplication::setStyle(new DeviceStyle(screen::current().dpi));
}

int Application::checkFonts() {
    const QFont font = gdi::makeFont(QStringLiteral("Tahoma"), -12);
    if (gdi::hasVietnameseGlyphs(font)) return 0;
    std::fprintf(stderr, "%s\n",
                 qPrintable(QStringLiteral(
                     "Lỗi: không có phông chữ nào đủ mọi chữ tiếng Việt. Cần cài "
                     "\"DejaVu Sans Condensed\" (gói fonts-dejavu-extra) hoặc \"DejaVu Sans\" "
                     "(gói fonts-dejavu-core).")));
    return 3;
}

int Application::run(DeviceFrame& frame) {
    if (const int rc = checkFonts()) return rc;
    frame.move(0, 0);
    frame.show();
    if (screenshotPath_.isEmpty()) return exec();

    // Let the first paint happen (and work posted during start-up run) before grabbing.
    QTimer::singleShot(0, &frame, [this, &frame] {
        QElapsedTimer waited;
        waited.start();
        while (frame.windowHandle() && !frame.windowHandle()->isExposed() &&
               waited.elapsed() < 2000)
            processEvents(QEventLoop::AllEvents, 50);
        processEvents();
        QString error;
        if (saveScreenshot(frame, screenshotPath_, &error)) {
            exit(0);
        } else {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            exit(1);
        }
    });
    return exec();
}

} // namespace velmora::shell
