// Screenshots of LichVelmora at every screen profile, written into the build folder for review:
// the day page of lunar new year 2009, a Sunday, a field chooser open, full-screen mode and the
// personal information dialog; on the tall wvga screen the day page with a stored forecast and
// without one. Each picture is also checked for size and for its text.
#include "VelmoraDay.h"
#include "app/personal/PersonalInfoDialog.h"
#include "app/shell/FieldChooser.h"
#include "app/shell/MainWindow.h"
#include "app/shell/WeatherPanel.h"
#include "platform/screen/ScreenProfile.h"
#include "platform/shell/Application.h"
#include "platform/shell/DeviceFrame.h"
#include "platform/shell/Screenshot.h"
#include "platform/testing/ScreenTesting.h"
#include "suite/weather/CityTable.h"
#include "suite/weather/WeatherKeys.h"
#include "suite/weather/WeatherLoader.h"
#include "suite/weather/WeatherStore.h"
#include "suite/weather/tests/SlotTesting.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace velmora::app;
using velmora::personal::setFieldText;

namespace {

int pixelsOf(const QImage& image, QColor color, QRect area = {}) {
    if (area.isNull()) area = image.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += image.pixelColor(x, y) == color;
    return n;
}

// A forecast for Hà Nội as the Today item stores it: the current weather, updated at 10:05, and
// the morning and afternoon of the next ten days.
void storeHanoiForecast(QDate today) {
    using namespace velmora::weather;
    constexpr int hanoi = 5;
    const CityEntry& city = cityTable()[hanoi];
    QVERIFY(storeCity(hanoi, QString::fromUtf16(city.name), QString::fromUtf16(city.code), 0, 1));
    QVERIFY(setShownCity(1));
    QVERIFY(storeUpdateTime(hanoi,
                            velmora::systemTime(today.year(), today.month(), today.day(), 10, 5)));
    using test::slotOn;
    QVERIFY(storeSlot(hanoi, value::currentSlot, slotOn(today, -1, 28, 17)));
    for (QDate d = today; d < today.addDays(kForecastDays); d = d.addDays(1)) {
        QVERIFY(storeSlot(hanoi, morningValueName(d.year(), d.month(), d.day()),
                          slotOn(d, 31, 26, 14)));
        QVERIFY(storeSlot(hanoi, afternoonValueName(d.year(), d.month(), d.day()),
                          slotOn(d, 41, 30, 19)));
    }
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
        const QDir built(QStringLiteral(DEVICE_DATA_DIR "/Images"));
        for (const QString& name : built.entryList(QDir::Files))
            QFile::copy(built.filePath(name), images + QLatin1Char('/') + name);
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

    // The tall screen shows the weather panel under the leaf: empty ("--°C") until a forecast is
    // stored, then the city, the update time and the temperatures of the stored record.
    void wvgaWeatherPanel() {
        const QString profile = QStringLiteral("wvga");
        const QColor blue(0, 0, 204);
        const char* now = "2009-01-26T10:30";
        // The blue ink of the panel's half of the page, drawn below the leaf's last row.
        const auto panelInk = [&](Screen& s) {
            const QImage page = s.window->dayPage()->render();
            const int top = weatherPanelTop(page.height());
            return pixelsOf(page, blue, QRect(0, top, page.width() / 2, page.height() - top));
        };
        int emptyInk = 0;
        {
            Screen s(profile, now);
            loadProgramState(s.state);
            QCOMPARE(s.state.weather.current.icon, int8_t(0));
            save(s, QStringLiteral("weather-none"), profile, blue);
            emptyInk = panelInk(s);
            QVERIFY(emptyInk > 20);
        }
        storeHanoiForecast(QDate(2009, 1, 26));
        {
            Screen s(profile, now);
            loadProgramState(s.state);
            QCOMPARE(s.state.weather.current.temperature, int8_t(17));
            QCOMPARE(s.state.weather.morning[0].temperature, int8_t(14));
            save(s, QStringLiteral("weather-stored"), profile, blue);
            // The city name, the update line and a longer temperature line add ink to the panel.
            const int storedInk = panelInk(s);
            QVERIFY2(storedInk > emptyInk + 100,
                     qPrintable(QStringLiteral("%1 vs %2").arg(storedInk).arg(emptyInk)));
        }
    }
};

QTEST_MAIN(ScreenshotsTest)
#include "ScreenshotsTest.moc"
