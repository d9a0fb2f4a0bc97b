// The reminder list and editor as a user meets them: opening on a file, adding, editing,
// deleting, sorting and saving, the messages, the Today item told, full screen, the rows'
// colours, both editor arrangements, and screenshots.
#include "app/res/CommandIds.h"
#include "app/tools/ReminderEditorDialog.h"
#include "app/tools/ReminderListDialog.h"
#include "app/tools/tests/ToolTestSupport.h"
#include "suite/reminders/ReminderAlarms.h"
#include "suite/reminders/tests/ReminderSamples.h"
#include "suite/today/tests/TodayHandleSetter.h"

#include "platform/gdi/ColorRef.h"
#include "platform/ipc/Endpoint.h"
#include "platform/ipc/RegisteredMessage.h"
#include "platform/registry/RegistryKey.h"
#include "platform/testing/TestDeviceRoot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimeEdit>
#include <memory>

using namespace velmora;
using namespace velmora::app;
using namespace velmora::reminders;
using velmora::reminders::testing::fileBytes;
using velmora::reminders::testing::reminder;
using velmora::testing::MainFrame;
using velmora::testing::MessageBoxWatcher;
using velmora::testing::runWith;
using velmora::testing::TestDeviceRoot;
using velmora::today::testing::setTodayHandle;

namespace {

const QString kFile = QStringLiteral("My Documents/LichVelmora/lichnhan.dat");

std::vector<ReminderRecord> threeDates() {
    return {reminder({u"Quốc khánh", 5, 9, true, KindHoliday, 1, 7, 0, 0, u"Quảng trường Ba Đình"}),
            reminder({u"Tết Nguyên Đán", 1, 1, false, KindHoliday, kAdvanceNoAlarm}),
            reminder({u"Tết Trung thu", 15, 8, false, KindFestival, 0, 18, 0, 0, u"Sân đình"})};
}

std::vector<std::u16string> titles(const ReminderListDialog& d) {
    std::vector<std::u16string> out;
    for (const ReminderRow& row : d.list().rows) out.push_back(row.columns[ColumnTitle]);
    return out;
}

template <typename T> T* editorControl(ReminderListDialog& d, int id) {
    return d.editor() ? qobject_cast<T*>(d.editor()->control(id)) : nullptr;
}

} // namespace

class ReminderWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDeviceRoot> root;
    uint32_t change = 0; // "VL_LICHNHAN_CHANGE", as start-up registers it

  private slots:
    void init() {
        root = std::make_unique<TestDeviceRoot>("2025-03-01T09:00:00");
        change = ipc::registerMessage(QStringLiteral("VL_LICHNHAN_CHANGE"));
        QVERIFY(change >= 0xC000);
        velmora::testing::useProfile(QStringLiteral("qvga"));
    }
    void cleanup() { root.reset(); }

    void opensSortedByDate() {
        QVERIFY(root->put(kFile, fileBytes<QByteArray>(threeDates())));
        MainFrame f;
        ReminderListDialog dialog(&f.frame, change);
        MessageBoxWatcher boxes;
        runWith(dialog, [&] {
            QCOMPARE(dialog.title(), QStringLiteral("Lịch lễ hội, lịch nhắn"));
            QVERIFY(dialog.listControl());
            QCOMPARE(dialog.listControl()->property("controlId").toInt(), int(IdcRemindersList));
            QVERIFY(dialog.softKeyBar()->action(CmdRemindersByDate)->isChecked());
            QVERIFY(!dialog.softKeyBar()->action(CmdRemindersByTitle)->isChecked());
            dialog.done(shell::IDCANCEL);
        });
        QCOMPARE(titles(dialog),
                 (std::vector<std::u16string>{u"Tết Nguyên Đán", u"Tết Trung thu", u"Quốc khánh"}));
        QVERIFY(boxes.texts.isEmpty());
    }

    void aMissingFileIsCreatedQuietly() {
        QVERIFY(QDir().mkpath(root->host(QStringLiteral("My Documents/LichVelmora"))));
        MainFrame f;
        ReminderListDialog dialog(&f.frame, change);
        MessageBoxWatcher boxes;
        runWith(dialog,
                [&] { QTimer::singleShot(50, &dialog, [&] { dialog.done(shell::IDCANCEL); }); });
        QVERIFY(root->exists(kFile));
        QVERIFY(boxes.texts.isEmpty());
    }

    void aFileThatCannotBeOpenedIsToldAndTheListStaysUsable() {
        QVERIFY(QDir().mkpath(root->host(kFile))); // a folder in the file's place
        MainFrame f;
        ReminderListDialog dialog(&f.frame, change);
        MessageBoxWatcher boxes;
        runWith(dialog, [&] {
            QTRY_COMPARE(boxes.texts.size(), 1);
            QTimer::singleShot(30, &dialog, [&] { dialog.editor()->done(shell::IDOK); });
            dialog.softKeyBar()->action(CmdRemindersAdd)->trigger();
            QCOMPARE(dialog.list().rows.size(), size_t(1));
            dialog.done(shell::IDCANCEL);
        });
        QCOMPARE(boxes.texts.first(), QStringLiteral("Không tìm thấy file lichnhan.dat"));
        QCOMPARE(boxes.captions.first(), QStringLiteral("Có lỗi"));
        QVERIFY(boxes.types.first() & shell::MB_TOPMOST);
        QVERIFY(boxes.owned.first());
    }

    // "Thêm mới" with nothing chosen and the alarm checked: a row dated 00/00 at the end, with
    // its bell; closing without "Lưu dữ liệu" leaves the file as it was.
    void addingARowWithoutSavingLeavesTheFile() {
        QVERIFY(root->put(kFile, fileBytes<QByteArray>(threeDates())));
        const QByteArray before = root->get(kFile);
        MainFrame f;
        ReminderListDialog dialog(&f.frame, change);
        runWith(dialog, [&] {
            QTimer::singleShot(30, &dialog, [&] {
                auto* title = editorControl<QLineEdit>(dialog, IdcReminderTitle);
                QVERIFY(title);
                title->setText(QStringLiteral("Họp lớp"));
                QCOMPARE(editorControl<QComboBox>(dialog, IdcReminderDay)->currentIndex(), -1);
                QCOMPARE(editorControl<QComboBox>(dialog, IdcReminderKind)->currentText(),
                         QStringLiteral("Ngày lễ"));
                f.pressDone();
            });
            dialog.softKeyBar()->action(CmdRemindersAdd)->trigger();
            QCOMPARE(dialog.list().rows.size(), size_t(4));
            dialog.done(shell::IDCANCEL);
        });
        const ReminderRow& added = dialog.list().rows.back();
        QCOMPARE(added.columns[ColumnTitle], std::u16string(u"Họp lớp"));
        QCOMPARE(added.columns[ColumnDate], std::u16string(u"00/00"));
        QCOMPARE(added.columns[ColumnAdvance], std::u16string(u"0"));
        QVERIFY(rowHasBell(added));
        QCOMPARE(root->get(kFile), before);
    }

    // Enter on a row opens it; "Trở về" leaves it alone; Done writes the controls into it.
    void editingARow() {
        QVERIFY(root->put(kFile, fileBytes<QByteArray>(threeDates())));
        MainFrame f;
        ReminderListDialog dialog(&f.frame, change);
        runWith(dialog, [&] {
            dialog.select(2); // "Quốc khánh", 05/09 solar, alarm 1 at 07:00
            QTimer::singleShot(30, &dialog, [&] {
                QCOMPARE(editorControl<QLineEdit>(dialog, IdcReminderTitle)->text(),
                         QStringLiteral("Quốc khánh"));
                QCOMPARE(editorControl<QComboBox>(dialog, IdcReminderDay)->currentText(),
                         QStringLiteral("5"));
                QCOMPARE(editorControl<QComboBox>(dialog, IdcReminderMonth)->currentText(),
                         QStringLiteral("9"));
                QVERIFY(!editorControl<QCheckBox>(dialog, IdcReminderLunar)->isChecked());
                editorControl<QLineEdit>(dialog, IdcReminderTitle)
                    ->setText(QStringLiteral("bỏ đi"));
                dialog.editor()->softKeyBar()->pressLeft(); // "Trở về"
            });
            QTest::keyClick(dialog.listControl(), Qt::Key_Return);
            QCOMPARE(dialog.list().rows[2].columns[ColumnTitle], std::u16string(u"Quốc khánh"));
            QTimer::singleShot(30, &dialog, [&] {
                auto* alarm = dialog.editor()->control(IdcReminderAlarm);
                alarm->findChild<QCheckBox*>()->setChecked(false);
                editorControl<QCheckBox>(dialog, IdcReminderLunar)->setChecked(true);
                editorControl<QComboBox>(dialog, IdcReminderKind)->setCurrentIndex(3);
                f.pressDone();
            });
            dialog.softKeyBar()->action(CmdRemindersView)->trigger();
            dialog.done(shell::IDCANCEL);
        });
        const ReminderRecord r = recordFromRow(dialog.list().rows[2]);
        QCOMPARE(r.advance, uint16_t(15));
        QCOMPARE(r.hour, uint16_t(7)); // the alarm time is kept
        QCOMPARE(r.solar, uint8_t(0));
        QCOMPARE(r.kind, int16_t(KindAppointment));
        QCOMPARE(dialog.list().rows[2].itemData, 2);
    }

    void deletingNeedsASelection() {
        QVERIFY(root->put(kFile, fileBytes<QByteArray>(threeDates())));
        MainFrame f;
        ReminderListDialog dialog(&f.frame, change);
        runWith(dialog, [&] {
            dialog.select(-1);
            dialog.softKeyBar()->action(CmdRemindersDelete)->trigger();
            QCOMPARE(dialog.list().rows.size(), size_t(3));
            QVERIFY(!dialog.runEditor(true)); // "Xem chi tiết" without a row does nothing
            dialog.select(1);
            dialog.softKeyBar()->action(CmdRemindersDelete)->trigger();
            QCOMPARE(dialog.listControl()->count(), 2);
            dialog.softKeyBar()->action(CmdRemindersByTitle)->trigger();
            QVERIFY(dialog.softKeyBar()->action(CmdRemindersByTitle)->isChecked());
            QVERIFY(!dialog.softKeyBar()->action(CmdRemindersByDate)->isChecked());
            dialog.done(shell::IDCANCEL);
        });
        QCOMPARE(titles(dialog), (std::vector<std::u16string>{u"Quốc khánh", u"Tết Nguyên Đán"}));
    }

    // Sorted by title and saved: the file holds that order, the count of alarms is told in a
    // box captioned "OK" with no owner, the alarms are registered and the Today item is told.
    void savingInTitleOrderTellsTheCountAndTheTodayItem() {
        std::vector<ReminderRecord> records = threeDates();
        records.push_back(reminder({u"Ăn cỗ", 2, 2, true, KindFestival, 15}));
        QVERIFY(root->put(kFile, fileBytes<QByteArray>(records)));
        QObject owner;
        QList<uint32_t> received;
        const ipc::Handle handle =
            ipc::registerEndpoint(&owner, [&](uint32_t m, uint32_t w, int32_t l) {
                if (w == 0 && l == 0) received << m;
                return 0;
            });
        QVERIFY(handle && setTodayHandle(handle));
        MainFrame f;
        ReminderListDialog dialog(&f.frame, change);
        MessageBoxWatcher boxes;
        runWith(dialog, [&] {
            dialog.softKeyBar()->action(CmdRemindersByTitle)->trigger();
            dialog.softKeyBar()->action(CmdRemindersSave)->trigger();
            dialog.done(shell::IDCANCEL);
        });
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("Đã thiết lập 2 thông báo")});
        QCOMPARE(boxes.captions, QStringList{QStringLiteral("OK")});
        QCOMPARE(boxes.owned, QList<bool>{false});
        QCOMPARE(received,
                 QList<uint32_t>{ipc::registerMessage(QStringLiteral("VL_LICHNHAN_CHANGE"))});
        std::vector<ReminderRow> back;
        QVERIFY(LoadReminderFile(back));
        QCOMPARE(back.size(), size_t(4));
        QCOMPARE(back[0].columns[ColumnTitle], std::u16string(u"Quốc khánh"));
        QCOMPARE(back[3].columns[ColumnTitle], std::u16string(u"Ăn cỗ"));
        // Quốc khánh 2025..2035 and Trung thu 2025..2035, each alarm ahead of 1 March 2025.
        const auto notices = notify::registeredNotices(kReminderNoticeGroup);
        QCOMPARE(notices.size(), size_t(22));
        QCOMPARE(notices.front().moments.front(),
                 QDateTime(QDate(2025, 9, 5), QTime(7, 0), Qt::UTC));
    }

    void savingWithoutATodayItemStillWritesAndTells() {
        QVERIFY(root->put(kFile, fileBytes<QByteArray>(threeDates())));
        MainFrame f;
        ReminderListDialog dialog(&f.frame, change);
        MessageBoxWatcher boxes;
        runWith(dialog, [&] {
            dialog.select(0);
            dialog.softKeyBar()->action(CmdRemindersDelete)->trigger();
            dialog.softKeyBar()->action(CmdRemindersSave)->trigger();
            dialog.done(shell::IDOK);
        });
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("Đã thiết lập 2 thông báo")});
        QCOMPARE(root->get(kFile).size(), 2 * 1428);
    }

    void anEmptyListSavesAnEmptyFileWithoutAMessage() {
        QVERIFY(root->put(kFile, {}));
        MainFrame f;
        ReminderListDialog dialog(&f.frame, change);
        MessageBoxWatcher boxes;
        runWith(dialog, [&] {
            dialog.softKeyBar()->action(CmdRemindersSave)->trigger();
            dialog.done(shell::IDCANCEL);
        });
        QVERIFY(boxes.texts.isEmpty());
        QVERIFY(root->exists(kFile));
        QCOMPARE(root->get(kFile).size(), 0);
    }

    // A save that cannot write says so and claims no alarms.
    void aFailedSaveIsToldAndSetsNoAlarms() {
        QVERIFY(root->put(kFile, fileBytes<QByteArray>(threeDates())));
        MainFrame f;
        ReminderListDialog dialog(&f.frame, change);
        MessageBoxWatcher boxes;
        runWith(dialog, [&] {
            QFile::remove(root->host(kFile));
            QVERIFY(QDir().mkpath(root->host(kFile)));
            dialog.softKeyBar()->action(CmdRemindersSave)->trigger();
            dialog.done(shell::IDCANCEL);
        });
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("Không ghi được file lichnhan.dat")});
        QCOMPARE(boxes.captions, QStringList{QStringLiteral("Có lỗi")});
        QVERIFY(notify::registeredNotices(kReminderNoticeGroup).empty());
    }

    // A lunar row is drawn in brown, a solar one in dark blue, the selected one in the highlight
    // colours; a row with an alarm shows its bell at the right.
    void rowColours() {
        QVERIFY(root->put(kFile, fileBytes<QByteArray>(threeDates())));
        MainFrame f;
        ReminderListDialog dialog(&f.frame, change);
        runWith(dialog, [&] {
            dialog.select(1); // "Tết Trung thu"
            QWidget* viewport = dialog.listControl()->viewport();
            const QImage shot = viewport->grab().toImage();
            const int h = screen::ScaleY(kReminderRowHeight);
            const QRect row0(0, 0, viewport->width(), h), row1(0, h, viewport->width(), h),
                row2(0, 2 * h, viewport->width(), h);
            const QColor brown = gdi::fromColorRef(kLunarRowColour),
                         blue = gdi::fromColorRef(kSolarRowColour);
            QVERIFY(velmora::testing::pixelsOf(shot, row0, brown) > 20);
            QCOMPARE(velmora::testing::pixelsOf(shot, row0, blue), 0);
            QVERIFY(velmora::testing::pixelsOf(shot, row2, blue) > 20);
            const QPalette pal = dialog.listControl()->palette();
            QVERIFY(velmora::testing::pixelsOf(shot, row1, pal.color(QPalette::Highlight)) >
                    row1.width() * h / 2);
            QCOMPARE(velmora::testing::pixelsOf(shot, row1, brown), 0);
            // Bells: rows 1 and 2 ring (advance 0 and 1), row 0 does not (15).
            const QRect bellArea0(viewport->width() - screen::ScaleX(14), 0, screen::ScaleX(14), h);
            const QRect bellArea2 = bellArea0.translated(0, 2 * h);
            const QColor gold(250, 195, 30);
            QCOMPARE(velmora::testing::pixelsOf(shot, bellArea0, gold), 0);
            QVERIFY(velmora::testing::pixelsOf(shot, bellArea2, gold) > 5);
            dialog.done(shell::IDCANCEL);
        });
    }

    void theZeroKeyTogglesFullScreen() {
        QVERIFY(root->put(kFile, fileBytes<QByteArray>(threeDates())));
        MainFrame f;
        ReminderListDialog dialog(&f.frame, change);
        runWith(dialog, [&] {
            const QRect normal = dialog.geometry();
            QTest::keyClick(dialog.listControl(), Qt::Key_0);
            QVERIFY(!f.frame.taskBar()->isVisible());
            QVERIFY(!dialog.softKeyBar()->isVisible());
            QCOMPARE(dialog.size(), f.frame.size());
            QCOMPARE(dialog.listControl()->size(), f.frame.size());
            QTest::keyClick(dialog.listControl(), Qt::Key_0);
            QVERIFY(f.frame.taskBar()->isVisible());
            QVERIFY(dialog.softKeyBar()->isVisible());
            QCOMPARE(dialog.geometry(), normal);
            QTest::keyClick(dialog.listControl(), Qt::Key_0);
            dialog.done(shell::IDCANCEL);
        });
        QVERIFY(f.frame.taskBar()->isVisible()); // full screen ends with the window
    }

    void aStripOfTooFewImagesShowsNoRows() {
        QVERIFY(root->put(kFile, fileBytes<QByteArray>(threeDates())));
        MainFrame f;
        QImage two(32, 16, QImage::Format_RGB32);
        two.fill(Qt::red);
        ReminderListDialog dialog(&f.frame, change, kReminderFile,
                                  ReminderListDialog::reminderMenu(), two);
        runWith(dialog, [&] { dialog.done(shell::IDCANCEL); });
        QVERIFY(!dialog.listControl());
    }

    void menuBarFailuresAreToldAndBothWindowsGoOn() {
        MainFrame f;
        const std::vector<shell::MenuItem> broken{{0, QStringLiteral("Thêm mới"), 0, {}}};
        ReminderListDialog dialog(&f.frame, change, kReminderFile, broken);
        MessageBoxWatcher boxes;
        runWith(dialog, [&] {
            QTRY_COMPARE(boxes.texts.size(), 1);
            QCOMPARE(dialog.softKeyBar()->leftText(), QStringLiteral("Trở về"));
            QTimer::singleShot(30, &dialog, [&] {
                QTRY_COMPARE(boxes.texts.size(), 2);
                f.pressDone();
            });
            dialog.runEditor(false);
            dialog.done(shell::IDCANCEL);
        });
        QCOMPARE(boxes.texts, (QStringList{QStringLiteral("Không tạo được menu"),
                                           QStringLiteral("SHCreateMenuBar Failed")}));
        QCOMPARE(boxes.captions, (QStringList{QStringLiteral("Có lỗi"), QStringLiteral("Error")}));
        QCOMPARE(dialog.list().rows.size(), size_t(1));
    }

    void editorArrangements_data() {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<int>("kindX"); // 96-dpi units
        QTest::newRow("qvga upright") << "qvga" << 50;
        QTest::newRow("qvga on its side") << "qvga-landscape" << 250;
        QTest::newRow("square") << "square" << 50;
        QTest::newRow("vga upright") << "vga" << 50;
        QTest::newRow("vga on its side") << "vga-landscape" << 250;
    }
    void editorArrangements() {
        QFETCH(QString, profile);
        QFETCH(int, kindX);
        velmora::testing::useProfile(profile);
        MainFrame f;
        ReminderEditorDialog editor(&f.frame, newReminderValues(QTime(9, 0)),
                                    ReminderListDialog::reminderMenu());
        runWith(editor, [&] {
            QCOMPARE(editor.control(IdcReminderKind)->x(), screen::ScaleX(kindX));
            // The input controls never overlap and each label's text ends before its control.
            QList<QWidget*> inputs, labels;
            for (QWidget* w : editor.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (w->isVisible()) (qobject_cast<QLabel*>(w) ? labels : inputs) << w;
            QCOMPARE(inputs.size() + labels.size(), 19);
            for (QWidget* w : inputs) {
                QVERIFY2(editor.rect().contains(w->geometry()), qPrintable(w->objectName()));
                for (QWidget* other : inputs)
                    QVERIFY2(other == w || !w->geometry().intersects(other->geometry()),
                             qPrintable(w->objectName() + " " + other->objectName()));
            }
            for (QWidget* l : labels) {
                const QLabel* label = qobject_cast<QLabel*>(l);
                const QRect text(l->pos(), QSize(label->sizeHint().width(), l->height()));
                for (QWidget* w : inputs)
                    QVERIFY2(!text.intersects(w->geometry()),
                             qPrintable(label->text() + " " + w->objectName()));
            }
            auto* content = editor.control(IdcReminderContent);
            QVERIFY(content->geometry().bottom() < editor.height());
            editor.done(shell::IDCANCEL);
        });
    }

    void screenshots_data() { velmora::testing::addScreenshotRows(); }
    void screenshots() {
        QFETCH(QString, profile);
        velmora::testing::useProfile(profile);
        std::vector<ReminderRecord> records = threeDates();
        records.push_back(reminder({u"Giỗ bà nội (ông bà nội bên nội, nhà thờ họ Nguyễn Phước)", 30,
                                    6, false, KindAnniversary, 2, 7, 30, 0, u"Nhà thờ họ, Huế"}));
        records.push_back(reminder(
            {u"Khám răng", 12, 3, true, KindAppointment, 10, 8, 0, 0, u"Phòng khám Ấn Độ"}));
        QVERIFY(root->put(kFile, fileBytes<QByteArray>(records)));
        MainFrame f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.frame));
        ReminderListDialog dialog(&f.frame, change);
        runWith(dialog, [&] {
            dialog.select(2);
            QVERIFY(velmora::testing::saveShot(f.frame, QStringLiteral("reminders")));
            dialog.softKeyBar()->pressRight();
            QTRY_VERIFY(dialog.softKeyBar()->rightMenu()->isVisible());
            QVERIFY(velmora::testing::saveShot(f.frame, QStringLiteral("reminders-menu")));
            dialog.softKeyBar()->rightMenu()->hide();
            QTimer::singleShot(30, &dialog, [&] {
                QVERIFY(velmora::testing::saveShot(f.frame, QStringLiteral("reminder-editor")));
                dialog.editor()->done(shell::IDCANCEL);
            });
            dialog.runEditor(true);
            dialog.done(shell::IDCANCEL);
        });
        for (const char* name : {"reminders", "reminders-menu", "reminder-editor"})
            QCOMPARE(
                QImage(
                    QStringLiteral(SCREENSHOT_DIR "/%1-%2.png").arg(QLatin1String(name), profile))
                    .size(),
                QSize(screen::current().width, screen::current().height));
    }
};

QTEST_MAIN(ReminderWindowTest)
#include "ReminderWindowTest.moc"
