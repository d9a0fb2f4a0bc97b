// Tests of keys, menus, soft-key bars, the frame's layout, task bar clock and tap-and-hold.
#include "platform/screen/ScreenProfile.h"
#include "platform/shell/Application.h"
#include "platform/shell/DeviceFrame.h"
#include "platform/shell/DeviceKey.h"
#include "platform/shell/Menu.h"
#include "platform/shell/SoftKeyBar.h"
#include "platform/shell/TapAndHold.h"
#include "platform/shell/tests/SampleMenuBar.h"
#include "platform/testing/ScreenTesting.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

using namespace velmora;
using namespace velmora::shell;

Q_DECLARE_METATYPE(velmora::shell::DeviceKey)

class ShellTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QVERIFY(screen::select(QStringLiteral("qvga"))); }

    void deviceKeys_data() {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<DeviceKey>("key");
        QTest::newRow("up") << int(Qt::Key_Up) << DeviceKey::Up;
        QTest::newRow("right") << int(Qt::Key_Right) << DeviceKey::Right;
        QTest::newRow("return") << int(Qt::Key_Return) << DeviceKey::Enter;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << DeviceKey::Enter;
        QTest::newRow("select") << int(Qt::Key_Select) << DeviceKey::Enter;
        QTest::newRow("space") << int(Qt::Key_Space) << DeviceKey::Space;
        QTest::newRow("0") << int(Qt::Key_0) << DeviceKey::Digit0;
        QTest::newRow("9") << int(Qt::Key_9) << DeviceKey::Digit9;
        QTest::newRow("escape") << int(Qt::Key_Escape) << DeviceKey::Back;
        QTest::newRow("backspace edits, it is not back")
            << int(Qt::Key_Backspace) << DeviceKey::None;
        QTest::newRow("letter is nothing") << int(Qt::Key_A) << DeviceKey::None;
        QTest::newRow("colon after 9 is nothing") << int(Qt::Key_Colon) << DeviceKey::None;
    }
    void deviceKeys() {
        QFETCH(int, qtKey);
        QFETCH(DeviceKey, key);
        const QKeyEvent event(QEvent::KeyPress, qtKey, Qt::NoModifier);
        QCOMPARE(deviceKeyOf(event), key);
        QCOMPARE(digitOf(key), qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9 ? qtKey - Qt::Key_0 : -1);
    }

    void menuBarDescriptionValidity_data() {
        QTest::addColumn<int>("leftId");
        QTest::addColumn<QString>("leftText");
        QTest::addColumn<int>("rightId");
        QTest::addColumn<QString>("rightText");
        QTest::addColumn<bool>("withMenu");
        QTest::addColumn<bool>("badItem");
        QTest::addColumn<bool>("valid");
        QTest::newRow("two commands") << 1 << "Trái" << 2 << "Phải" << false << false << true;
        QTest::newRow("right menu without id")
            << 1 << "Trái" << 0 << "Menu" << true << false << true;
        QTest::newRow("left only") << 1 << "Trái" << 0 << "" << false << false << true;
        QTest::newRow("no keys") << 0 << "" << 0 << "" << false << false << false;
        QTest::newRow("left text without id")
            << 0 << "Trái" << 2 << "Phải" << false << false << false;
        QTest::newRow("right command without id")
            << 1 << "Trái" << 0 << "Phải" << false << false << false;
        QTest::newRow("menu item without text")
            << 1 << "Trái" << 0 << "Menu" << true << true << false;
    }
    void menuBarDescriptionValidity() {
        QFETCH(int, leftId);
        QFETCH(QString, leftText);
        QFETCH(int, rightId);
        QFETCH(QString, rightText);
        QFETCH(bool, withMenu);
        QFETCH(bool, badItem);
        QFETCH(bool, valid);
        MenuBarDescription keys{leftId, leftText, rightId, rightText, {}};
        if (withMenu) keys.rightMenu = {{5, QStringLiteral("Mục"), 0, {}}};
        if (badItem) keys.rightMenu.push_back({6, QString(), 0, {}});
        QCOMPARE(isValidMenuBar(keys), valid);
        std::unique_ptr<SoftKeyBar> bar(SoftKeyBar::create(keys));
        QCOMPARE(bar != nullptr, valid);
    }

    void menuFlagsBuildActions() {
        std::unique_ptr<SoftKeyBar> bar(SoftKeyBar::create(velmora::shell::test::sampleMenuBar()));
        QVERIFY(bar);
        QMenu* menu = bar->rightMenu();
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 5);
        QVERIFY(menu->actions()[1]->isSeparator());
        QVERIFY(bar->action(201)->isChecked());
        QVERIFY(!bar->action(202)->isEnabled());
        QVERIFY(bar->action(203)->isEnabled() && !bar->action(203)->isCheckable());
        QAction* radio1 = bar->action(301);
        QAction* radio2 = bar->action(302);
        QVERIFY(radio1 && radio2 && radio1->isChecked() && !radio2->isChecked());
        radio2->trigger(); // one radio group: choosing one clears the other
        QVERIFY(radio2->isChecked() && !radio1->isChecked());
        bar->setItemEnabled(202, true);
        QVERIFY(bar->action(202)->isEnabled());
        bar->setItemChecked(201, false);
        QVERIFY(!bar->action(201)->isChecked());
        QCOMPARE(bar->action(999), nullptr);
    }

    void softKeyCommands() {
        std::unique_ptr<SoftKeyBar> bar(SoftKeyBar::create(velmora::shell::test::sampleMenuBar()));
        QSignalSpy spy(bar.get(), &SoftKeyBar::command);
        bar->pressLeft();
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.takeFirst().at(0).toInt(), 101);
        bar->action(302)->trigger(); // a submenu item
        bar->action(203)->trigger();
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy.at(0).at(0).toInt(), 302);
        QCOMPARE(spy.at(1).at(0).toInt(), 203);
        spy.clear();
        bar->action(202)->trigger(); // grayed: a disabled action does not fire
        QCOMPARE(spy.size(), 0);

        // A right key without a menu sends its own command.
        std::unique_ptr<SoftKeyBar> plain(
            SoftKeyBar::create({1, QStringLiteral("Xong"), 2, QStringLiteral("Hủy"), {}}));
        QSignalSpy plainSpy(plain.get(), &SoftKeyBar::command);
        plain->pressRight();
        QCOMPARE(plainSpy.size(), 1);
        QCOMPARE(plainSpy.at(0).at(0).toInt(), 2);
    }

    void softKeyClickedWithMouse() {
        DeviceFrame frame;
        SoftKeyBar* bar =
            SoftKeyBar::create({7, QStringLiteral("Hôm nay"), 8, QStringLiteral("Xong"), {}});
        frame.setMenuBar(bar);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QSignalSpy spy(bar, &SoftKeyBar::command);
        auto keys = bar->findChildren<QToolButton*>();
        QCOMPARE(keys.size(), 2);
        for (QToolButton* key : keys) QTest::mouseClick(key, Qt::LeftButton);
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy.at(0).at(0).toInt() + spy.at(1).at(0).toInt(), 15);
    }

    void setSoftKeyText_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::newRow("left key") << 1 << true << "Lưu"
                                  << "Hủy";
        QTest::newRow("right key") << 2 << true << "Xong"
                                   << "Lưu";
        QTest::newRow("unknown id") << 3 << false << "Xong"
                                    << "Hủy";
        QTest::newRow("zero id") << 0 << false << "Xong"
                                 << "Hủy";
    }
    void setSoftKeyText() {
        QFETCH(int, id);
        QFETCH(bool, changed);
        QFETCH(QString, left);
        QFETCH(QString, right);
        std::unique_ptr<SoftKeyBar> bar(
            SoftKeyBar::create({1, QStringLiteral("Xong"), 2, QStringLiteral("Hủy"), {}}));
        QCOMPARE(SetSoftKeyText(bar.get(), id, QStringLiteral("Lưu")), changed);
        QCOMPARE(bar->leftText(), left);
        QCOMPARE(bar->rightText(), right);
        QVERIFY(!SetSoftKeyText(nullptr, 1, QStringLiteral("Lưu")));
    }

    // The frame is the profile's exact size, the bars 26 units high, and the popup inside it.
    void frameLayoutPerProfile_data() { velmora::testing::addProfileRows(); }
    void frameLayoutPerProfile() {
        QFETCH(QString, profile);
        QVERIFY(screen::select(profile));
        Application::applyScreenProfile();
        const screen::Profile& p = screen::current();
        DeviceFrame frame;
        frame.setContent(new QLabel(QStringLiteral("Nội dung")));
        frame.setMenuBar(SoftKeyBar::create(velmora::shell::test::sampleMenuBar()));
        frame.setTitle(QStringLiteral("Lịch vạn sự"));
        frame.move(0, 0);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QCOMPARE(frame.size(), QSize(p.width, p.height));
        // Fonts and standard metrics follow the profile's dpi, not the host's.
        QCOMPARE(QApplication::font().pixelSize(), p.dpi == 192 ? 22 : 11);
        QCOMPARE(QApplication::style()->pixelMetric(QStyle::PM_SmallIconSize),
                 p.dpi == 192 ? 32 : 16);
        const int bar = p.dpi == 192 ? 52 : 26;
        QCOMPARE(frame.taskBar()->height(), bar);
        QCOMPARE(frame.menuBar()->geometry(), QRect(0, p.height - bar, p.width, bar));
        QCOMPARE(frame.content()->mapTo(&frame, QPoint(0, 0)), QPoint(0, bar));
        QCOMPARE(frame.content()->size(), QSize(p.width, p.height - 2 * bar));
        QCOMPARE(frame.taskBar()->title(), QStringLiteral("Lịch vạn sự"));

        frame.menuBar()->openRightMenu();
        QMenu* menu = frame.menuBar()->rightMenu();
        QTRY_VERIFY(menu->isVisible());
        const QRect screenRect(frame.mapToGlobal(QPoint(0, 0)), frame.size());
        const QRect menuRect(menu->mapToGlobal(QPoint(0, 0)), menu->size());
        QVERIFY2(screenRect.contains(menuRect), qPrintable(QStringLiteral("menu %1,%2 %3x%4")
                                                               .arg(menuRect.x())
                                                               .arg(menuRect.y())
                                                               .arg(menuRect.width())
                                                               .arg(menuRect.height())));
        QVERIFY(menuRect.bottom() < screenRect.bottom() - bar + 1); // above the bar
        menu->hide();
    }

    void fullScreenModeAndBack() {
        DeviceFrame frame;
        frame.setContent(new QLabel(QStringLiteral("Nội dung")));
        frame.setMenuBar(SoftKeyBar::create(velmora::shell::test::sampleMenuBar()));
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        frame.setFullScreenMode(true);
        QVERIFY(frame.taskBar()->isHidden());
        QVERIFY(frame.menuBar()->isHidden());
        QCOMPARE(frame.content()->geometry(), QRect(QPoint(0, 0), frame.size()));
        QCOMPARE(frame.workArea()->geometry(), frame.rect());
        frame.setFullScreenMode(false);
        QVERIFY(!frame.taskBar()->isHidden());
        QVERIFY(!frame.menuBar()->isHidden());
        QCOMPARE(frame.workArea()->geometry().top(), TaskBar::barHeight());
    }

    // A replaced content widget used to stay on screen, above the new one, until deleted later.
    void replacedContentDisappearsAtOnce() {
        DeviceFrame frame;
        auto* first = new QLabel(QStringLiteral("Một"));
        frame.setContent(first);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QPointer<QLabel> old(first);
        auto* second = new QLabel(QStringLiteral("Hai"));
        frame.setContent(second);
        QVERIFY(old && old->isHidden());
        QVERIFY(second->isVisible());
        QCOMPARE(frame.content(), second);
        QTRY_VERIFY(!old); // and it is deleted
    }

    // A program whose bar could not be created goes on without one.
    void frameWithoutMenuBar() {
        DeviceFrame frame;
        frame.setContent(new QLabel(QStringLiteral("Nội dung")));
        frame.setMenuBar(SoftKeyBar::create({}));
        QCOMPARE(frame.menuBar(), nullptr);
        QCOMPARE(frame.workArea()->geometry(), QRect(0, TaskBar::barHeight(), frame.width(),
                                                     frame.height() - TaskBar::barHeight()));
    }

    void taskBarClockShowsDeviceTime() {
        TaskBar bar; // VELMORA_NOW is 09:41 in the test environment
        QCOMPARE(bar.clockText(), QStringLiteral("09:41"));
    }

    void clockRefreshWaitsForNextMinute_data() {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<int>("wait");
        QTest::newRow("on the minute") << QTime(9, 41, 0, 0) << 60000;
        QTest::newRow("half way") << QTime(9, 41, 30, 0) << 30000;
        QTest::newRow("last millisecond") << QTime(9, 41, 59, 999) << 1;
    }
    void clockRefreshWaitsForNextMinute() {
        QFETCH(QTime, now);
        QFETCH(int, wait);
        QCOMPARE(TaskBar::msecsToNextMinute(now), wait);
    }

    void tapAndHold_data() {
        QTest::addColumn<int>("holdMs");
        QTest::addColumn<QPoint>("moveBy");
        QTest::addColumn<bool>("fires");
        QTest::newRow("held still") << 700 << QPoint(0, 0) << true;
        QTest::newRow("held with a small wobble") << 700 << QPoint(2, 1) << true;
        QTest::newRow("released early") << 200 << QPoint(0, 0) << false;
        QTest::newRow("dragged away") << 700 << QPoint(30, 0) << false;
    }
    void tapAndHold() {
        QFETCH(int, holdMs);
        QFETCH(QPoint, moveBy);
        QFETCH(bool, fires);
        QWidget widget;
        widget.resize(200, 200);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        TapAndHold* hold = TapAndHold::install(&widget);
        QSignalSpy spy(hold, &TapAndHold::held);
        const QPoint at(50, 60);
        QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, at);
        if (!moveBy.isNull()) {
            QTest::qWait(50);
            QMouseEvent move(QEvent::MouseMove, QPointF(at + moveBy),
                             widget.mapToGlobal(QPointF(at + moveBy)), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(&widget, &move);
        }
        QTest::qWait(holdMs);
        QTest::mouseRelease(&widget, Qt::LeftButton, Qt::NoModifier, at + moveBy);
        QCOMPARE(spy.size(), fires ? 1 : 0);
        if (fires) QCOMPARE(spy.at(0).at(0).toPoint(), at);
    }

    // A context menu asked for near the frame's corner opens inside the frame.
    void contextMenuKeptInsideFrame_data() {
        QTest::addColumn<QPoint>("at");
        QTest::newRow("bottom right") << QPoint(230, 300);
        QTest::newRow("right edge") << QPoint(239, 40);
        QTest::newRow("top left") << QPoint(0, 0);
    }
    void contextMenuKeptInsideFrame() {
        QFETCH(QPoint, at);
        DeviceFrame frame;
        frame.move(0, 0);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        std::unique_ptr<QMenu> menu(
            buildMenu(velmora::shell::test::sampleMenuBar().rightMenu, nullptr, {}));
        popupInsideWindow(menu.get(), &frame, frame.mapToGlobal(at));
        QTRY_VERIFY(menu->isVisible());
        const QRect frameRect(frame.mapToGlobal(QPoint(0, 0)), frame.size());
        QVERIFY(frameRect.contains(QRect(menu->pos(), menu->size())));
        if (at == QPoint(0, 0)) QCOMPARE(menu->pos(), frame.mapToGlobal(at)); // room: unmoved
    }

    void screenshotArguments_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("separate") << QStringList{"p", "--screenshot", "a.png", "x"} << true
                                  << "a.png" << QStringList{"p", "x"};
        QTest::newRow("joined") << QStringList{"p", "--screenshot=b.png"} << true << "b.png"
                                << QStringList{"p"};
        QTest::newRow("absent") << QStringList{"p", "x"} << true << "" << QStringList{"p", "x"};
        QTest::newRow("missing name")
            << QStringList{"p", "--screenshot"} << false << "" << QStringList{"p"};
        QTest::newRow("empty joined")
            << QStringList{"p", "--screenshot="} << false << "" << QStringList{"p"};
        QTest::newRow("next is an option") << QStringList{"p", "--screenshot", "--screen"} << false
                                           << "" << QStringList{"p", "--screen"};
    }
    void screenshotArguments() {
        QFETCH(QStringList, args);
        QFETCH(bool, ok);
        QFETCH(QString, path);
        QFETCH(QStringList, left);
        QString got, error;
        QCOMPARE(Application::takeScreenshotArgument(args, &got, &error), ok);
        QCOMPARE(got, path);
        QCOMPARE(args, left);
        QCOMPARE(error.isEmpty(), ok);
    }

    // Fails loudly on a machine without a font that has every Vietnamese letter.
    void vietnameseFontInstalled() { QCOMPARE(Application::checkFonts(), 0); }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
