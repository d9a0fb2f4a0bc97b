// Tests of the Today screen: items registered in the device and loaded as plug-ins, stacked at
// the height they answer, the selection by taps and keys, the background and colour it gives
// them, their options, and the rules of layout and selection on their own.
#include "platform/today/TodayScreen.h"
#include "platform/today/NamedEvent.h"
#include "platform/today/TodayItems.h"
#include "platform/today/TodayScreenCommands.h"
#include "platform/today/TodayScreenLayout.h"

#include "platform/gdi/ColorRef.h"
#include "platform/registry/RegistryKey.h"
#include "platform/testing/TestDeviceRoot.h"

#include <QFile>
#include <QTest>

using namespace velmora;
using namespace velmora::todayscreen;

namespace {

// Installs the probe plug-in into the device as the installer does (a link in a program folder)
// and registers it under `name`.
void registerProbe(const velmora::testing::TestDeviceRoot& root, const QString& name,
                   uint32_t order, bool options = true) {
    QDir().mkpath(root.host(QStringLiteral("Program Files/Probe")));
    QFile::link(QStringLiteral(PROBE_PLUGIN),
                root.host(QStringLiteral("Program Files/Probe/%1.dll").arg(name)));
    ItemRegistration item;
    item.name = name;
    item.dll = QStringLiteral("\\Program Files\\Probe\\%1.dll").arg(name);
    item.order = order;
    item.options = options;
    QVERIFY(registerItem(item));
}

int messages(QWidget* item, uint32_t msg) {
    return item->property(("message" + QByteArray::number(msg)).constData()).toInt();
}

} // namespace

class TodayScreenTest : public QObject {
    Q_OBJECT
    std::unique_ptr<velmora::testing::TestDeviceRoot> root;

  private slots:
    void init() { root = std::make_unique<velmora::testing::TestDeviceRoot>(); }
    void cleanup() { root.reset(); }

    void stacksAndSelectsByTheRules() {
        const std::vector<QRect> rects = stackItems({40, 0, 30}, 240);
        QCOMPARE(rects[0], QRect(0, 0, 240, 40));
        QVERIFY(rects[1].isEmpty()); // no room for an item of height 0
        QCOMPARE(rects[2], QRect(0, 40, 240, 30));
        QCOMPARE(itemAt(rects, {10, 45}), 2);
        QCOMPARE(itemAt(rects, {10, 70}), -1);
        const struct {
            int from;
            bool down;
            int to;
        } moves[] = {{-1, true, 0}, {0, true, 2},  {2, true, 2},
                     {2, false, 0}, {0, false, 0}, {-1, false, 2}};
        for (const auto& m : moves) QCOMPARE(moveSelection(rects, m.from, m.down), m.to);
    }

    void loadsTheRegisteredItemsInOrder() {
        registerProbe(*root, QStringLiteral("probe30"), 2);
        registerProbe(*root, QStringLiteral("probe40"), 1, false);
        ItemRegistration missing;
        missing.name = QStringLiteral("gone");
        missing.dll = QStringLiteral("\\Program Files\\Probe\\nothing.dll");
        QVERIFY(registerItem(missing));
        setEvent(kShellApiReady);
        TodayScreen screen;
        screen.resize(240, 300);
        const QStringList report = screen.loadRegisteredItems();
        QCOMPARE(report.size(), 1);
        QVERIFY(report.front().startsWith(QStringLiteral("gone: ")));
        QCOMPARE(screen.itemCount(), 2);
        QCOMPARE(QString::fromUtf16(screen.itemDescription(0)->name), QStringLiteral("probe40"));
        // Each stands at the height it answered the refresh query with.
        QCOMPARE(screen.itemWindow(0)->geometry(), QRect(0, 0, 240, 40));
        QCOMPARE(screen.itemWindow(1)->geometry(), QRect(0, 40, 240, 30));
        QCOMPARE(screen.itemsWithOptions(), std::vector<int>{1});
        QCOMPARE(screen.openOptions(1), intptr_t(1)); // ordinal 241
        QCOMPARE(screen.openOptions(0), intptr_t(0)); // registered without options
        resetEvent(kShellApiReady);
    }

