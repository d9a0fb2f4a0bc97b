// Tests of the item hosted by a real Today screen in this process: creation, the refresh query,
// selection and keys, its messages from other programs, the paint's edge cases, the tap-and-hold
// menu, and screenshots of every page at the four screen profiles.
#include "today/tests/TodayTestSupport.h"

#include "today/PanelPainting.h"
#include "today/TodayIds.h"
#include "today/WeatherPopup.h"

#include "platform/gdi/ColorRef.h"
#include "platform/gdi/Font.h"
#include "platform/imaging/ImageFile.h"
#include "platform/ipc/Messaging.h"
#include "platform/registry/RegistryKey.h"
#include "platform/screen/ScreenProfile.h"
#include "platform/shell/Screenshot.h"
#include "platform/testing/ScreenTesting.h"
#include "platform/today/TodayScreenLayout.h"
#include "suite/today/TodayNotify.h"
#include "suite/weather/WeatherLoader.h"
#include "suite/weather/WeatherStore.h"

#include "VelmoraDay.h"

#include <QMenu>
#include <QTest>
#include <cmath>
#include <numbers>

using namespace velmora;
using namespace velmora::today;
using namespace velmora::today::test;
using namespace velmora::todayscreen;

namespace {

QString shotPath(const QString& scene, const QString& profile) {
    return velmora::testing::screenshotPath(QStringLiteral(SCREENSHOT_DIR), scene, profile);
}

int pixelsOf(const QImage& image, QColor colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
}

// Solid pictures, one colour per file, so that a paint shows which picture went where.
QColor fixtureColour(int index) {
    return QColor::fromHsv(index * 30 % 360, 255, 128 + index * 10);
}

void writeSolidPicture(const QString& hostPath, QColor colour) {
    QImage image(44, 60, QImage::Format_RGB32);
    image.fill(colour);
    image.save(hostPath, "PNG");
}

} // namespace

class TodayItemTest : public QObject {
    Q_OBJECT
    std::unique_ptr<velmora::testing::TestDeviceRoot> root;

  private slots:
    void initTestCase() { gdi::installFontSubstitutions(); }
    void init() {
        root = std::make_unique<velmora::testing::TestDeviceRoot>("2025-12-31T09:41");
        installPictures(*root);
    }
    void cleanup() {
        root.reset();
        imaging::clearImageCache();
    }

    void disabledItemCreatesNoWindow() {
        TodayListItem description{};
        description.enabled = 0;
        QCOMPARE(InitializeCustomItem(&description, nullptr), nullptr);
        TodayScreen screen;
        QVERIFY(
            !screen.addItem(QStringLiteral("VelmoraToday"), InitializeCustomItem, nullptr, false));
        QCOMPARE(screen.itemCount(), 0);
        QCOMPARE(TodayItemWindow::current(), nullptr);
    }

    void refreshQueryChangesTheHeightOnlyWhenTheScreenTurns() {
        TodayHarness h(QStringLiteral("vga"));
        TodayListItem description{};
        description.height = 208; // as the host keeps it after the first query
        const auto query = [&] {
            return sendTodayMessage(h.item(), WM_TODAYCUSTOM_QUERYREFRESHCACHE, 0,
                                    reinterpret_cast<intptr_t>(&description));
        };
        QCOMPARE(query(), intptr_t(0)); // upright, 104 units: nothing changed
        screen::select(QStringLiteral("vga-landscape"));
        QCOMPARE(query(), intptr_t(1));
        QCOMPARE(description.height, 156); // 78 units at 192 dpi
        QCOMPARE(query(), intptr_t(0));
        QCOMPARE(h.item()->state().layout[DayButton].left(), 480); // the buttons at the right
        // Before the shell is ready, no answer at all.
        resetEvent(kShellApiReady);
        screen::select(QStringLiteral("vga"));
        QCOMPARE(query(), intptr_t(0));
        QCOMPARE(description.height, 156);
        QCOMPARE(sendTodayMessage(h.item(), WM_TODAYCUSTOM_QUERYREFRESHCACHE, 0, 0), intptr_t(0));
    }

    void hostStacksTheItemAtTheHeightItAnswers() {
        TodayHarness h(QStringLiteral("qvga"));
        QCOMPARE(h.screen->itemCount(), 1);
        QCOMPARE(h.item()->geometry(), QRect(0, 0, 240, 104));
        QCOMPARE(h.screen->itemDescription(0)->height, 104);
    }

