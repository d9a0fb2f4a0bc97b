// Screenshots of LichVelmora at every screen profile, written into the build folder for review:
// the day page of lunar new year 2009, a Sunday, a field chooser open, full-screen mode and the
// personal information dialog. Each picture is also checked for size and for its text.
#include "app/personal/PersonalInfoDialog.h"
#include "app/shell/FieldChooser.h"
#include "app/shell/MainWindow.h"
#include "platform/screen/ScreenProfile.h"
#include "platform/shell/Application.h"
#include "platform/shell/DeviceFrame.h"
#include "platform/shell/Screenshot.h"
#include "platform/testing/ScreenTesting.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace velmora::app;
using velmora::personal::setFieldText;

namespace {

int pixelsOf(const QImage& image, QColor color) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == color;
    return n;
}

QString shotPath(const QString& scene, const QString& profile) {
    return velmora::testing::screenshotPath(QStringLiteral(SCREENSHOT_DIR), scene, profile);
}

} // namespace

class ScreenshotsTest : public QObject {
    Q_OBJECT
    QTemporaryDir root;

    struct Screen {
        ProgramState state;
        std::unique_ptr<velmora::shell::DeviceFrame> frame;
        MainWindow* window;
        Screen(const QString& profile, const char* now) {
            velmora::screen::select(profile);
            velmora::shell::Application::applyScreenProfile();
            qputenv("VELMORA_NOW", now);
            state.programFolder = QStringLiteral("\\Program Files\\LichVelmora");
            frame = std::make_unique<velmora::shell::DeviceFrame>();
            window = new MainWindow(state, *frame);
            frame->show();
        }
    };

    // Saves the device screen and checks its size and that the page's colour is on it.
    QImage save(Screen& s, const QString& scene, const QString& profile, QColor text) {
        QCoreApplication::processEvents();
        const QImage image = velmora::shell::grabDeviceScreen(*s.frame);
        const auto& p = velmora::screen::current();
        [&] {
            QCOMPARE(image.size(), QSize(p.width, p.height));
            QVERIFY2(pixelsOf(image, text) > 100, qPrintable(scene + QLatin1Char(' ') + profile));
        }();
        image.save(shotPath(scene, profile));
        return image;
    }

  private slots:
    void initTestCase() {
        qputenv("VELMORA_DEVICE_ROOT", root.path().toUtf8());
        // The pictures of the build, installed as start-up would install them.
        const QString images = root.filePath(QStringLiteral("Program Files/LichVelmora/Images"));
        QDir().mkpath(images);
        for (const char* name : {"L01.jpg", "P01.jpg", "Q01.jpg"})
            QFile::copy(QStringLiteral(DEVICE_DATA_DIR "/Images/") + QLatin1String(name),
                        images + QLatin1Char('/') + QLatin1String(name));
    }

    void everyProfile_data() { velmora::testing::addProfileRows(); }

    void everyProfile() {
        QFETCH(QString, profile);
        const QColor blue(0, 0, 204), red(255, 0, 0);
        {
            Screen s(profile, "2009-01-26T10:30");
            save(s, QStringLiteral("day"), profile, blue);
        }
        {
            Screen s(profile, "2009-02-01T08:15");
            save(s, QStringLiteral("sunday"), profile, red);
        }
        {
            Screen s(profile, "2009-01-26T10:30");
            s.window->dayPage()->model().setSelectedField(FieldLunarDay);
            s.window->dayPage()->openChooser();
            QVERIFY(s.window->dayPage()->chooser()->isVisible());
            save(s, QStringLiteral("chooser"), profile, blue);
        }
        {
            Screen s(profile, "2009-01-26T10:30");
            s.frame->setFullScreenMode(true);
            const QImage image = save(s, QStringLiteral("fullscreen"), profile, blue);
            QCOMPARE(s.window->dayPage()->size(), image.size());
        }
        {
            Screen s(profile, "2009-01-26T10:30");
            setFieldText(s.state.personal.name, QStringLiteral("Nguyễn Thị Hồng Nhung"));
            setFieldText(s.state.personal.address,
                         QStringLiteral("12 phố Hàng Bạc, Hoàn Kiếm, Hà Nội"));
            PersonalInfoDialog dialog(s.window, s.state.personal);
            QImage image;
            QTimer::singleShot(0, &dialog, [&] {
                QCoreApplication::processEvents();
                image = velmora::shell::grabDeviceScreen(*s.frame);
                dialog.done(2);
            });
            dialog.exec();
            QCOMPARE(image.size(),
                     QSize(velmora::screen::current().width, velmora::screen::current().height));
            image.save(shotPath(QStringLiteral("personal"), profile));
        }
    }
};

QTEST_MAIN(ScreenshotsTest)
#include "ScreenshotsTest.moc"