    void disabledItemsCreateNoWindowAndReinstallKeepsTheChoice() {
        registerProbe(*root, QStringLiteral("probe40"), 0);
        registry::RegistryKey key;
        QCOMPARE(registry::RegistryKey::currentUser().open(kItemsKey + "\\probe40", &key),
                 registry::Status::Success);
        key.setDword(QStringLiteral("Enabled"), 0);
        key.setDword(QStringLiteral("Order"), 7);
        registerProbe(*root, QStringLiteral("probe40"), 0); // installed again
        QCOMPARE(registeredItems().front().order, 7u);
        QVERIFY(!registeredItems().front().enabled);
        TodayScreen screen;
        QVERIFY(screen.loadRegisteredItems().isEmpty());
        QCOMPARE(screen.itemCount(), 0);
    }

    void tapsAndKeysMoveTheSelection() {
        registerProbe(*root, QStringLiteral("probe40"), 0);
        registerProbe(*root, QStringLiteral("probe30"), 1);
        TodayScreen screen;
        screen.resize(240, 300);
        screen.loadRegisteredItems();
        QWidget* first = screen.itemWindow(0);
        QWidget* second = screen.itemWindow(1);
        QTest::keyClick(&screen, Qt::Key_Down);
        QCOMPARE(screen.selected(), 0);
        QTest::keyClick(&screen, Qt::Key_Down); // the item lets the key pass: the next one
        QCOMPARE(screen.selected(), 1);
        QCOMPARE(messages(first, WM_TODAYCUSTOM_LOSTSELECTION), 1);
        QTest::keyClick(&screen, Qt::Key_Right); // kept by the item
        QCOMPARE(screen.selected(), 1);
        QCOMPARE(messages(first, WM_TODAYCUSTOM_USERNAVIGATION), 1); // the down key it let pass
        QCOMPARE(messages(second, WM_TODAYCUSTOM_USERNAVIGATION), 1);
        QTest::keyClick(&screen, Qt::Key_Return);
        QCOMPARE(messages(second, WM_TODAYCUSTOM_ACTION), 1);
        QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(screen.selected(), 0);
        QTest::mouseClick(&screen, Qt::LeftButton, {}, QPoint(10, 200));
        QCOMPARE(screen.selected(), -1);
    }

    void answersColourAndDrawsItsBackgroundUnderAnItem() {
        registerProbe(*root, QStringLiteral("probe40"), 0);
        TodayScreen screen;
        screen.resize(240, 300);
        screen.loadRegisteredItems();
        QCOMPARE(COLORREF(sendTodayMessage(&screen, TODAYM_GETCOLOR, TODAYCOLOR_HIGHLIGHT)),
                 kHighlightColor);
        // The item's picture of the background is the screen's own at the item's place.
        QWidget* item = screen.itemWindow(0);
        item->move(0, 100);
        QImage underItem(item->size(), QImage::Format_RGB32);
        {
            QPainter p(&underItem);
            TodayDrawWatermarkInfo info{&p, item->rect(), item};
            QCOMPARE(sendTodayMessage(&screen, TODAYM_DRAWWATERMARK, 0,
                                      reinterpret_cast<intptr_t>(&info)),
                     intptr_t(1));
        }
        QImage whole(screen.size(), QImage::Format_RGB32);
        {
            QPainter p(&whole);
            drawWatermark(p, whole.rect(), whole.rect(), screen.size());
        }
        QCOMPARE(underItem.pixel(5, 5), whole.pixel(5, 105));
        QVERIFY(whole.pixel(5, 5) != whole.pixel(5, 295)); // a gradient, not one colour
    }

    void softKeysListTheItemsWithOptions() {
        registerProbe(*root, QStringLiteral("probe40"), 0, false);
        registerProbe(*root, QStringLiteral("probe30"), 1);
        TodayScreen screen;
        screen.loadRegisteredItems();
        const shell::MenuBarDescription keys = todayKeys(screen);
        QCOMPARE(keys.leftText, QStringLiteral("Tùy chọn"));
        QCOMPARE(keys.rightMenu.front().text, QStringLiteral("Tùy chọn probe30"));
        QCOMPARE(keys.rightMenu.back().text, QStringLiteral("Thoát"));
        QCOMPARE(optionsTarget(screen), 1);
        screen.select(0);
        QCOMPARE(optionsTarget(screen), 1); // the selected item has none
    }

    void namedEventIsSetWhileHeld() {
        const QString name = QStringLiteral("TEST/Probe");
        QVERIFY(!isEventSet(name));
        QVERIFY(setEvent(name));
        QVERIFY(isEventSet(name));
        QVERIFY(setEvent(name)); // again: still set, once
        resetEvent(name);
        QVERIFY(!isEventSet(name));
    }
};

QTEST_MAIN(TodayScreenTest)
#include "TodayScreenTest.moc"
