// Tests of the options dialog: the city list's edits and what Done writes, a deletion that
// cancelling cannot undo, the colour picker, the update page's lists, the menu bar's failure,
// the Today screen's options entry, and screenshots of every tab.
#include "today/tests/TodayTestSupport.h"

#include "today/ColorPicker.h"
#include "today/OptionsDialog.h"
#include "today/OptionsPages.h"
#include "today/TodayIds.h"

#include "platform/gdi/Font.h"
#include "platform/registry/RegistryKey.h"
#include "platform/screen/ScreenProfile.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/Screenshot.h"
#include "platform/testing/ScreenTesting.h"
#include "suite/weather/WeatherKeys.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

using namespace velmora;
using namespace velmora::today;
using namespace velmora::today::test;
using registry::RegistryKey;
using registry::Status;

namespace {

uint32_t cityValue(int index, const QString& name) {
    RegistryKey city;
    uint32_t value = 99999;
    RegistryKey::currentUser().open(weather::kWeatherKeyPath + u'\\' + weather::cityKeyName(index),
                                    &city);
    city.getDword(name, &value);
    return value;
}

uint32_t todayValue(const QString& name) {
    RegistryKey key;
    uint32_t value = 99999;
    RegistryKey::currentUser().open(kTodayKeyPath, &key);
    key.getDword(name, &value);
    return value;
}

// Runs `action` once the modal window of type T is up.
template <class T> void whenShown(const std::function<void(T*)>& action) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* t = qobject_cast<T*>(w); t && t->isVisible()) {
                timer->stop();
                timer->deleteLater();
                action(t);
                return;
            }
    });
    timer->start();
}

} // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT
    std::unique_ptr<velmora::testing::TestDeviceRoot> root;

    struct Opened {
        TodayHarness harness;
        std::unique_ptr<OptionsDialog> dialog;
        explicit Opened(const QString& profile = QStringLiteral("vga"),
                        shell::MenuBarDescription keys = optionsKeys())
            : harness(profile) {
            dialog = std::make_unique<OptionsDialog>(
                harness.screen, harness.item()->state().settings, harness.item()->state().units,
                harness.item(), keys);
            dialog->open();
        }
        PlacesPage* places() const { return dialog->places(); }
    };

  private slots:
    void initTestCase() { gdi::installFontSubstitutions(); }
    void init() {
        root = std::make_unique<velmora::testing::TestDeviceRoot>("2025-12-31T09:41");
        installPictures(*root);
        storeForecast(); // Hà Nội (checked first), Huế (checked second)
    }
    void cleanup() { root.reset(); }

    void uncheckingEveryCityLeavesNoneToShow() {
        Opened o;
        QCOMPARE(int(o.places()->rows().size()), 2);
        o.places()->setChecked(0, false);
        o.places()->setChecked(1, false);
        o.dialog->save();
        QCOMPARE(todayValue("SoThanhPho"), 0u);
        QCOMPARE(cityValue(5, "CSD"), weather::kUncheckedCity);
        QCOMPARE(cityValue(8, "CSD"), weather::kUncheckedCity);
        QCOMPARE(o.harness.item()->state().settings.cityCount, 0);
    }

    void movingARowUpRenumbersOrderAndSequence() {
        Opened o;
        o.places()->selectRow(1);
        o.places()->move(true);
        QCOMPARE(o.places()->selectedRow(), 0);
        o.places()->move(true); // not past the first row
        QCOMPARE(o.places()->rows().front().name, QStringLiteral("Huế"));
        o.dialog->save();
        QCOMPARE(cityValue(8, "STT"), 0u);
        QCOMPARE(cityValue(8, "CSD"), 0u);
        QCOMPARE(cityValue(5, "STT"), 1u);
        QCOMPARE(cityValue(5, "CSD"), 1u);
        QCOMPARE(todayValue("SoThanhPho"), 2u);
    }

    void deletingARowRemovesItsForecastEvenWhenCancelled() {
        {
            Opened o;
            o.places()->selectRow(1); // Huế
            o.places()->remove();
            QCOMPARE(int(o.places()->rows().size()), 1);
            o.dialog->done(shell::IDCANCEL);
        }
        RegistryKey city;
        QCOMPARE(RegistryKey::currentUser().open(weather::kWeatherKeyPath + "\\008", &city),
                 Status::NotFound);
        QCOMPARE(cityValue(5, "CSD"), 0u); // the other city is untouched
    }

    void addingPutsTheTableCityAboveTheSelection() {
        Opened o;
        auto* names = control<QComboBox>(o.places(), IdcPlacesCityNames);
        names->setCurrentText(QStringLiteral("Đà Nẵng"));
        o.places()->selectRow(1);
        QTest::mouseClick(control<QPushButton>(o.places(), IdcPlacesAdd), Qt::LeftButton);
        const CityRow& added = o.places()->rows()[1];
        QCOMPARE(added.key, QStringLiteral("026"));
        QCOMPARE(added.code, QStringLiteral("vmxx0028"));
        QVERIFY(!added.checked);
        o.places()->selectRow(-1);
        o.places()->add(); // again, at the top: the same city may be listed twice
        QCOMPARE(o.places()->rows().front().key, QStringLiteral("026"));
        QCOMPARE(int(o.places()->rows().size()), 4);
    }

    void defaultColourIsStoredAsIs() {
        Opened o;
        o.dialog->tabs()->setCurrentIndex(1);
        whenShown<ColorPicker>([](ColorPicker* picker) { picker->press(IdcPickerDefault); });
        QTest::mouseClick(control<QAbstractButton>(o.dialog->page(1), IdcFormatFirstColor + 2),
                          Qt::LeftButton);
        QCOMPARE(o.harness.item()->state().settings.colors[2], kDefaultColor); // in memory at once
        whenShown<ColorPicker>([](ColorPicker* picker) {
            picker->select(44);
            picker->press(1);
        });
        QTest::mouseClick(control<QAbstractButton>(o.dialog->page(1), IdcFormatFirstColor),
                          Qt::LeftButton);
        QCOMPARE(o.harness.item()->state().settings.colors[0], kPalette[44]);
        o.dialog->save();
        RegistryKey key;
        QByteArray colours;
        RegistryKey::currentUser().open(kTodayKeyPath, &key);
        key.getBinary("MauSac", &colours);
        QCOMPARE(colours.mid(8, 4).toHex(), QByteArray("00000001"));
        QCOMPARE(colours.left(4).toHex(), QByteArray("ff008000")); // 0x8000FF, little-endian
    }

    void colourPickerAnswersOnlyOnASwatch() {
        const struct {
            QPoint units;
            int swatch;
        } cases[] = {{{10, 2}, 0},     {{37, 15}, 0},   {{38, 5}, -1},
                     {{40, 5}, 1},     {{5, 5}, -1},    {{190, 5}, -1},
                     {{160, 114}, 47}, {{15, 130}, -1}, {{100, 50}, 21}};
        for (const auto& c : cases) QCOMPARE(swatchAt(c.units), c.swatch);
        // At 192 dpi a release is read back in units: pixel (90, 10) is unit (45, 5), swatch 1.
        ColorPicker picker(0, Units{192, 192}, QRect(0, 0, 480, 640), nullptr);
        QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(90, 10));
        QCOMPARE(picker.selected(), 1);
        picker.press(2);
        QVERIFY(!picker.chosen());
    }

    void disabledIntervalListKeepsItsSelection() {
        RegistryKey key;
        RegistryKey::currentUser().create(kTodayKeyPath, &key);
        key.setDword("LoaiCapNhat", 2);          // "1 giờ", automatic update off
        key.setDword("LoaiKetNoi", 0x10000 | 1); // the second network, chosen
        Opened o;
        QWidget* page = o.dialog->page(3);
        auto* intervals = control<QComboBox>(page, IdcUpdateIntervals);
        QVERIFY(!intervals->isEnabled());
        QVERIFY(!control<QWidget>(page, IdcUpdateIntervalsSpin)->isEnabled());
        QCOMPARE(intervals->currentIndex(), 2);
        QVERIFY(control<QComboBox>(page, IdcUpdateNetworks)->isEnabled());
        QCOMPARE(control<QComboBox>(page, IdcUpdateNetworks)->currentIndex(), 1);
        o.dialog->save();
        QCOMPARE(todayValue("LoaiCapNhat"), 2u);
        QCOMPARE(todayValue("LoaiKetNoi"), 0x10001u);
        // Checking "Tự động cập nhật" enables the list again; "Tự động kết nối" disables the other.
        QTest::mouseClick(control<QCheckBox>(page, IdcUpdateAutomatic), Qt::LeftButton);
        QVERIFY(intervals->isEnabled());
        QTest::mouseClick(control<QWidget>(page, IdcUpdateAutoConnect), Qt::LeftButton);
        QVERIFY(!control<QComboBox>(page, IdcUpdateNetworks)->isEnabled());
        o.dialog->save();
        QCOMPARE(todayValue("LoaiCapNhat"), 0x10002u);
        QCOMPARE(todayValue("LoaiKetNoi"), 1u);
    }

    void doneSavesThePagesAndTheItemShowsThem() {
        Opened o;
        auto* rightOfPage1 = control<QComboBox>(o.dialog->page(0), IdcDisplayFirstList + 1);
        rightOfPage1->setCurrentIndex(ContentAnalogClock);
        control<QLineEdit>(o.dialog->page(1), IdcFormatFirstSize + 4)
            ->setText(QStringLiteral("12"));
        control<QCheckBox>(o.dialog->page(1), IdcFormatFirstSize + 1)->setChecked(true);
        QTest::mouseClick(o.harness.frame->taskBar()->findChild<QToolButton*>(),
                          Qt::LeftButton); // Done
        QVERIFY(!o.dialog->isOpen());
        const TodaySettings stored = LoadTodaySettings();
        QCOMPARE(stored.pages[0][1], int32_t(ContentAnalogClock));
        QCOMPARE(stored.fonts[1].size, 12);
        QCOMPARE(stored.fonts[0].bold, 1);
        // The item's layout follows at once: page 1 has two panels now.
        QCOMPARE(o.harness.item()->state().layout[Panel1].isEmpty(), false);
    }

    void menuBarFailureIsToldAndTheDialogGoesOn() {
        shell::MenuBarDescription broken;
        broken.leftText = QStringLiteral("Trở về"); // a key without a command cannot be made
        QString text, caption;
        whenShown<shell::MessageBoxDialog>([&](shell::MessageBoxDialog* box) {
            text = box->text();
            caption = box->caption();
            box->press(shell::IDOK);
        });
        Opened o(QStringLiteral("vga"), broken);
        QTRY_COMPARE(text, QStringLiteral("Lỗi tạo menu"));
        QCOMPARE(caption, QStringLiteral("Có lỗi"));
        QVERIFY(o.dialog->isOpen());
        QCOMPARE(o.dialog->softKeyBar()->leftText(), QStringLiteral("Trở về"));
    }

    void todayScreenOpensTheOptionsByOrdinal241() {
        TodayHarness h(QStringLiteral("qvga"));
        QCOMPARE(h.screen->itemsWithOptions(), std::vector<int>{0});
        QTimer::singleShot(200, [&h] {
            QTest::mouseClick(h.frame->taskBar()->findChild<QToolButton*>(), Qt::LeftButton);
        });
        QCOMPARE(h.screen->openOptions(0), intptr_t(1));
        QCOMPARE(todayValue("SoThanhPho"), 2u);
    }

    void screenshotsOfEveryTab_data() {
        QTest::addColumn<QString>("profile");
        for (const char* p : {"qvga", "vga", "vga-landscape", "wvga"})
            QTest::newRow(p) << QString::fromLatin1(p);
    }
    void screenshotsOfEveryTab() {
        QFETCH(QString, profile);
        Opened o(profile);
        QVERIFY(QTest::qWaitForWindowExposed(o.harness.frame.get()));
        for (int tab = 0; tab < 5; ++tab) {
            o.dialog->tabs()->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            const QImage image = shell::grabDeviceScreen(*o.harness.frame);
            QCOMPARE(image.size(), QSize(screen::current().width, screen::current().height));
            QCOMPARE(o.dialog->tabs()->tabText(tab), QString::fromUtf16(kOptionsTabs[tab]));
            image.save(velmora::testing::screenshotPath(
                QStringLiteral(SCREENSHOT_DIR), QStringLiteral("today-options-%1").arg(tab + 1),
                profile));
        }
        o.dialog->tabs()->setCurrentIndex(1);
        QWidget* frame = o.harness.frame.get();
        ColorPicker picker(0x0000FF, o.harness.item()->state().units,
                           QRect(frame->mapToGlobal(QPoint(0, 0)), frame->size()), o.dialog.get());
        QCOMPARE(picker.selected(), 4); // red is the fifth swatch
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        shell::grabDeviceScreen(*frame).save(velmora::testing::screenshotPath(
            QStringLiteral(SCREENSHOT_DIR), QStringLiteral("today-colour-picker"), profile));
        picker.press(2);
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "OptionsDialogTest.moc"
