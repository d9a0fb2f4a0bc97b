// The biorhythm window and its options as a user meets them: the settings file read and written,
// the menu's check marks, the view day kept inside the span, the options' check, the strip on
// the screen, the pickers' arrangements, and screenshots.
#include "app/tools/BiorhythmWindow.h"
#include "app/res/CommandIds.h"
#include "app/tools/BiorhythmOptionsDialog.h"
#include "app/tools/tests/ToolTestSupport.h"

#include "platform/gdi/ColorRef.h"
#include "platform/testing/TestDeviceRoot.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <memory>
#include <sys/stat.h>

using namespace velmora;
using namespace velmora::app;
using velmora::testing::MainFrame;
using velmora::testing::MessageBoxWatcher;
using velmora::testing::runWith;
using velmora::testing::TestDeviceRoot;

namespace {

const QString kFolder = QStringLiteral("\\Program Files\\LichVelmora");
const QString kSettings = QStringLiteral("Program Files/LichVelmora/Data/nhipsinhhoc.dat");

QByteArray settingsBytes(const BiorhythmSettings& s) {
    const auto b = encodeSettings(s);
    return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
}

template <typename T> T* pickerOf(BiorhythmWindow& w, int id) {
    return qobject_cast<T*>(w.control(id));
}

// The chart's pixel at a point given in 96-dpi units.
QColor chartPixel(BiorhythmWindow& w, int x, int y) {
    return w.grab().toImage().pixelColor(screen::ScaleX(x), screen::ScaleY(y));
}

} // namespace

class BiorhythmWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDeviceRoot> root;

  private slots:
    void init() {
        root = std::make_unique<TestDeviceRoot>("2025-03-01T09:00:00");
        velmora::testing::useProfile(QStringLiteral("qvga"));
    }
    void cleanup() { root.reset(); }

    // Without a file the shipped settings show the three classic cycles and go into the file.
    void withoutAFileTheShippedSettingsApply() {
        MainFrame f;
        BiorhythmSettings settings{};
        BiorhythmWindow window(&f.frame, kFolder, SYSTEMTIME{}, settings);
        runWith(window, [&] {
            for (int id : {CmdBiorhythmEnergy, CmdBiorhythmEmotion, CmdBiorhythmIntellect})
                QVERIFY(window.softKeyBar()->action(id)->isChecked());
            for (int id : {CmdBiorhythmIntuition, CmdBiorhythmAesthetic, CmdBiorhythmSpiritual})
                QVERIFY(!window.softKeyBar()->action(id)->isChecked());
            // No birth date in the personal record: the picker holds today.
            QCOMPARE(pickerOf<QDateEdit>(window, IdcBiorhythmBirth)->date(), QDate(2025, 3, 1));
            QCOMPARE(pickerOf<QDateEdit>(window, IdcBiorhythmBirth)->displayFormat(),
                     QStringLiteral("dd/MM/yyyy"));
            QVERIFY(!pickerOf<QDateEdit>(window, IdcBiorhythmBirth2)->isEnabled());
            QCOMPARE(pickerOf<QDateEdit>(window, IdcBiorhythmBirth2)->text().trimmed(), QString());
            window.done(shell::IDCANCEL);
        });
        QCOMPARE(root->get(kSettings), settingsBytes(shippedSettings()));
    }

    // The menu toggles a cycle; Done writes the record, "Trở về" only keeps it in memory.
    void cyclesToggleAndDoneWrites() {
        BiorhythmSettings stored{};
        stored.show[3] = 1;
        stored.reserved7 = 7;
        QByteArray file = settingsBytes(stored) + "đuôi giữ lại";
        QVERIFY(root->put(kSettings, file));
        MainFrame f;
        BiorhythmSettings settings{};
        SYSTEMTIME birth{1990, 4, 0, 2, 0, 0, 0, 0};
        BiorhythmWindow window(&f.frame, kFolder, birth, settings);
        runWith(window, [&] {
            QCOMPARE(pickerOf<QDateEdit>(window, IdcBiorhythmBirth)->date(), QDate(1990, 4, 2));
            QVERIFY(window.softKeyBar()->action(CmdBiorhythmIntuition)->isChecked());
            window.softKeyBar()->action(CmdBiorhythmSpiritual)->trigger();
            QVERIFY(window.softKeyBar()->action(CmdBiorhythmSpiritual)->isChecked());
            window.softKeyBar()->pressLeft(); // "Trở về"
        });
        QCOMPARE(settings.show[5], uint8_t(1));
        QCOMPARE(root->get(kSettings), file); // not written
        BiorhythmWindow again(&f.frame, kFolder, birth, settings);
        runWith(again, [&] {
            again.softKeyBar()->action(CmdBiorhythmIntuition)->trigger();
            f.pressDone();
        });
        stored.show[3] = 0;
        QCOMPARE(root->get(kSettings),
                 settingsBytes(stored) + "đuôi giữ lại"); // spiritual read back off
    }

    void aShortFileChangesOnlyItsBytesAndAFifoNothing() {
        QVERIFY(root->put(kSettings, QByteArray("\0\0\0\0\1", 5)));
        MainFrame f;
        BiorhythmSettings settings = shippedSettings();
        {
            BiorhythmWindow window(&f.frame, kFolder, SYSTEMTIME{}, settings);
            runWith(window, [&] { window.done(shell::IDCANCEL); });
        }
        QCOMPARE(settings.show[0], uint8_t(0));
        QCOMPARE(settings.show[4], uint8_t(1));
        QCOMPARE(settings.averageLength, 28u);
        QFile::remove(root->host(kSettings));
        QCOMPARE(::mkfifo(QFile::encodeName(root->host(kSettings)).constData(), 0600), 0);
        BiorhythmSettings before = settings;
        BiorhythmWindow window(&f.frame, kFolder, SYSTEMTIME{}, settings);
        runWith(window, [&] { f.pressDone(); });
        QCOMPARE(settingsBytes(settings), settingsBytes(before));
        QVERIFY(!QFileInfo(root->host(kSettings)).isFile()); // the FIFO is left alone
    }

    // A view day 41 days on is put back on the span's start, its marker on the y axis.
    void theViewDayStaysInsideTheSpan() {
        MainFrame f;
        BiorhythmSettings settings{};
        BiorhythmWindow window(&f.frame, kFolder, SYSTEMTIME{}, settings);
        runWith(window, [&] {
            auto* view = pickerOf<QDateEdit>(window, IdcBiorhythmView);
            view->setDate(QDate(2025, 3, 1).addDays(40));
            QCOMPARE(window.days().viewOffset, 40);
            view->setDate(QDate(2025, 3, 1).addDays(41));
            QCOMPARE(view->date(), QDate(2025, 3, 1));
            QCOMPARE(window.days().viewOffset, 0);
            const ChartGeometry g = chartGeometry(screen::Portrait);
            // The black marker runs up from the axis at x = L; a day later it does not.
            QCOMPARE(chartPixel(window, g.left, g.zero - 3 * g.unit - 2), QColor(Qt::black));
            window.done(shell::IDCANCEL);
        });
    }

    void optionsCheckTheAverage_data() {
        QTest::addColumn<QString>("average");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("19") << "19" << false;
        QTest::newRow("46") << "46" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("20") << "20" << true;
        QTest::newRow("45") << "45" << true;
    }
    void optionsCheckTheAverage() {
        QFETCH(QString, average);
        QFETCH(bool, accepted);
        MainFrame f;
        BiorhythmSettings settings = shippedSettings();
        BiorhythmOptionsDialog dialog(&f.frame, settings, kFolder);
        MessageBoxWatcher boxes;
        // Done ends the dialog only when the length is accepted; otherwise it stays until
        // "Trở về".
        const int result = runWith(dialog, [&] {
            qobject_cast<QLineEdit*>(dialog.control(IdcBiorhythmAverage))->setText(average);
            qobject_cast<QCheckBox*>(dialog.control(IdcBiorhythmShowStrip))->setChecked(true);
            qobject_cast<QDateEdit*>(dialog.control(IdcBiorhythmLastPeriod))
                ->setDate(QDate(2025, 2, 20));
            dialog.softKeyBar()->action(CmdBiorhythmOptionsSave)->trigger(); // no action
            QVERIFY(root->get(kSettings).isEmpty());
            f.pressDone();
            if (!accepted) dialog.softKeyBar()->pressLeft();
        });
        QCOMPARE(result, accepted ? int(shell::IDOK) : int(shell::IDCANCEL));
        if (accepted) {
            QVERIFY(boxes.texts.isEmpty());
            QCOMPARE(settings.averageLength, average.toUInt());
            QCOMPARE(settings.showStrip, uint8_t(1));
            QCOMPARE(settings.lastPeriod.wDay, uint16_t(20));
            QCOMPARE(root->get(kSettings), settingsBytes(settings));
        } else {
            QCOMPARE(boxes.texts,
                     QStringList{QStringLiteral("Số ngày trung bình của chu kỳ không hợp lệ")});
            QCOMPARE(boxes.captions, QStringList{QStringLiteral("Có lỗi")});
            QCOMPARE(boxes.types.first() & 0xF0, unsigned(shell::MB_ICONWARNING));
            QCOMPARE(settings.averageLength, 28u);
            QCOMPARE(settings.showStrip, uint8_t(0));
            QVERIFY(!root->exists(kSettings));
        }
    }

    // The strip on the screen: A = 28 from a period on the span's start; A = 20 draws none.
    void theStripOnTheScreen() {
        BiorhythmSettings stored = shippedSettings();
        stored.showStrip = 1;
        stored.lastPeriod = SYSTEMTIME{2025, 3, 0, 1, 0, 0, 0, 0};
        QVERIFY(root->put(kSettings, settingsBytes(stored)));
        MainFrame f;
        BiorhythmSettings settings{};
        BiorhythmWindow window(&f.frame, kFolder, SYSTEMTIME{}, settings);
        const ChartGeometry g = chartGeometry(screen::Portrait);
        const auto cell = [&](int day) {
            return chartPixel(window, g.left + day * g.step + 2, g.zero + 65);
        };
        runWith(window, [&] {
            QCOMPARE(cell(0), gdi::fromColorRef(0x006600));
            QCOMPARE(cell(5), gdi::fromColorRef(0x00FF00));
            QCOMPARE(cell(13), gdi::fromColorRef(0x0000FF));
            QCOMPARE(cell(16), gdi::fromColorRef(0x0099FF));
            QCOMPARE(cell(21), gdi::fromColorRef(0x339933));
            QCOMPARE(cell(28), gdi::fromColorRef(0x006600));
            settings.averageLength = 20;
            window.update();
            QCOMPARE(cell(0), QColor(Qt::white));
            window.done(shell::IDCANCEL);
        });
    }

    void pickerArrangements_data() {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QPoint>("viewAt"); // 96-dpi units
        QTest::addColumn<bool>("viewLabel");
        QTest::newRow("qvga") << "qvga" << QPoint(155, 22) << false;
        QTest::newRow("qvga on its side") << "qvga-landscape" << QPoint(240, 128) << true;
        QTest::newRow("vga on its side") << "vga-landscape" << QPoint(240, 128) << true;
    }
    void pickerArrangements() {
        QFETCH(QString, profile);
        QFETCH(QPoint, viewAt);
        QFETCH(bool, viewLabel);
        velmora::testing::useProfile(profile);
        MainFrame f;
        BiorhythmSettings settings{};
        BiorhythmWindow window(&f.frame, kFolder, SYSTEMTIME{}, settings);
        runWith(window, [&] {
            QCOMPARE(window.control(IdcBiorhythmView)->pos(),
                     QPoint(screen::ScaleX(viewAt.x()), screen::ScaleY(viewAt.y())));
            QCOMPARE(window.control(2039)->isVisible(), viewLabel);
            QString problem;
            QVERIFY2(velmora::testing::laidOutCleanly(window, &problem), qPrintable(problem));
            window.done(shell::IDCANCEL);
        });
    }

    void screenshots_data() { velmora::testing::addScreenshotRows(); }
    void screenshots() {
        QFETCH(QString, profile);
        velmora::testing::useProfile(profile);
        BiorhythmSettings stored{};
        for (uint8_t& flag : stored.show) flag = 1;
        stored.showStrip = 1;
        stored.averageLength = 28;
        stored.lastPeriod = SYSTEMTIME{2025, 2, 0, 20, 0, 0, 0, 0};
        QVERIFY(root->put(kSettings, settingsBytes(stored)));
        MainFrame f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.frame));
        BiorhythmSettings settings{};
        BiorhythmWindow window(&f.frame, kFolder, SYSTEMTIME{1987, 11, 0, 19, 0, 0, 0, 0},
                               settings);
        runWith(window, [&] {
            qobject_cast<QDateEdit*>(window.control(IdcBiorhythmView))->setDate(QDate(2025, 3, 13));
            QVERIFY(velmora::testing::saveShot(f.frame, QStringLiteral("biorhythm")));
            window.softKeyBar()->pressRight();
            QTRY_VERIFY(window.softKeyBar()->rightMenu()->isVisible());
            QVERIFY(velmora::testing::saveShot(f.frame, QStringLiteral("biorhythm-menu")));
            window.softKeyBar()->rightMenu()->hide();
            QTimer::singleShot(30, &window, [&] {
                QVERIFY(velmora::testing::saveShot(f.frame, QStringLiteral("biorhythm-options")));
                window.options()->done(shell::IDCANCEL);
            });
            window.softKeyBar()->action(CmdBiorhythmOptions)->trigger();
            window.done(shell::IDCANCEL);
        });
    }
};

QTEST_MAIN(BiorhythmWindowTest)
#include "BiorhythmWindowTest.moc"
