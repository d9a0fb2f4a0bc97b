// The main window and the day page as a user meets them: keys, taps, soft keys, lists,
// colours, the clock and the weather panel, on a temporary device with a frozen clock.
#include "app/shell/MainWindow.h"
#include "app/res/CommandIds.h"
#include "app/res/MainMenu.h"
#include "app/shell/DayPageLayout.h"
#include "app/shell/FieldChooser.h"
#include "app/shell/WeatherPanel.h"
#include "platform/gdi/ColorRef.h"
#include "platform/ipc/RegisteredMessage.h"
#include "platform/screen/ScreenProfile.h"
#include "platform/shell/DeviceFrame.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/SoftKeyBar.h"
#include "platform/testing/MessageBoxWatcher.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace velmora::app;
using velmora::screen::ScaleY;

namespace {

struct Program {
    ProgramState state;
    std::unique_ptr<velmora::shell::DeviceFrame> frame;
    MainWindow* window = nullptr;

    explicit Program(const char* now) {
        qputenv("VELMORA_NOW", now);
        state.programFolder = QStringLiteral("\\Program Files\\LichVelmora");
        frame = std::make_unique<velmora::shell::DeviceFrame>();
        window = new MainWindow(state, *frame);
        frame->show();
    }
    DayPage& page() { return *window->dayPage(); }
    DayPageModel& model() { return page().model(); }
    const LICHVELMORA& day() { return state.currentDay.record; }
    QString leftKey() { return window->menuBar()->leftText(); }
    void key(Qt::Key k) { QTest::keyClick(&page(), k); }
};

// Pixels of a colour inside a rectangle of the rendered page.
int pixelsOf(const QImage& image, const QRect& rect, QColor color) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) n += image.pixelColor(x, y) == color;
    return n;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir root;

  private slots:
    void initTestCase() {
        qputenv("VELMORA_DEVICE_ROOT", root.path().toUtf8());
        velmora::screen::select(QStringLiteral("vga"));
    }

    void leftSoftKeyOpensTheAlmanacWithoutASelection() {
        Program p("2009-01-26T10:30");
        QCOMPARE(p.leftKey(), QStringLiteral("Lịch vạn sự"));
        int almanacRuns = 0;
        bool clockStopped = false;
        p.window->setTool(CmdAlmanac, [&](MainWindow& w) {
            ++almanacRuns;
            clockStopped = !w.dayPage()->clockRunning();
        });
        p.window->menuBar()->pressLeft();
        QCOMPARE(almanacRuns, 1);
        QVERIFY(clockStopped);
        QVERIFY(p.page().clockRunning());
    }

    void leftSoftKeyReturnsToTodayWithASelection() {
        Program p("2009-01-26T10:30");
        p.key(Qt::Key_Down); // field 0
        p.key(Qt::Key_Return);
        QVERIFY(p.page().chooser());
        QCOMPARE(p.leftKey(), QStringLiteral("Hôm nay"));
        QTest::keyClick(p.page().chooser(), Qt::Key_Down);
        QTest::keyClick(p.page().chooser(), Qt::Key_Return); // "Tháng 2"
        QCOMPARE(p.day().nThang, 2);
        QVERIFY(!p.state.currentDay.followClock);
        int almanacRuns = 0;
        p.window->setTool(CmdAlmanac, [&](MainWindow&) { ++almanacRuns; });
        p.window->menuBar()->pressLeft();
        QCOMPARE(almanacRuns, 0);
        QCOMPARE(p.day().nThang, 1);
        QCOMPARE(p.model().selectedField(), -1);
        QCOMPARE(p.leftKey(), QStringLiteral("Lịch Vạn Sự"));
    }

    void upFromNoSelectionReachesTheEmptyPosition() {
        Program p("2009-01-26T10:30");
        p.key(Qt::Key_Up);
        QCOMPARE(p.model().selectedField(), 12);
        p.key(Qt::Key_Return);
        QVERIFY(!p.page().chooser());
        p.state.currentDay.record.nNgay = 3; // a day away from today
        DoiAmDuong(&p.state.currentDay.record, DAD_DUONG | DAD_NGAY);
        p.window->menuBar()->pressLeft();
        QCOMPARE(p.day().nNgay, 26);
        QCOMPARE(p.leftKey(), QStringLiteral("Lịch Vạn Sự"));
    }

    void yearListOpenedOn2010() {
        Program p("2010-06-15T08:00");
        p.model().setSelectedField(FieldSolarYear);
        p.page().openChooser();
        QListWidget* list = p.page().chooser();
        QVERIFY(list);
        QCOMPARE(list->property("controlId").toInt(), IdcFieldList);
        QCOMPARE(list->count(), 100);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Năm 1960"));
        QCOMPARE(list->item(99)->text(), QStringLiteral("Năm 2059"));
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Năm 2010"));
        list->setCurrentRow(99);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(p.day().nNam, 2059);
        QCOMPARE(p.day().nThang, 6);
        QCOMPARE(p.day().nNgay, 15);
        QVERIFY(!p.page().chooser());
    }

    void leftOrRightClosesAListWithoutApplying() {
        Program p("2010-06-15T08:00");
        p.model().setSelectedField(FieldSolarMonth);
        p.page().openChooser();
        p.page().chooser()->setCurrentRow(0);
        QTest::keyClick(p.page().chooser(), Qt::Key_Right);
        QVERIFY(!p.page().chooser());
        QCOMPARE(p.day().nThang, 6);
        QVERIFY(p.state.currentDay.followClock);
    }

    void lunarMonthListOfALeapYear() {
        Program p("2009-08-01T08:00");
        p.model().setSelectedField(FieldLunarMonth);
        p.page().openChooser();
        QListWidget* list = p.page().chooser();
        QCOMPARE(list->count(), 13);
        QCOMPARE(list->item(5)->text(), QStringLiteral("Tháng 5 n (t)"));
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Tháng 6 (t)"));
    }

    void tapsSelectStrictlyInsideAndOpenTheList() {
        Program p("2009-01-26T10:30");
        const QRect month = slotRect(4, velmora::screen::GetScreenOrientation());
        QTest::mouseClick(&p.page(), Qt::LeftButton, {}, month.topLeft());
        QCOMPARE(p.model().selectedField(), -1);
        QVERIFY(!p.page().chooser());
        QTest::mouseClick(&p.page(), Qt::LeftButton, {}, month.center());
        QCOMPARE(p.model().selectedField(), 0);
        QVERIFY(p.page().chooser());
        QTest::mouseClick(&p.page(), Qt::LeftButton, {}, QPoint(2, p.page().height() - 2));
        QCOMPARE(p.model().selectedField(), -1);
        QVERIFY(!p.page().chooser());
    }

    void choosingTheMinorTermOfMarch() {
        Program p("2009-01-26T10:30");
        p.model().setSelectedField(FieldMinorTerm);
        p.page().openChooser();
        QListWidget* list = p.page().chooser();
        QVERIFY(list->item(2)->text().startsWith(QStringLiteral("Kinh trập:  ")));
        list->setCurrentRow(2);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(p.day().nThang, 3);
        QCOMPARE(p.day().nNgay, 5);
        QCOMPARE(p.day().nJD, static_cast<int>(std::floor(p.day().dTietKhi[3] + 0.5)));
    }

    void sundayIsRedAndSaturdayBlue() {
        const QRect weekdaySlot = slotRect(6, velmora::screen::Portrait);
        for (const auto& [now, color] : {std::pair{"2009-02-01T10:00", QColor(255, 0, 0)},
                                         std::pair{"2009-01-31T10:00", QColor(0, 0, 204)}}) {
            Program p(now);
            const QImage page = p.page().render();
            const QColor other = color == QColor(255, 0, 0) ? QColor(0, 0, 204) : QColor(255, 0, 0);
            QVERIFY2(pixelsOf(page, weekdaySlot, color) > 50, now);
            QCOMPARE(pixelsOf(page, page.rect(), other), 0);
        }
    }

    void midnightRollOver() {
        Program p("2009-01-25T23:59:30");
        QCOMPARE(p.day().nNgayAm, 30);
        const double sunRise = p.state.currentDay.riseSet.sunRise;
        qputenv("VELMORA_NOW", "2009-01-26T00:00:00");
        p.page().clockTick();
        QCOMPARE(p.day().nNgay, 26);
        QCOMPARE(p.day().nNgayAm, 1);
        QCOMPARE(p.day().nCanChiNam, 25);
        QVERIFY(p.state.currentDay.riseSet.sunRise != sunRise);
    }

    void fullScreenToggledBySpace() {
        Program p("2009-01-26T10:30");
        const int before = p.page().height();
        p.key(Qt::Key_Space);
        QVERIFY(p.frame->isFullScreenMode());
        QTRY_VERIFY(p.page().height() > before);
        p.key(Qt::Key_Space);
        QVERIFY(!p.frame->isFullScreenMode());
    }

    void weatherPanelByProfileAndClientHeight() {
        velmora::screen::select(QStringLiteral("qvga"));
        QVERIFY(!weatherPanelShown(velmora::screen::Portrait, 268));
        QVERIFY(!weatherPanelShown(velmora::screen::Portrait, 320));
        QVERIFY(weatherPanelShown(velmora::screen::Portrait, 321));
        velmora::screen::select(QStringLiteral("vga"));
        QVERIFY(!weatherPanelShown(velmora::screen::Portrait, 640));
        QVERIFY(weatherPanelShown(velmora::screen::Portrait, 641));
        QVERIFY(!weatherPanelShown(velmora::screen::Landscape, 900));
        QVERIFY(!weatherPanelShown(velmora::screen::Square, 900));

        // Drawn on a tall page: the temperature pair appears below the leaf.
        Program p("2009-01-26T10:30");
        velmora::weather::WeatherView view{};
        view.morning[0].icon = 0;
        p.page().setWeather(&view);
        p.page().resize(480, 900);
        const QRect panel(0, ScaleY(348), 480, ScaleY(90));
        QVERIFY(pixelsOf(p.page().render(), panel, QColor(0, 0, 204)) > 20);
        p.page().setWeather(nullptr);
        QCOMPARE(pixelsOf(p.page().render(), panel, QColor(0, 0, 204)), 0);
    }

    void ctrlQCloses() {
        Program p("2009-01-26T10:30");
        p.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.frame.get()));
        QSignalSpy closing(p.window, &MainWindow::closeRequested);
        QTest::keyClick(p.frame.get(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(closing.count(), 1);
        QVERIFY(!p.page().clockRunning());
    }

    // Ctrl+Q inside an open tool quit the program and lost the tool's unsaved edits.
    void ctrlQInsideAToolDoesNothing() {
        Program p("2009-01-26T10:30");
        p.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.frame.get()));
        QSignalSpy closing(p.window, &MainWindow::closeRequested);
        bool toolStillRunning = false;
        p.window->setTool(CmdPersonalInfo, [&](MainWindow&) {
            QTest::keyClick(p.frame.get(), Qt::Key_Q, Qt::ControlModifier);
            toolStillRunning = closing.isEmpty();
        });
        p.window->onCommand(CmdPersonalInfo);
        QVERIFY(toolStillRunning);
        QCOMPARE(closing.count(), 0);
        QVERIFY(p.frame->isVisible());
        QTest::keyClick(p.frame.get(), Qt::Key_Q, Qt::ControlModifier); // back on the page
        QCOMPARE(closing.count(), 1);
    }

    // A device clock outside 1800-2199 shows the nearest supported day and says so once.
    void clockOutsideTheRangeIsToldOnce() {
        velmora::testing::MessageBoxWatcher boxes;
        Program p("2300-03-04T10:30");
        QTRY_COMPARE(boxes.texts.size(), 1);
        QCOMPARE(p.day().nNam, 2199);
        QCOMPARE(p.day().nThang, 12);
        QCOMPARE(p.day().nNgay, 31);
        qputenv("VELMORA_NOW", "2300-03-04T10:31");
        p.page().clockTick();
        p.page().goToToday();
        QTest::qWait(50);
        QCOMPARE(boxes.texts.size(), 1);
        QCOMPARE(boxes.captions[0], QStringLiteral("Có lỗi"));
        QVERIFY(boxes.texts[0].contains(QStringLiteral("04/03/2300")));
        QVERIFY(boxes.texts[0].contains(QStringLiteral("31/12/2199")));
    }

    // What went wrong at start-up (here a userinfo.dat cut short) is told once the window is up.
    void startUpProblemsAreTold() {
        const QString file = root.path() + QStringLiteral("/My Documents/LichVelmora/userinfo.dat");
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QFile cut(file);
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(QByteArray(100, 'x'));
        cut.close();
        velmora::testing::MessageBoxWatcher boxes;
        const QStringList& told = boxes.texts;
        qputenv("VELMORA_NOW", "2009-01-26T10:30");
        ProgramState state;
        loadProgramState(state);
        velmora::shell::DeviceFrame frame;
        new MainWindow(state, frame);
        frame.show();
        QTRY_COMPARE(told.size(), 1);
        QVERIFY(told[0].contains(QStringLiteral("userinfo.dat")));
        QVERIFY(QFile::remove(file));
    }

    // The reminders announce their changes with this message: registered at start-up.
    void reminderChangeMessageIsRegisteredAtStartUp() {
        ProgramState state;
        loadProgramState(state);
        QVERIFY(state.reminderChangeMessage >= 0xC000);
        QCOMPARE(velmora::ipc::registerMessage(QStringLiteral("vl_lichnhan_change")),
                 state.reminderChangeMessage);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
