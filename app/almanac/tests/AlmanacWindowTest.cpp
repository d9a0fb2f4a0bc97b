// The almanac window as a user meets it: the grid, keys, taps, lists, "Hôm nay", the soft keys,
// message boxes, opening from the main window, and screenshots at every screen profile.
#include "app/almanac/AlmanacWindow.h"
#include "VelmoraDay.h"
#include "app/almanac/AlmanacLists.h"
#include "app/almanac/MonthPanelPainter.h"
#include "app/res/CommandIds.h"
#include "app/shell/LunarMonthList.h"
#include "app/shell/MainWindow.h"
#include "app/shell/Tools.h"
#include "platform/gdi/ColorRef.h"
#include "platform/gdi/Font.h"
#include "platform/shell/Application.h"
#include "platform/shell/DeviceFrame.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/Screenshot.h"
#include "platform/testing/MessageBoxWatcher.h"
#include "platform/testing/ScreenTesting.h"
#include "suite/almanac/AlmanacReading.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

using namespace velmora::app;
using velmora::gdi::fromColorRef;
namespace shell = velmora::shell;
namespace screen = velmora::screen;

namespace {

const QString kFolder = QStringLiteral("\\Program Files\\LichVelmora");

SYSTEMTIME at(int day, int month, int year) {
    return velmora::systemTime(year, month, day, 10, 30);
}

struct Almanac {
    ProgramState state;
    std::unique_ptr<shell::DeviceFrame> frame;
    std::unique_ptr<AlmanacWindow> window;

    Almanac(int day, int month, int year, AlmanacWindow::ViewerFactory factory = {}) {
        state.programFolder = kFolder;
        state.currentDay.setToLocalTime(at(day, month, year));
        frame = std::make_unique<shell::DeviceFrame>();
        frame->show();
        window = std::make_unique<AlmanacWindow>(frame.get(), state, std::move(factory));
    }
    const LICHVELMORA& day() const { return state.currentDay.record; }
    MonthPanel* panel() const { return window->panel(); }
    void key(Qt::Key k) { QTest::keyClick(panel(), k); }
    void tapCell(int column, int row) {
        QTest::mouseClick(panel(), Qt::LeftButton, {}, gridCellRect(column, row).center());
    }
    bool cursorOnDay() const {
        const int t = currentCell(day());
        const AlmanacGridState& g = window->grid();
        return g.cursorMode == CursorFollowsDay && g.field == AlmanacDayGrid && g.column == t % 7 &&
               g.row == t / 7;
    }
};

int pixelsOf(const QImage& image, const QRect& rect, QColor colour) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
}

QString starDir(const QString& root) {
    return root + QStringLiteral("/Program Files/LichVelmora/Data");
}

} // namespace

class AlmanacWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir root;

  private slots:
    void initTestCase() {
        QVERIFY(root.isValid());
        qputenv("VELMORA_DEVICE_ROOT", root.path().toUtf8());
        qputenv("VELMORA_NOW", "2009-01-26T10:30");
        QVERIFY(QDir().mkpath(starDir(root.path())));
        for (const char* name : {"vansutot.dat", "vansuxau.dat"})
            QVERIFY(QFile::copy(QStringLiteral(ALMANAC_STAR_DATA_DIR "/") + QLatin1String(name),
                                starDir(root.path()) + QLatin1Char('/') + QLatin1String(name)));
        screen::select(QStringLiteral("vga"));
        shell::Application::applyScreenProfile();
    }

    void opensOnCurrentDayWithItsMenuBar() {
        Almanac a(26, 1, 2009);
        QVERIFY(a.window->open());
        shell::SoftKeyBar* bar = a.window->softKeyBar();
        QCOMPARE(a.frame->activeMenuBar(), bar);
        QCOMPARE(a.frame->taskBar()->title(), QStringLiteral("Lịch vạn sự"));
        QVERIFY(a.frame->taskBar()->isDoneVisible());
        QCOMPARE(bar->leftText(), QStringLiteral("Xem sao"));
        QCOMPARE(bar->rightText(), QStringLiteral("Mục chọn"));
        QCOMPARE(bar->action(CmdAlmanacToday)->text(), QStringLiteral("Hôm nay"));
        QCOMPARE(bar->action(shell::IDCANCEL)->text(), QStringLiteral("Trở về"));
        QCOMPARE(a.window->compositions(), 1);
        QVERIFY(a.window->viewer()->source().contains(QStringLiteral("ngày 26 tháng 1 năm 2009")));
        QVERIFY(!a.window->viewer()->clearTypeEnabled());
        QVERIFY(a.cursorOnDay());
        // Portrait: the panel is 147 units high, the viewer below it.
        QCOMPARE(a.panel()->geometry(), QRect(0, 0, a.window->width(), screen::ScaleY(147)));
        QCOMPARE(a.window->viewer()->geometry(),
                 readingViewerRect(a.window->size(), screen::Portrait));

        bar->action(shell::IDCANCEL)->trigger(); // "Trở về"
        QVERIFY(!a.window->isOpen());
        QVERIFY(a.frame->activeMenuBar() != bar);
        QCOMPARE(a.window->grid().field, int(AlmanacNoField));
        QCOMPARE(a.window->grid().cursorMode, int(CursorClosed));
    }

    void monthStartingOnSundayIsPaintedGreyThenRed() {
        Almanac a(15, 2, 2009);
        QVERIFY(a.window->open());
        const QImage image = a.panel()->render();
        const QColor silver(192, 192, 192), red(255, 0, 0),
            highlight = fromColorRef(kSystemColours.highlight);
        for (int column = 0; column < 6; ++column) {
            const QRect cell = gridCellRect(column, 0);
            QVERIFY2(pixelsOf(image, cell, silver) > 10, qPrintable(QString::number(column)));
            QCOMPARE(pixelsOf(image, cell, red), 0);
        }
        QVERIFY(pixelsOf(image, gridCellRect(6, 0), red) > 10);        // the 1st, a Sunday
        QVERIFY(pixelsOf(image, gridCellRect(6, 2), highlight) > 100); // the 15th, CurrentDay
        QCOMPARE(pixelsOf(image, gridCellRect(5, 2), highlight), 0);
    }

    void greyCellAfterDecemberMovesToJanuary() {
        Almanac a(31, 12, 2009);
        QVERIFY(a.window->open());
        a.tapCell(4, 4); // the grey 1 after the 31st
        QCOMPARE(a.day().nNgay, 1);
        QCOMPARE(a.day().nThang, 1);
        QCOMPARE(a.day().nNam, 2010);
        QCOMPARE(a.window->compositions(), 2);
        QVERIFY(a.window->viewer()->source().contains(QStringLiteral("ngày 1 tháng 1 năm 2010")));
        // The grid now shows January 2010: the 1st is a Friday, highlighted in column 4 of row 0.
        QVERIFY(a.cursorOnDay());
        QCOMPARE(a.window->grid().column, 4);
        QCOMPARE(a.window->grid().row, 0);
        const QImage image = a.panel()->render();
        QVERIFY(pixelsOf(image, gridCellRect(4, 0), fromColorRef(kSystemColours.highlight)) > 100);
        QVERIFY(pixelsOf(image, gridCellRect(0, 0), QColor(192, 192, 192)) > 10); // 28 December
    }

    void arrowsLeaveAndEnterTheGrid() {
        Almanac a(26, 1, 2009); // its cell: column 0, row 4
        QVERIFY(a.window->open());
        for (int i = 0; i < 6; ++i) a.key(Qt::Key_Right);
        QCOMPARE(a.window->grid().column, 6);
        QCOMPARE(a.window->grid().cursorMode, int(CursorMoved));
        a.key(Qt::Key_Right);
        QCOMPARE(a.window->grid().field, int(AlmanacLunarDayBox));
        a.key(Qt::Key_Left);
        QCOMPARE(a.window->grid().field, int(AlmanacDayGrid));
        for (int i = 0; i < 6; ++i) a.key(Qt::Key_Left);
        QCOMPARE(a.window->grid().column, 0);
        a.key(Qt::Key_Left);
        QCOMPARE(a.window->grid().field, int(AlmanacYearLabel));
        QCOMPARE(a.window->compositions(), 1); // moving reads nothing new
        QCOMPARE(a.day().nNgay, 26);
    }

    void key2ChangesNothing() {
        Almanac a(26, 1, 2009);
        QVERIFY(a.window->open());
        a.key(Qt::Key_Down);
        const AlmanacGridState before = a.window->grid();
        const QImage picture = a.panel()->render();
        a.key(Qt::Key_2);
        QCOMPARE(a.window->grid().field, before.field);
        QCOMPARE(a.window->grid().column, before.column);
        QCOMPARE(a.window->grid().row, before.row);
        QCOMPARE(a.window->grid().cursorMode, before.cursorMode);
        QCOMPARE(a.window->compositions(), 1);
        QCOMPARE(a.panel()->render(), picture);
        QVERIFY(a.window->isOpen());
    }

    void everyChangeOfDayRecomposes_data() {
        QTest::addColumn<int>("startDay");
        QTest::addColumn<QList<int>>("keys"); // Qt keys on the panel, then on the list if one opens
        QTest::addColumn<int>("tapColumn");   // -1: no tap
        QTest::addColumn<bool>("today");      // the "Hôm nay" command at the end
        QTest::addColumn<int>("compositions");
        QTest::addColumn<QDate>("expected");
        QTest::addColumn<bool>("followsClock");
        using K = QList<int>;
        QTest::newRow("arrows and 2 only") << 26 << K{Qt::Key_Up, Qt::Key_Left, Qt::Key_2} << -1
                                           << false << 1 << QDate(2009, 1, 26) << true;
        // A pick in the grid, like a pick from a list, stops the day page following the clock.
        QTest::newRow("enter on the moved cursor") << 26 << K{Qt::Key_Down, Qt::Key_Return} << -1
                                                   << false << 2 << QDate(2009, 2, 2) << false;
        QTest::newRow("enter on the day's own cell")
            << 26 << K{Qt::Key_Return} << -1 << false << 2 << QDate(2009, 1, 26) << false;
        QTest::newRow("tap a cell") << 26 << K{} << 3 << false << 2 << QDate(2009, 1, 15) << false;
        QTest::newRow("solar month list")
            << 26 << K{Qt::Key_1, Qt::Key_Return, Qt::Key_Down, Qt::Key_Return} << -1 << false << 2
            << QDate(2009, 2, 26) << false;
        QTest::newRow("solar year list")
            << 26 << K{Qt::Key_3, Qt::Key_Return, Qt::Key_Up, Qt::Key_Return} << -1 << false << 2
            << QDate(2008, 1, 26) << false;
        QTest::newRow("lunar day list")
            << 26 << K{Qt::Key_4, Qt::Key_Return, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return} << -1
            << false << 2 << QDate(2009, 1, 28) << false;
        // Lunar 1/1 Kỷ Sửu to lunar 1/1 Canh Dần, 14 February 2010.
        QTest::newRow("lunar year list")
            << 26 << K{Qt::Key_6, Qt::Key_Return, Qt::Key_Down, Qt::Key_Return} << -1 << false << 2
            << QDate(2010, 2, 14) << false;
        QTest::newRow("escape closes a list unapplied")
            << 26 << K{Qt::Key_6, Qt::Key_Return, Qt::Key_Down, Qt::Key_Escape} << -1 << false << 1
            << QDate(2009, 1, 26) << true;
        QTest::newRow("right closes a list unapplied")
            << 26 << K{Qt::Key_1, Qt::Key_Return, Qt::Key_Down, Qt::Key_Right} << -1 << false << 1
            << QDate(2009, 1, 26) << true;
        QTest::newRow("hôm nay") << 3 << K{} << -1 << true << 2 << QDate(2009, 1, 26) << true;
        // "Hôm nay" after a pick returns to the present and follows the clock again.
        QTest::newRow("list pick, then hôm nay")
            << 26 << K{Qt::Key_1, Qt::Key_Return, Qt::Key_Down, Qt::Key_Return} << -1 << true << 3
            << QDate(2009, 1, 26) << true;
    }
    void everyChangeOfDayRecomposes() {
        QFETCH(int, startDay);
        QFETCH(QList<int>, keys);
        QFETCH(int, tapColumn);
        QFETCH(bool, today);
        QFETCH(int, compositions);
        QFETCH(QDate, expected);
        QFETCH(bool, followsClock);
        Almanac a(startDay, 1, 2009);
        QVERIFY(a.window->open());
        for (int k : keys) {
            QWidget* target =
                a.panel()->list() ? static_cast<QWidget*>(a.panel()->list()) : a.panel();
            QTest::keyClick(target, Qt::Key(k));
        }
        if (tapColumn >= 0) a.tapCell(tapColumn, 2);
        if (today) a.window->softKeyBar()->action(CmdAlmanacToday)->trigger();
        QVERIFY(!a.panel()->list());
        QVERIFY(a.window->isOpen()); // Escape in a list closes only the list
        QCOMPARE(a.window->compositions(), compositions);
        QCOMPARE(QDate(a.day().nNam, a.day().nThang, a.day().nNgay), expected);
        QCOMPARE(a.state.currentDay.followClock, followsClock);
        if (compositions > 1) {
            QVERIFY(a.cursorOnDay()); // the cursor jumps back onto the day's cell
            QVERIFY(a.window->viewer()->source().contains(QStringLiteral("ngày %1 tháng %2 năm %3")
                                                              .arg(expected.day())
                                                              .arg(expected.month())
                                                              .arg(expected.year())));
        }
    }

    void lunarMonthListByStylusReachesTheLeapMonth() {
        Almanac a(26, 1, 2009);
        QVERIFY(a.window->open());
        QTest::mouseClick(a.panel(), Qt::LeftButton, {},
                          almanacFieldRect(AlmanacLunarMonthBox, screen::Portrait).center());
        QListWidget* list = a.panel()->list();
        QVERIFY(list);
        QCOMPARE(list->property("controlId").toInt(), IdcFieldList);
        QCOMPARE(list->count(), 13);
        QCOMPARE(list->geometry(),
                 shell::keptInside(almanacListRect(AlmanacLunarMonthBox, screen::Portrait),
                                   a.window->size()));
        list->scrollToItem(list->item(5));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(5)).center());
        QTRY_VERIFY(!a.panel()->list());
        QCOMPARE(a.day().nThangAm, 5);
        QCOMPARE(int(a.day().bNhuan), 1);
        QCOMPARE(a.day().nNgayAm, 1);
        QCOMPARE(QDate(a.day().nNam, a.day().nThang, a.day().nNgay), QDate(2009, 6, 23));
        QCOMPARE(a.window->compositions(), 2);
        QVERIFY(!a.state.currentDay.followClock);
    }

    void leftSoftKeyMovesTheFocus() {
        Almanac a(26, 1, 2009);
        a.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(a.frame.get()));
        QVERIFY(a.window->open());
        QVERIFY(a.panel()->hasFocus());
        QVERIFY(a.window->gridHasFocus());
        a.window->softKeyBar()->pressLeft();
        QCOMPARE(a.window->softKeyBar()->leftText(), QStringLiteral("Chọn lịch"));
        QVERIFY(a.window->viewer()->hasFocus());
        QVERIFY(!a.window->gridHasFocus());
        a.window->softKeyBar()->pressLeft();
        QCOMPARE(a.window->softKeyBar()->leftText(), QStringLiteral("Xem sao"));
        QVERIFY(a.panel()->hasFocus());
        QVERIFY(a.window->gridHasFocus());
        // A list takes the focus from the panel; the caption follows.
        a.key(Qt::Key_1);
        a.key(Qt::Key_Return);
        QVERIFY(a.panel()->list() && a.panel()->list()->hasFocus());
        QCOMPARE(a.window->softKeyBar()->leftText(), QStringLiteral("Chọn lịch"));
    }

    void missingStarFileIsReportedAndTheReadingGoesOn() {
        const QString file = starDir(root.path()) + QStringLiteral("/vansuxau.dat");
        QVERIFY(QFile::rename(file, file + QStringLiteral(".away")));
        velmora::testing::MessageBoxWatcher boxes;
        {
            Almanac a(26, 1, 2009);
            QVERIFY(a.window->open());
            QCOMPARE(boxes.texts, QStringList{QStringLiteral("Không tìm thấy file vansuxau.dat")});
            QCOMPARE(boxes.captions, QStringList{QStringLiteral("Có lỗi")});
            QVERIFY(boxes.types.first() & shell::MB_TOPMOST);
            QCOMPARE(boxes.buttonCounts.first(), 1);
            QVERIFY(a.window->viewer()->source().contains(QStringLiteral("Sao tốt")));
            a.tapCell(3, 2); // every composition reads the files again
            QCOMPARE(boxes.texts.size(), 2);
            QVERIFY(
                a.window->viewer()->source().contains(QStringLiteral("ngày 15 tháng 1 năm 2009")));
        }
        QVERIFY(QFile::rename(file + QStringLiteral(".away"), file));
    }

    void viewerFailureShowsTheMessageAndCloses() {
        velmora::testing::MessageBoxWatcher boxes;
        Almanac a(26, 1, 2009, [](QWidget*) { return nullptr; });
        QCOMPARE(a.window->exec(), 0);
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("Unable to Launch Browser")});
        QCOMPARE(boxes.captions, QStringList{QStringLiteral("Browser Control Problem:")});
        QVERIFY(!a.window->isOpen());
        QVERIFY(a.frame->activeMenuBar() != a.window->softKeyBar());
        QCOMPARE(a.window->compositions(), 0);
    }

    void openedFromTheMainWindowAndTheDayPageShowsTheChosenDay() {
        qputenv("VELMORA_NOW", "2009-01-26T10:30");
        ProgramState state;
        state.programFolder = kFolder;
        shell::DeviceFrame frame;
        auto* main = new MainWindow(state, frame);
        installTools(*main);
        frame.show();
        QVERIFY(main->hasTool(CmdAlmanac));
        bool sawWindow = false, clockStopped = false;
        QTimer::singleShot(0, [&] {
            auto* almanac = frame.findChild<AlmanacWindow*>();
            if (!almanac) return;
            sawWindow = almanac->isOpen();
            clockStopped = !main->dayPage()->clockRunning();
            QTest::mouseClick(almanac->panel(), Qt::LeftButton, {},
                              gridCellRect(3, 2).center());      // 15 Jan
            frame.taskBar()->findChild<QToolButton*>()->click(); // Done
        });
        main->onCommand(CmdAlmanac);
        QVERIFY(sawWindow);
        QVERIFY(clockStopped);
        const LICHVELMORA& day = state.currentDay.record;
        QCOMPARE(QDate(day.nNam, day.nThang, day.nNgay), QDate(2009, 1, 15));
        QCOMPARE(day.nNgayAm, 20); // lunar 20/12 Mậu Tý
        const RiseSetTimes expected = riseSetAtHome(15, 1, 2009);
        QCOMPARE(state.currentDay.riseSet.sunRise, expected.sunRise);
        QCOMPARE(state.currentDay.riseSet.moonSet, expected.moonSet);
        QCOMPARE(frame.activeMenuBar(), main->menuBar());
        QVERIFY(main->dayPage()->clockRunning());
        QCOMPARE(main->dayPage()->model().selectedField(), -1);
        QVERIFY(!frame.findChild<AlmanacWindow*>());
    }

    // A day picked in the almanac (grid by tap, grid by keys and Enter, or a list) used to be
    // shown on the day page for half a second, until the page's next tick went back to today.
    void dayPickedInTheAlmanacDoesNotJumpBackToToday_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("tapColumn");
        QTest::addColumn<QDate>("picked");
        using K = QList<int>;
        QTest::newRow("tap") << K{} << 3 << QDate(2009, 1, 15);
        QTest::newRow("keys and enter")
            << K{Qt::Key_Down, Qt::Key_Return} << -1 << QDate(2009, 2, 2);
        QTest::newRow("solar month list")
            << K{Qt::Key_1, Qt::Key_Return, Qt::Key_Down, Qt::Key_Return} << -1
            << QDate(2009, 2, 26);
    }
    void dayPickedInTheAlmanacDoesNotJumpBackToToday() {
        QFETCH(QList<int>, keys);
        QFETCH(int, tapColumn);
        QFETCH(QDate, picked);
        qputenv("VELMORA_NOW", "2009-01-26T10:30");
        ProgramState state;
        state.programFolder = kFolder;
        shell::DeviceFrame frame;
        auto* main = new MainWindow(state, frame);
        installTools(*main);
        frame.show();
        QTimer::singleShot(0, [&] {
            auto* almanac = frame.findChild<AlmanacWindow*>();
            QVERIFY(almanac);
            for (int k : keys) {
                QWidget* target = almanac->panel()->list()
                                      ? static_cast<QWidget*>(almanac->panel()->list())
                                      : almanac->panel();
                QTest::keyClick(target, Qt::Key(k));
            }
            if (tapColumn >= 0)
                QTest::mouseClick(almanac->panel(), Qt::LeftButton, {},
                                  gridCellRect(tapColumn, 2).center());
            frame.taskBar()->findChild<QToolButton*>()->click(); // Done
        });
        main->onCommand(CmdAlmanac);
        const LICHVELMORA& day = state.currentDay.record;
        QCOMPARE(QDate(day.nNam, day.nThang, day.nNgay), picked);
        // The clock moves past the page's next tick and on to the next minute.
        qputenv("VELMORA_NOW", "2009-01-26T10:30:01");
        main->dayPage()->clockTick();
        qputenv("VELMORA_NOW", "2009-01-26T10:31");
        main->dayPage()->clockTick();
        QCOMPARE(QDate(day.nNam, day.nThang, day.nNgay), picked);
    }

    // Screenshots for review, and the panel's texts measured against their boxes.
    void screenshotsAtEveryProfile_data() { velmora::testing::addProfileRows(); }
    void screenshotsAtEveryProfile() {
        QFETCH(QString, profile);
        QVERIFY(screen::select(profile));
        shell::Application::applyScreenProfile();
        const QDate starry = dayWithMostStars();
        QVERIFY(QDir().mkpath(QStringLiteral(ALMANAC_SHOT_DIR)));
        for (const QDate& date : {QDate(2009, 1, 26), starry}) {
            Almanac a(date.day(), date.month(), date.year());
            QVERIFY(a.window->open());
            const QString path = QStringLiteral(ALMANAC_SHOT_DIR "/almanac-%1-%2.png")
                                     .arg(profile, date.toString(QStringLiteral("yyyy-MM-dd")));
            QVERIFY(shell::saveScreenshot(*a.frame, path));
            QVERIFY(QFile::exists(path));
            if (date == starry) { // with the lunar month list open over the panel
                a.key(Qt::Key_5);
                a.key(Qt::Key_Return);
                QVERIFY(a.panel()->list());
                QVERIFY(shell::saveScreenshot(
                    *a.frame,
                    QStringLiteral(ALMANAC_SHOT_DIR "/almanac-%1-list.png").arg(profile)));
            }
            a.window->done();
        }
        checkTextsFit();
        screen::select(QStringLiteral("vga"));
        shell::Application::applyScreenProfile();
    }

  private:
    // Among the days of 2009 and 2010, the one whose reading lists the most stars.
    QDate dayWithMostStars() {
        static QDate best;
        if (best.isValid()) return best;
        const velmora::almanac::StarFilePaths files{
            (starDir(root.path()) + QStringLiteral("/vansutot.dat")).toStdString(),
            (starDir(root.path()) + QStringLiteral("/vansuxau.dat")).toStdString()};
        size_t most = 0;
        for (QDate d(2009, 1, 1); d.year() <= 2010; d = d.addDays(1)) {
            CurrentDay day;
            day.setToLocalTime(at(d.day(), d.month(), d.year()));
            const velmora::almanac::AlmanacContent content =
                velmora::almanac::collectAlmanacContent(day.record, files);
            if (content.good.size() + content.bad.size() > most) {
                most = content.good.size() + content.bad.size();
                best = d;
            }
        }
        qInfo("day with most stars: %s (%zu)", qPrintable(best.toString(Qt::ISODate)), most);
        return best;
    }

    // The widest texts each font draws fit the room they are drawn in.
    void checkTextsFit() {
        using screen::ScaleX;
        using velmora::gdi::makeFont;
        const auto width = [](int height, int weight, const QString& text) {
            return QFontMetrics(makeFont(QStringLiteral("Tahoma"), -ScaleX(height), weight))
                .horizontalAdvance(text);
        };
        const QRect cell = gridCellRect(0, 0);
        QVERIFY(width(11, 700, QStringLiteral("28")) <= cell.width() / 2);
        // The lunar number stays right of the solar number's half.
        QVERIFY(width(9, 500, QStringLiteral("28")) <= cell.width() - cell.width() / 2 - ScaleX(4));
        const int labelRoom = almanacFieldRect(AlmanacYearLabel, screen::Portrait).width();
        QVERIFY(width(13, 700, QStringLiteral("THÁNG 12")) <= labelRoom);
        QVERIFY(width(13, 700, QStringLiteral("NĂM 2009")) <= labelRoom);
        // Box labels: drawn in F1, made smaller only as far as the longest needs.
        const int boxRoom =
            almanacFieldRect(AlmanacLunarDayBox, screen::Portrait).width() - 2 * ScaleX(2);
        const QFont f1 = makeFont(QStringLiteral("Tahoma"), -ScaleX(11), 700);
        for (const QString& text : {QStringLiteral("Tháng 11n (đ)"), QStringLiteral("Tháng 12 (đ)"),
                                    QStringLiteral("Ngày 30"), QStringLiteral("Năm 2009")}) {
            const QFont fitted = fontToFit(f1, text, boxRoom);
            QVERIFY2(QFontMetrics(fitted).horizontalAdvance(text) <= boxRoom, qPrintable(text));
            QVERIFY(fitted.pixelSize() * 4 >= f1.pixelSize() * 3);
        }
        QCOMPARE(fontToFit(f1, QStringLiteral("Ngày 30"), boxRoom).pixelSize(), f1.pixelSize());
        for (int i = 0; i < 60; ++i)
            QVERIFY2(width(9, 700, canChiText(i)) <= boxRoom, qPrintable(canChiText(i)));
    }
};

QTEST_MAIN(AlmanacWindowTest)
#include "AlmanacWindowTest.moc"