    void tapSelectsAndTheHighlightIsTheBackground() {
        TodayHarness h(QStringLiteral("qvga"));
        const QColor highlight = gdi::fromColorRef(kHighlightColor);
        QTest::mouseClick(h.item(), Qt::LeftButton, {}, QPoint(200, 100)); // the year button
        QCOMPARE(h.screen->selected(), 0);
        QVERIFY(h.item()->state().selected);
        QCOMPARE(h.item()->picture().pixelColor(1, 1), highlight);
        // A tap below the items takes the selection away: the watermark shows again.
        QTest::mouseClick(h.screen, Qt::LeftButton, {}, QPoint(120, 250));
        QCOMPARE(h.screen->selected(), -1);
        QVERIFY(!h.item()->state().selected);
        const QColor corner = h.item()->picture().pixelColor(1, 1);
        QVERIFY(corner != highlight);
        QCOMPARE(corner.blue() > corner.red(), true); // the blue background
    }

    void keysMoveTheSelectionAndThePage() {
        TodayHarness h(QStringLiteral("qvga"));
        QTest::keyClick(h.screen, Qt::Key_Down); // the item takes the selection
        QCOMPARE(h.screen->selected(), 0);
        QTest::keyClick(h.screen, Qt::Key_Right);
        QCOMPARE(h.item()->state().page, 1);
        QTest::keyClick(h.screen, Qt::Key_Left);
        QTest::keyClick(h.screen, Qt::Key_Left);
        QCOMPARE(h.item()->state().page, 3);
        QTest::keyClick(h.screen, Qt::Key_Down); // no item below: the selection stays
        QCOMPARE(h.screen->selected(), 0);
    }

    void messagesFromOtherProgramsReachTheItem() {
        storePersonalRecord(QStringLiteral("Trần Minh Khoa"));
        TodayHarness h(QStringLiteral("qvga"));
        registry::RegistryKey key;
        uint32_t handle = 0;
        QCOMPARE(registry::RegistryKey::currentUser().open(
                     QStringLiteral("Software\\VelmoraSoft\\LichVelmora\\"), &key),
                 registry::Status::Success);
        QCOMPARE(key.getDword(QStringLiteral("VelmoraToday"), &handle), registry::Status::Success);
        QCOMPARE(handle, h.item()->handle());

        storePersonalRecord(QStringLiteral("Nguyễn Thị Lan"));
        QVERIFY(today::notifyTodayItem()); // what LichVelmora does after saving the record
        QCOMPARE(personal::fieldText(h.item()->state().personal.name),
                 QStringLiteral("Nguyễn Thị Lan"));

        // A stroke up the calendar browses to January; "Hôm nay", sent as a menu command through
        // the device's messaging, comes back at once.
        QTest::mousePress(h.item(), Qt::LeftButton, {}, QPoint(114, 59));
        QTest::mouseRelease(h.item(), Qt::LeftButton, {}, QPoint(114, 32));
        QCOMPARE(h.item()->state().shown.nThang, 1);
        QCOMPARE(h.item()->state().hold, kHoldSeconds);
        QVERIFY(ipc::post(handle, WM_COMMAND, CmdTodayToday, 0));
        QTRY_COMPARE(h.item()->state().shown.nThang, 12);
        QCOMPARE(h.item()->state().hold, 0);
        // A status message: connecting shows in the weather panel's title, finished reloads.
        QVERIFY(ipc::post(handle, WM_VL_STATUS, UpdateStarted, 0));
        QTRY_COMPARE(h.item()->state().status, uint32_t(UpdateStarted));
        QVERIFY(ipc::post(handle, WM_VL_STATUS, UpdateFailed, 0));
        QTest::qWait(50);
        QCOMPARE(h.item()->state().status, uint32_t(UpdateStarted)); // not reset on failure
    }

    void browsedMonthReturnsToTodayAfterSixtySecondsOfTheDeviceClock() {
        TodayHarness h(QStringLiteral("qvga"));
        QTest::mousePress(h.item(), Qt::LeftButton, {}, QPoint(114, 59));
        QTest::mouseRelease(h.item(), Qt::LeftButton, {}, QPoint(114, 32)); // to January
        for (int second = 1; second <= 60; ++second) {
            const QByteArray now = QStringLiteral("2025-12-31T09:41:%1")
                                       .arg(second % 60, 2, 10, QLatin1Char('0'))
                                       .toLatin1();
            velmora::testing::TestDeviceRoot::freezeClock(second == 60 ? "2025-12-31T09:42:00"
                                                                       : now.constData());
            h.item()->clockTick();
            if (second < 60) QCOMPARE(h.item()->state().shown.nThang, 1);
        }
        QCOMPARE(h.item()->state().shown.nThang, 12);
        QCOMPARE(h.item()->state().shown.nPhut, 42);
    }

