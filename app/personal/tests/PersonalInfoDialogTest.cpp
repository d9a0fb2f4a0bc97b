// Tests of the dialog "Thông tin cá nhân": its controls, saving and cancelling, the Today item's
// notification, the menu bar failure, and screenshots at every screen profile.
#include "platform/testing/ScreenTesting.h"
#include "platform/testing/TestDeviceRoot.h"
#include "platform/testing/WindowTesting.h"

#include "app/personal/PersonalInfoDialog.h"
#include "suite/today/TodayNotify.h"
#include "suite/today/tests/TodayHandleSetter.h"

#include "platform/ipc/Endpoint.h"
#include "platform/registry/RegistryKey.h"
#include "platform/screen/ScreenProfile.h"
#include "platform/shell/Application.h"
#include "platform/shell/DeviceFrame.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/Screenshot.h"
#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

using velmora::testing::kUserInfoFile;
using velmora::testing::MainFrame;
using velmora::testing::runWith;
using velmora::testing::TestDeviceRoot;

using namespace velmora;
using namespace velmora::app;
using namespace velmora::personal;
using velmora::shell::IDCANCEL;
using velmora::shell::IDOK;
using velmora::today::notifyTodayItem;
using velmora::today::testing::setTodayHandle;

namespace {

PersonalRecord sample() {
    PersonalRecord r{};
    setFieldText(r.name, QStringLiteral("Lê Thị Thu Hương"));
    setFieldText(r.company, QStringLiteral("Công ty Cổ phần Đồng Nai"));
    setFieldText(r.address, QStringLiteral("45 Lý Thường Kiệt, Huế"));
    setFieldText(r.telephone, QStringLiteral("0234 3823 456"));
    setFieldText(r.email, QStringLiteral("huong@example.vn"));
    r.birth = {1992, 11, 0, 8, 14, 5, 9, 0};
    r.sex = 0;
    return r;
}

// Types text key by key, as the input panel would; keyClicks only knows ASCII.
void typeText(QWidget* w, const QString& text) {
    for (QChar c : text) QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), {});
}

template <typename T> T* control(const PersonalInfoDialog& d, int id) {
    return qobject_cast<T*>(d.control(id));
}

QString shotPath(const QString& name, const QString& profile) {
    return velmora::testing::screenshotPath(QStringLiteral(SCREENSHOT_DIR), name, profile);
}

} // namespace

class PersonalInfoDialogTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDeviceRoot> root;

  private slots:
    void init() {
        root = std::make_unique<TestDeviceRoot>();
        QVERIFY(screen::select(QStringLiteral("qvga")));
        shell::Application::applyScreenProfile();
    }
    void cleanup() { root.reset(); }

    void controls_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("maxLength");
        QTest::newRow("Họ tên") << 1002 << "Họ tên" << 49;
        QTest::newRow("Công ty") << 1004 << "Công ty" << 49;
        QTest::newRow("Địa chỉ") << 1003 << "Địa chỉ" << 49;
        QTest::newRow("Điện thoại") << 1005 << "Điện thoại *" << 19;
        QTest::newRow("E-mail") << 1006 << "E-mail *" << 49;
        QTest::newRow("Ngày sinh") << 1009 << "Ngày sinh *" << -1;
    }
    void controls() {
        QFETCH(int, id);
        QFETCH(QString, label);
        QFETCH(int, maxLength);
        MainFrame f;
        PersonalRecord record = sample();
        PersonalInfoDialog dialog(&f.frame, record);
        QWidget* w = dialog.control(id);
        QVERIFY(w);
        if (maxLength > 0) {
            auto* edit = qobject_cast<QLineEdit*>(w);
            QVERIFY(edit);
            QCOMPARE(edit->maxLength(), maxLength);
        } else {
            auto* picker = qobject_cast<QDateTimeEdit*>(w);
            QVERIFY(picker);
            QCOMPARE(picker->displayFormat(), QStringLiteral("HH:mm:ss  dd/MM/yyyy"));
        }
        bool labelled = false;
        for (QLabel* l : dialog.findChildren<QLabel*>())
            labelled |= l->buddy() == w && l->text() == label;
        QVERIFY(labelled);
        QCOMPARE(dialog.title(), QStringLiteral("Thông tin cá nhân"));
        QCOMPARE(control<QRadioButton>(dialog, 1014)->text(), QStringLiteral("Nam"));
        QCOMPARE(control<QRadioButton>(dialog, 1015)->text(), QStringLiteral("Nữ"));
    }

    void loadsTheRecord_data() {
        QTest::addColumn<bool>("zero");
        QTest::addColumn<int>("sex");
        QTest::newRow("sample, Nữ") << false << 0;
        QTest::newRow("sample, Nam") << false << 1;
        QTest::newRow("any non-zero byte is Nam") << false << 0x80;
        QTest::newRow("zero record") << true << 0;
    }
    void loadsTheRecord() {
        QFETCH(bool, zero);
        QFETCH(int, sex);
        MainFrame f;
        PersonalRecord record = zero ? PersonalRecord{} : sample();
        record.sex = uint8_t(sex);
        PersonalInfoDialog dialog(&f.frame, record);
        QCOMPARE(control<QLineEdit>(dialog, 1002)->text(), fieldText(record.name));
        QCOMPARE(control<QLineEdit>(dialog, 1004)->text(), fieldText(record.company));
        QCOMPARE(control<QLineEdit>(dialog, 1003)->text(), fieldText(record.address));
        QCOMPARE(control<QLineEdit>(dialog, 1005)->text(), fieldText(record.telephone));
        QCOMPARE(control<QLineEdit>(dialog, 1006)->text(), fieldText(record.email));
        QCOMPARE(control<QDateTimeEdit>(dialog, 1009)->text(),
                 zero ? QStringLiteral("00:00:00  01/01/1990")
                      : QStringLiteral("14:05:09  08/11/1992"));
        QCOMPARE(control<QRadioButton>(dialog, 1014)->isChecked(), sex != 0);
        QCOMPARE(control<QRadioButton>(dialog, 1015)->isChecked(), sex == 0);
    }

    // How the dialog ends after the user typed a new name and chose "Nam".
    void endings_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Done") << "done" << int(IDOK) << true;
        QTest::newRow("Lưu thông tin") << "save item" << int(CmdPersonalSave) << true;
        QTest::newRow("Trở về") << "back key" << int(IDCANCEL) << false;
        QTest::newRow("Escape") << "escape" << int(IDCANCEL) << false;
        QTest::newRow("Làm lại does nothing") << "reset item, back key" << int(IDCANCEL) << false;
    }
    void endings() {
        QFETCH(QString, how);
        QFETCH(int, result);
        QFETCH(bool, saved);
        QVERIFY(root->put(kUserInfoFile, encodePersonalRecord(sample())));
        MainFrame f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.frame));
        PersonalRecord record = readPersonalRecord();
        PersonalInfoDialog dialog(&f.frame, record);
        bool stillRunningAfterReset = true;
        const int got = runWith(dialog, [&] {
            auto* name = control<QLineEdit>(dialog, 1002);
            name->selectAll();
            typeText(name, QStringLiteral("Phạm Quốc Việt"));
            QTest::mouseClick(control<QRadioButton>(dialog, 1014), Qt::LeftButton);
            auto* bar = dialog.softKeyBar();
            if (how == "done") {
                QTest::mouseClick(f.frame.taskBar()->findChild<QToolButton*>(), Qt::LeftButton);
            } else if (how == "save item") {
                bar->action(CmdPersonalSave)->trigger();
            } else if (how == "back key") {
                bar->pressLeft();
            } else if (how == "escape") {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            } else {
                bar->action(CmdPersonalReset)->trigger();
                stillRunningAfterReset = dialog.isRunning();
                bar->pressLeft();
            }
        });
        QCOMPARE(got, result);
        QVERIFY(stillRunningAfterReset);
        PersonalRecord expected = sample();
        if (saved) {
            setFieldText(expected.name, QStringLiteral("Phạm Quốc Việt"));
            expected.sex = 1;
        }
        QCOMPARE(encodePersonalRecord(record), encodePersonalRecord(expected));
        QCOMPARE(root->get(kUserInfoFile), encodePersonalRecord(expected));
    }

    void firstSaveCreatesFolderAndFileAndKeepsALongerFilesTail_data() {
        QTest::addColumn<int>("existing"); // -1: no folder at all
        QTest::newRow("no folder") << -1;
        QTest::newRow("longer file") << 1200;
    }
    void firstSaveCreatesFolderAndFileAndKeepsALongerFilesTail() {
        QFETCH(int, existing);
        QByteArray old;
        for (int i = 0; i < existing; ++i) old.append(char(i * 13 + 1));
        if (existing > 0) QVERIFY(root->put(kUserInfoFile, old));
        MainFrame f;
        PersonalRecord record = readPersonalRecord();
        PersonalInfoDialog dialog(&f.frame, record);
        runWith(dialog, [&] {
            control<QLineEdit>(dialog, 1006)->setText(QStringLiteral("viet@example.vn"));
            control<QDateTimeEdit>(dialog, 1009)
                ->setDateTime(QDateTime(QDate(1975, 4, 30), QTime(11, 30), Qt::UTC));
            dialog.softKeyBar()->action(CmdPersonalSave)->trigger();
        });
        const QByteArray file = root->get(kUserInfoFile);
        QCOMPARE(file.size(), existing > 0 ? existing : 490);
        QCOMPARE(file.left(490), encodePersonalRecord(record));
        QCOMPARE(file.mid(490), old.mid(490));
        const PersonalRecord back = readPersonalRecord();
        QCOMPARE(fieldText(back.email), QStringLiteral("viet@example.vn"));
        QCOMPARE(birthOf(back.birth), QDateTime(QDate(1975, 4, 30), QTime(11, 30), Qt::UTC));
        QCOMPARE(back.birth.wDayOfWeek, uint16_t(3)); // a Wednesday
    }

    // A record that could not be saved (a folder in the file's place here; a full or read-only
    // disk alike) was lost without a word when the dialog closed.
    void unsavableRecordIsToldAndTheDialogKeepsItsValues() {
        QVERIFY(QDir().mkpath(root->host(kUserInfoFile))); // a folder where the file should go
        MainFrame f;
        PersonalRecord record{};
        PersonalInfoDialog dialog(&f.frame, record);
        QStringList told;
        bool stillOpen = false;
        const int got = runWith(dialog, [&] {
            control<QLineEdit>(dialog, 1002)->setText(QStringLiteral("Đỗ Minh"));
            QTimer::singleShot(20, [&] {
                auto* box =
                    qobject_cast<shell::MessageBoxDialog*>(QApplication::activeModalWidget());
                if (box) {
                    told << box->caption() << box->text();
                    box->press(IDOK);
                }
                QTimer::singleShot(20, [&] {
                    stillOpen = dialog.isRunning();
                    dialog.softKeyBar()->pressLeft(); // "Trở về"
                });
            });
            dialog.softKeyBar()->action(CmdPersonalSave)->trigger();
        });
        QCOMPARE(got, int(IDCANCEL));
        QVERIFY(stillOpen);
        QCOMPARE(told.value(0), QStringLiteral("Có lỗi"));
        QVERIFY(told.value(1).startsWith(QStringLiteral("Không lưu được thông tin cá nhân")));
        QCOMPARE(fieldText(record.name), QStringLiteral("Đỗ Minh")); // kept in memory too
        QVERIFY(QFileInfo(root->host(kUserInfoFile)).isDir());
    }

    // Enter in a text field is the dialog's Done: it saves and closes.
    void enterInATextFieldSavesAndCloses() {
        MainFrame f;
        PersonalRecord record{};
        PersonalInfoDialog dialog(&f.frame, record);
        const int got = runWith(dialog, [&] {
            auto* phone = control<QLineEdit>(dialog, 1005);
            phone->setFocus();
            phone->setText(QStringLiteral("0912 345 678"));
            QTest::keyClick(phone, Qt::Key_Return);
        });
        QCOMPARE(got, int(IDOK));
        QCOMPARE(fieldText(readPersonalRecord().telephone), QStringLiteral("0912 345 678"));
    }

    // The birth date drops down a month calendar that opens on the stored date; its years are
    // the calendar's own.
    void birthDateDropsDownAMonthCalendar() {
        MainFrame f;
        PersonalRecord record = sample();
        PersonalInfoDialog dialog(&f.frame, record);
        auto* birth = control<QDateTimeEdit>(dialog, 1009);
        QVERIFY(birth->calendarPopup());
        QCOMPARE(birth->calendarWidget()->selectedDate(), QDate(1992, 11, 8));
        QCOMPARE(birth->minimumDate(), QDate(1800, 1, 1));
        QCOMPARE(birth->maximumDate(), QDate(2199, 12, 31));
        QCOMPARE(birth->calendarWidget()->locale().language(), QLocale::Vietnamese);
    }

    void notifiesALiveTodayItem() {
        QObject owner;
        QList<QList<qint64>> received;
        const ipc::Handle handle =
            ipc::registerEndpoint(&owner, [&](uint32_t m, uint32_t w, int32_t l) {
                received.append({qint64(m), qint64(w), qint64(l)});
                return 0;
            });
        QVERIFY(handle != 0);
        QVERIFY(setTodayHandle(handle));
        MainFrame f;
        PersonalRecord record = sample();
        PersonalInfoDialog dialog(&f.frame, record);
        QVERIFY(dialog.SavePersonalRecord());
        QCOMPARE(received, (QList<QList<qint64>>{{0x434, 0, 0}}));
    }

    void skipsAStaleOrMissingTodayItem_data() {
        QTest::addColumn<bool>("stale");
        QTest::newRow("stale handle") << true;
        QTest::newRow("no value") << false;
    }
    void skipsAStaleOrMissingTodayItem() {
        QFETCH(bool, stale);
        if (stale) {
            auto* gone = new QObject;
            const ipc::Handle handle =
                ipc::registerEndpoint(gone, [](uint32_t, uint32_t, int32_t) { return 0; });
            QVERIFY(handle != 0);
            delete gone;
            QVERIFY(setTodayHandle(handle));
        }
        MainFrame f;
        PersonalRecord record = sample();
        PersonalInfoDialog dialog(&f.frame, record);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(dialog.SavePersonalRecord());
        QVERIFY(timer.elapsed() < 2000);
        QCOMPARE(root->get(kUserInfoFile), encodePersonalRecord(sample()));
        QVERIFY(!notifyTodayItem(100));
    }

    void menuBarFailureIsReportedAndTheDialogGoesOn() {
        MainFrame f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.frame));
        PersonalRecord record = sample();
        // An item without an id cannot make a menu bar.
        PersonalInfoDialog dialog(&f.frame, record, kPersonalFile,
                                  {{0, QStringLiteral("Lưu"), 0, {}}});
        QString text, caption;
        const int got = runWith(dialog, [&] {
            QTRY_VERIFY(qobject_cast<shell::MessageBoxDialog*>(QApplication::activeModalWidget()));
            auto* box = qobject_cast<shell::MessageBoxDialog*>(QApplication::activeModalWidget());
            text = box->text();
            caption = box->caption();
            box->press(IDOK);
            QTimer::singleShot(30, &dialog, [&] {
                QCOMPARE(dialog.softKeyBar()->leftText(), QStringLiteral("Trở về"));
                QTest::mouseClick(f.frame.taskBar()->findChild<QToolButton*>(), Qt::LeftButton);
            });
        });
        QCOMPARE(text, QStringLiteral("SHCreateMenuBar Failed"));
        QCOMPARE(caption, QStringLiteral("Error"));
        QCOMPARE(got, int(IDOK));
        QCOMPARE(root->get(kUserInfoFile), encodePersonalRecord(sample()));
    }

    void screenshots_data() { velmora::testing::addProfileRows(); }
    void screenshots() {
        QFETCH(QString, profile);
        QVERIFY(screen::select(profile));
        shell::Application::applyScreenProfile();
        MainFrame f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.frame));
        PersonalRecord record = sample();
        record.sex = 1;
        PersonalInfoDialog dialog(&f.frame, record);
        const QString path = shotPath(QStringLiteral("personal-info"), profile);
        const QString menuPath = shotPath(QStringLiteral("personal-info-menu"), profile);
        runWith(dialog, [&] {
            QVERIFY(shell::saveScreenshot(f.frame, path));
            // Every label and control is inside the dialog, shows its whole text, and no two
            // overlap.
            QList<QWidget*> items;
            for (QWidget* w : dialog.findChildren<QWidget*>())
                if (w->parentWidget() == &dialog && w->isVisible()) items << w;
            QCOMPARE(items.size(), 15); // 7 labels, 5 edits, 1 picker, 2 radio buttons
            for (QWidget* w : items) {
                QVERIFY2(dialog.rect().contains(w->geometry()), qPrintable(w->objectName()));
                QVERIFY2(w->width() >= w->minimumSizeHint().width(), qPrintable(w->objectName()));
                QVERIFY2(w->height() >= w->minimumSizeHint().height(), qPrintable(w->objectName()));
                if (auto* l = qobject_cast<QLabel*>(w))
                    QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(l->text()));
                for (QWidget* other : items)
                    if (other != w) QVERIFY(!w->geometry().intersects(other->geometry()));
            }
            auto* picker = control<QDateTimeEdit>(dialog, 1009);
            QVERIFY(picker->width() >= picker->sizeHint().width());
            // The "Mục chọn" popup with both of its items.
            dialog.softKeyBar()->pressRight();
            QTRY_VERIFY(dialog.softKeyBar()->rightMenu()->isVisible());
            QVERIFY(shell::saveScreenshot(f.frame, menuPath));
            dialog.softKeyBar()->rightMenu()->hide();
            dialog.done(IDCANCEL);
        });
        for (const QString& file : {path, menuPath})
            QCOMPARE(QImage(file).size(), QSize(screen::current().width, screen::current().height));
    }
};

QTEST_MAIN(PersonalInfoDialogTest)
#include "PersonalInfoDialogTest.moc"
