// The weather window as a user meets it: the stored forecast of "ThanhPho", the city list and
// what choosing a city changes, "Hiển thị", "Cập nhật" through the Today item, "Xóa dữ liệu cũ",
// the day page's weather panel afterwards, and screenshots.
#include "app/tools/WeatherWindow.h"
#include "app/res/CommandIds.h"
#include "app/shell/MainWindow.h"
#include "app/shell/Tools.h"
#include "app/tools/tests/ToolTestSupport.h"

#include "platform/ipc/Endpoint.h"
#include "platform/registry/RegistryKey.h"
#include "platform/testing/TestDeviceRoot.h"
#include "suite/today/TodayUpdate.h"
#include "suite/today/tests/TodayHandleSetter.h"
#include "suite/weather/CityTable.h"
#include "suite/weather/SystemTimeBytes.h"
#include "suite/weather/WeatherKeys.h"
#include "suite/weather/WeatherStore.h"

#include <QListWidget>
#include <memory>

using namespace velmora;
using namespace velmora::app;
using namespace velmora::weather;
using velmora::testing::MainFrame;
using velmora::testing::MessageBoxWatcher;
using velmora::testing::runWith;
using velmora::testing::TestDeviceRoot;
using velmora::today::testing::setTodayHandle;

namespace {

const QString kFolder = QStringLiteral("\\Program Files\\LichVelmora");
const QDate kToday(2025, 3, 1);

SYSTEMTIME at(const QDate& d, int hour, int minute = 0) {
    return SYSTEMTIME{uint16_t(d.year()),
                      uint16_t(d.month()),
                      uint16_t(d.dayOfWeek() % 7),
                      uint16_t(d.day()),
                      uint16_t(hour),
                      uint16_t(minute),
                      0,
                      0};
}

WeatherSlot slot(const QDate& d, int code, int icon, int temperature, int humidity) {
    WeatherSlot s{};
    s.year = d.year();
    s.code = int8_t(code);
    s.day = int8_t(d.day());
    s.month = int8_t(d.month());
    s.icon = int8_t(icon);
    s.temperature = int8_t(temperature);
    s.humidity = int8_t(humidity);
    s.windDirection = 4;
    s.windSpeed = 10;
    s.visibility = 100;
    s.highTemperature = int8_t(temperature + 3);
    s.dewPoint = 20;
    return s;
}

// A city stored as the Today item stores it: its subkey, this hour's update, ten days ahead and
// two slots of earlier days.
void storeForecast(int index, uint32_t csd, int temperature) {
    const CityEntry& row = cityTable()[index];
    QVERIFY(storeCity(index, QString::fromUtf16(row.name), QString::fromUtf16(row.code), csd, csd));
    if (csd >= kUncheckedCity) return;
    QVERIFY(storeUpdateTime(index, at(kToday, 9, 5)));
    QVERIFY(storeSlot(index, value::currentSlot, slot(kToday, -1, 28, temperature, 75)));
    for (int j = 0; j < 10; ++j) {
        const QDate d = kToday.addDays(j);
        const int weekday = d.dayOfWeek() - 1; // g_sThu: 0 Monday
        QVERIFY(storeSlot(index, morningValueName(d.year(), d.month(), d.day()),
                          slot(d, 32 + weekday, 30, temperature - 6, 85)));
        QVERIFY(storeSlot(index, afternoonValueName(d.year(), d.month(), d.day()),
                          slot(d, 42 + weekday, 32, temperature, 60)));
    }
    QVERIFY(
        storeSlot(index, hourValueName(2025, 2, 25, 9), slot(QDate(2025, 2, 25), 9, 28, 20, 70)));
    QVERIFY(
        storeSlot(index, morningValueName(2025, 2, 20), slot(QDate(2025, 2, 20), 36, 30, 20, 70)));
}

QStringList valueNames(int index) {
    registry::RegistryKey city;
    registry::RegistryKey::currentUser().open(kWeatherKeyPath + "\\" + cityKeyName(index), &city);
    QStringList names;
    QString name;
    for (uint32_t i = 0; city.enumValue(i, &name) == registry::Status::Success; ++i) names << name;
    return names;
}

void tap(QWidget* w, QPoint at) {
    QTest::mousePress(w, Qt::LeftButton, {}, at);
    QTest::mouseRelease(w, Qt::LeftButton, {}, at);
}

QPoint inNameBox() {
    return QPoint(screen::ScaleX(20), screen::ScaleX(10));
}

} // namespace

class WeatherWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDeviceRoot> root;
    ProgramState state;
    uint32_t city = 0;

  private slots:
    void init() {
        root = std::make_unique<TestDeviceRoot>("2025-03-01T09:30:00");
        velmora::testing::useProfile(QStringLiteral("qvga"));
        state = ProgramState{};
        state.programFolder = kFolder;
        storeForecast(6, 0, 33);     // Hồ Chí Minh, the first checked city
        storeForecast(5, 1, 24);     // Hà Nội
        storeForecast(26, 10000, 0); // Đà Nẵng, unchecked
        // The pictures of the build, as installation puts them.
        const QString images = root->host(QStringLiteral("Program Files/LichVelmora/Images"));
        QDir().mkpath(images);
        for (const QString& name :
             QDir(QStringLiteral(DEVICE_DATA_DIR "/Images")).entryList({"w*.png", "*.jpg"}))
            QFile::copy(QStringLiteral(DEVICE_DATA_DIR "/Images/") + name, images + "/" + name);
    }
    void cleanup() { root.reset(); }

    void opensOnTheShownCityAndFillsTheProgramsView() {
        MainFrame f;
        {
            WeatherWindow window(&f.frame, state, city);
            runWith(window, [&] { window.done(shell::IDCANCEL); });
        }
        QCOMPARE(nameOf(state.weather), QStringLiteral("Hồ Chí Minh")); // no "ThanhPho": 0
        QCOMPARE(state.weather.current.temperature, int8_t(33));
        QVERIFY(setShownCity(1));
        WeatherWindow window(&f.frame, state, city);
        runWith(window, [&] {
            QCOMPARE(window.title(), QStringLiteral("Dự báo thời tiết"));
            QCOMPARE(window.softKeyBar()->leftText(), QStringLiteral("Cập nhật"));
            window.done(shell::IDCANCEL);
        });
        QCOMPARE(nameOf(state.weather), QStringLiteral("Hà Nội"));
        QCOMPARE(city, 1u);
    }

    // A tap in the name box shows the list at the shown city; a tap elsewhere removes it.
    void theCityListComesAndGoes() {
        MainFrame f;
        WeatherWindow window(&f.frame, state, city);
        runWith(window, [&] {
            QVERIFY(!window.cityList());
            tap(&window, inNameBox());
            QListWidget* list = window.cityList();
            QVERIFY(list);
            QCOMPARE(list->property("controlId").toInt(), IdcWeatherCityList);
            QCOMPARE(list->count(), 33);
            QCOMPARE(list->item(5)->text(), QStringLiteral("Hà Nội"));
            QCOMPARE(list->currentRow(), 6); // sequence 0 is the subkey "006"
            QCOMPARE(list->geometry(), QRect(screen::ScaleX(10), screen::ScaleY(10),
                                             screen::ScaleX(100), screen::ScaleY(100)));
            tap(&window, inNameBox());
            QCOMPARE(window.cityList(), list);
            tap(&window, QPoint(window.width() - 5, window.height() - 5));
            QVERIFY(!window.cityList());
            window.done(shell::IDCANCEL);
        });
    }

    // Choosing Hà Nội shows it at once; "Trở về" keeps "ThanhPho", Done writes it.
    void choosingACity() {
        MainFrame f;
        for (bool done : {false, true}) {
            WeatherWindow window(&f.frame, state, city);
            runWith(window, [&] {
                tap(&window, inNameBox());
                QTest::mouseClick(
                    window.cityList()->viewport(), Qt::LeftButton, {},
                    window.cityList()->visualItemRect(window.cityList()->item(5)).center());
                QTRY_VERIFY(!window.cityList());
                QCOMPARE(nameOf(state.weather), QStringLiteral("Hà Nội"));
                QCOMPARE(city, 1u);
                if (done)
                    f.pressDone();
                else
                    window.softKeyBar()->action(shell::IDCANCEL)->trigger();
            });
            QCOMPARE(shownCity(), done ? std::optional<uint32_t>(1) : std::nullopt);
        }
    }

    void aCityTheTodayItemDoesNotFetchIsToldAndLeftAlone_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::newRow("unchecked") << 26 << "Đà Nẵng";
        QTest::newRow("never stored") << 0 << "An Nhơn";
    }
    void aCityTheTodayItemDoesNotFetchIsToldAndLeftAlone() {
        QFETCH(int, row);
        QFETCH(QString, name);
        MainFrame f;
        WeatherWindow window(&f.frame, state, city);
        MessageBoxWatcher boxes;
        runWith(window, [&] {
            tap(&window, inNameBox());
            window.cityList()->setCurrentRow(row);
            QTest::keyClick(window.cityList(), Qt::Key_Return);
            QTRY_COMPARE(boxes.texts.size(), 1);
            window.done(shell::IDCANCEL);
        });
        QCOMPARE(boxes.texts.first(),
                 QStringLiteral("Chưa có dự báo của %1: VelmoraToday chỉ tải dự báo của các "
                                "thành phố được chọn trong mục chọn của nó.")
                     .arg(name));
        QCOMPARE(boxes.captions.first(), QStringLiteral("Dự báo thời tiết"));
        QCOMPARE(city, 0u);
        QCOMPARE(nameOf(state.weather), QStringLiteral("Hồ Chí Minh"));
    }

    void showReloads() {
        MainFrame f;
        WeatherWindow window(&f.frame, state, city);
        runWith(window, [&] {
            QVERIFY(storeSlot(6, value::currentSlot, slot(kToday, -1, 12, 35, 50)));
            QCOMPARE(state.weather.current.temperature, int8_t(33));
            window.softKeyBar()->action(CmdWeatherShow)->trigger();
            QCOMPARE(state.weather.current.temperature, int8_t(35));
            window.done(shell::IDCANCEL);
        });
    }

    // "Cập nhật" posts the Today item its own update command; its new forecast shows when it
    // has stored it. Without a Today item the user is told.
    void updateGoesThroughTheTodayItem() {
        QObject owner;
        QList<QList<qint64>> received;
        const ipc::Handle handle =
            ipc::registerEndpoint(&owner, [&](uint32_t m, uint32_t w, int32_t l) {
                received.append({qint64(m), qint64(w), qint64(l)});
                // The item downloads and stores, as its worker would.
                storeSlot(6, value::currentSlot, slot(kToday, -1, 4, 29, 90));
                storeUpdateTime(6, at(kToday, 9, 31));
                return 0;
            });
        QVERIFY(handle && setTodayHandle(handle));
        MainFrame f;
        WeatherWindow window(&f.frame, state, city);
        runWith(window, [&] {
            window.softKeyBar()->pressLeft();
            QTRY_COMPARE(received.size(), 1);
            QTRY_COMPARE_WITH_TIMEOUT(state.weather.current.temperature, int8_t(29), 5000);
            QCOMPARE(state.weather.updated.wMinute, uint16_t(31));
            window.done(shell::IDCANCEL);
        });
        QCOMPARE(received.first(), (QList<qint64>{0x0111, 40005, 0}));
    }

    void updateWithoutATodayItemIsTold() {
        MainFrame f;
        WeatherWindow window(&f.frame, state, city);
        MessageBoxWatcher boxes;
        runWith(window, [&] {
            window.softKeyBar()->pressLeft();
            window.done(shell::IDCANCEL);
        });
        QCOMPARE(boxes.texts,
                 QStringList{QStringLiteral("Dự báo thời tiết do VelmoraToday tải về, nhưng "
                                            "VelmoraToday hiện không chạy.")});
        QCOMPARE(boxes.captions, QStringList{QStringLiteral("Có lỗi")});
    }

    void purgeDropsTheShownCitysEarlierDays() {
        MainFrame f;
        WeatherWindow window(&f.frame, state, city);
        QVERIFY(valueNames(6).contains("2025022509"));
        runWith(window, [&] {
            window.softKeyBar()->action(CmdWeatherPurge)->trigger();
            window.done(shell::IDCANCEL);
        });
        const QStringList left = valueNames(6);
        QVERIFY(!left.contains("2025022509"));
        QVERIFY(!left.contains("20250220SA"));
        QVERIFY(left.contains("20250301SA"));
        QVERIFY(left.contains("HienTai"));
        QVERIFY(valueNames(5).contains("2025022509")); // another city's slots stay
        QCOMPARE(nameOf(state.weather), QStringLiteral("Hồ Chí Minh"));
    }

    // The day page paints the weather the window loaded. On wvga its panel begins at 348 units,
    // which is where the page's 696 pixels end, so the page is grabbed taller to see it.
    void theDayPagePaintsTheLoadedWeather() {
        velmora::testing::useProfile(QStringLiteral("wvga"));
        shell::DeviceFrame frame;
        auto* main = new MainWindow(state, frame);
        installTools(*main);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        const auto panel = [&] {
            DayPage* page = main->dayPage();
            const QSize shown = page->size();
            page->resize(shown.width(), screen::ScaleY(348 + 110));
            const QImage image = page->grab().toImage().copy(0, screen::ScaleY(340), page->width(),
                                                             screen::ScaleY(110));
            page->resize(shown);
            return image;
        };
        const QImage before = panel();
        QTimer::singleShot(100, &frame, [&] {
            QTRY_VERIFY(frame.activeMenuBar() != main->menuBar());
            QTest::mouseClick(frame.taskBar()->findChild<QToolButton*>(), Qt::LeftButton);
        });
        main->onCommand(CmdWeather);
        QCOMPARE(nameOf(state.weather), QStringLiteral("Hồ Chí Minh"));
        const QImage after = panel();
        QVERIFY(after != before);
        QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
        QVERIFY(after.save(QStringLiteral(SCREENSHOT_DIR "/daypage-weather-panel-wvga.png")));
    }

    void screenshots_data() { velmora::testing::addScreenshotRows(); }
    void screenshots() {
        QFETCH(QString, profile);
        velmora::testing::useProfile(profile);
        MainFrame f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.frame));
        WeatherWindow window(&f.frame, state, city);
        runWith(window, [&] {
            QVERIFY(velmora::testing::saveShot(f.frame, QStringLiteral("weather")));
            tap(&window, inNameBox());
            QVERIFY(velmora::testing::saveShot(f.frame, QStringLiteral("weather-cities")));
            window.done(shell::IDCANCEL);
        });
    }
};

QTEST_MAIN(WeatherWindowTest)
#include "WeatherWindowTest.moc"