    void mainProgramStartsFromItsFolderOrTheClockInstead() {
        const QString out = root->host(QStringLiteral("started.txt"));
        qputenv("VELMORA_PROBE_OUT", out.toUtf8());
        QDir().mkpath(root->host(QStringLiteral("Program Files/LichVelmora")));
        QDir().mkpath(root->host(QStringLiteral("Windows")));
        QFile::link(QStringLiteral(DEVICE_PROBE_PATH),
                    root->host(QStringLiteral("Program Files/LichVelmora/LichVelmora.exe")));
        registry::RegistryKey key;
        registry::RegistryKey::currentUser().create(
            QStringLiteral("Software\\VelmoraSoft\\LichVelmora"), &key);
        key.setString(QStringLiteral("ThuMucLich"), QStringLiteral("\\Program Files\\LichVelmora"));
        TodayHarness h(QStringLiteral("qvga"));
        sendTodayMessage(h.item(), WM_TODAYCUSTOM_ACTION);
        QTRY_VERIFY(QFile::exists(out));
        QCOMPARE(QString::fromUtf8(root->get(QStringLiteral("started.txt"))).split(u'\n').value(1),
                 QStringLiteral("qvga"));
        QFile::remove(out);
        // No program in the folder: the clock starts instead.
        key.setString(QStringLiteral("ThuMucLich"), QStringLiteral("\\Program Files\\Nowhere"));
        QFile::link(QStringLiteral(DEVICE_PROBE_PATH),
                    root->host(QStringLiteral("Windows/Clock.exe")));
        QTest::mouseDClick(h.item(), Qt::LeftButton, {}, QPoint(200, 100));
        QTRY_VERIFY(QFile::exists(out));
        qunsetenv("VELMORA_PROBE_OUT");
    }

    void reloadReadsTheShownCityAgain() {
        storeForecast();
        TodayHarness h(QStringLiteral("qvga"));
        QCOMPARE(weather::nameOf(h.item()->state().weather), QStringLiteral("Hà Nội"));
        weather::setShownCity(1);
        h.item()->TodayItemWndProc(WM_VL_RELOAD, 0, 0);
        QCOMPARE(weather::nameOf(h.item()->state().weather), QStringLiteral("Huế"));
        QCOMPARE(h.item()->state().weather.current.temperature, int8_t(22));
    }

    void digitalClockShowsNineOhFiveFromTheDigitPictures() {
        const QString folder = root->host(QStringLiteral("Digits"));
        QDir().mkpath(folder);
        for (int d = 0; d <= 9; ++d)
            writeSolidPicture(QStringLiteral("%1/vlh_%2.png").arg(folder).arg(d), fixtureColour(d));
        writeSolidPicture(folder + QStringLiteral("/vlh_s.png"), fixtureColour(10));
        TodayItemState s;
        s.settings = defaultTodaySettings();
        s.settings.imageFolder = QStringLiteral("\\Digits");
        s.units = Units{96, 96};
        showToday(s, systemTime(2025, 12, 31, 9, 5));
        s.page = 1; // the digital clock in the right panel
        layoutItem(s);
        const QImage image = PaintTodayItem(QSize(240, 104), s, 0, {});
        // Panel 1 spans x 120..240; the pictures sit from x 225 leftwards, y 22..52.
        const int y = 37;
        const int centres[] = {225 - 98 + 11, 225 - 76 + 11, 225 - 54 + 5, 225 - 44 + 11,
                               225 - 22 + 11};
        const int expected[] = {0, 9, 10, 0, 5};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(image.pixelColor(centres[i], y).rgb(), fixtureColour(expected[i]).rgb());
    }

    void hourHandAtHalfPastThreePointsAt105Degrees() {
        QCOMPARE(hourHandAngle(3, 30) * 180 / std::numbers::pi, 105.0);
        QCOMPARE(handEnd(QPoint(38, 40), 17, hourHandAngle(3, 30)), QPoint(38 + 16, 40 + 4));
        TodayItemState s;
        s.settings = defaultTodaySettings();
        s.settings.colors[4] = 0x0000FF; // red hands
        s.units = Units{96, 96};
        showToday(s, systemTime(2025, 12, 31, 3, 30));
        s.page = 2; // the analog clock, compact, in the right panel
        layoutItem(s);
        const QImage image = PaintTodayItem(
            QSize(240, 104), s, 0, [](QPainter& p, const QRect& r) { p.fillRect(r, Qt::white); });
        const QPointF centre(120 + 38, 40);
        auto redAt = [&](double degrees, double radius) {
            const double a = degrees * std::numbers::pi / 180;
            const QColor c = image.pixelColor(
                (centre + QPointF(radius * std::sin(a), -radius * std::cos(a))).toPoint());
            return c.red() > 200 && c.green() < 100;
        };
        QVERIFY(redAt(105, 12)); // the hour hand
        QVERIFY(redAt(180, 18)); // the minute hand at half past
        QVERIFY(!redAt(90, 14)); // three o'clock exactly is left of the hour hand
        QVERIFY(!redAt(125, 14));
    }

    void unknownWeatherShowsDashes() {
        weather::WeatherView view{};
        view.current.temperature = 0;
        QCOMPARE(currentTemperatureText(view), QStringLiteral("--°C"));
        QCOMPARE(temperaturePairText(view), QStringLiteral("--°C/--°C"));
        view.current.icon = 26;
        view.current.temperature = -3;
        view.morning[0].icon = 20;
        view.morning[0].temperature = 14;
        QCOMPARE(currentTemperatureText(view), QStringLiteral("-3°C"));
        QCOMPARE(temperaturePairText(view),
                 QStringLiteral("--°C/--°C")); // the afternoon is missing
        view.afternoon[0].icon = 30;
        view.afternoon[0].temperature = 21;
        QCOMPARE(temperaturePairText(view), QStringLiteral("21°C/14°C"));
    }

    void tapAndHoldOpensTheMenuWhosePagesChooseThePage() {
        TodayHarness h(QStringLiteral("qvga"));
        QTest::mousePress(h.item(), Qt::LeftButton, {}, QPoint(60, 40));
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = h.item()->findChild<QMenu*>()) && menu->isVisible());
        QTest::mouseRelease(h.item(), Qt::LeftButton, {}, QPoint(60, 40));
        QStringList texts;
        for (QAction* a : menu->actions()) texts << a->text();
        QCOMPARE(texts,
                 QStringList({"Cập nhật", "Hôm nay", "Chọn trang", "Lịch Velmora", "Tùy chọn"}));
        QVERIFY(h.item()->state().shown.nNgay == 31);        // the release after the hold is no tap
        menu->actions()[2]->menu()->actions()[2]->trigger(); // "Trang 3"
        QCOMPARE(h.item()->state().page, 2);
    }

    void screenshotsOfEveryPage_data() {
        QTest::addColumn<QString>("profile");
        for (const char* p : {"qvga", "vga", "vga-landscape", "wvga"})
            QTest::newRow(p) << QString::fromLatin1(p);
    }
    void screenshotsOfEveryPage() {
        QFETCH(QString, profile);
        storeForecast();
        storePersonalRecord(QStringLiteral("Nguyễn Thị Lan"));
        TodayHarness h(profile);
        QVERIFY(QTest::qWaitForWindowExposed(h.frame.get()));
        const screen::Profile& p = screen::current();
        const QColor white(Qt::white);
        for (int page = 0; page < 4; ++page) {
            for (bool selected : {false, true}) {
                h.screen->select(selected ? 0 : -1);
                QCoreApplication::processEvents();
                const QImage image = shell::grabDeviceScreen(*h.frame);
                QCOMPARE(image.size(), QSize(p.width, p.height));
                // White text of the item is on the screen.
                QVERIFY2(pixelsOf(image, white) > 150,
                         qPrintable(QStringLiteral("page %1").arg(page)));
                QCOMPARE(pixelsOf(image, gdi::fromColorRef(kHighlightColor)) > 1000, selected);
                image.save(shotPath(
                    QStringLiteral("today-page%1%2").arg(page + 1).arg(selected ? "-selected" : ""),
                    profile));
            }
            sendTodayMessage(h.item(), WM_TODAYCUSTOM_USERNAVIGATION, VK_RIGHT);
        }
        // The weather pop-up over the screen, for the shown city's day.
        h.item()->state().page = 1;
        layoutItem(h.item()->state());
        weather::LoadHourlyWeather(h.item()->state().hourly, 0, systemTime(2025, 12, 31, 9, 41));
        h.item()->state().hourlyDay = systemTime(2025, 12, 31, 9, 41);
        WeatherPopup popup(h.item()->state(),
                           QRect(h.frame->mapToGlobal(QPoint(0, 0)), h.frame->size()), h.item());
        popup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        const QImage withPopup = shell::grabDeviceScreen(*h.frame);
        QVERIFY(pixelsOf(withPopup, gdi::fromColorRef(0xFF9A35)) > 1000);
        withPopup.save(shotPath(QStringLiteral("today-weather-popup"), profile));
        // A tap anywhere in it closes it.
        QTest::mouseClick(&popup, Qt::LeftButton);
        QVERIFY(!popup.isVisible());
    }
};

QTEST_MAIN(TodayItemTest)
#include "TodayItemTest.moc"
