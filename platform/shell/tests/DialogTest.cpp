// Tests of full-screen dialogs (Done, Trở về, Back, menu commands, bars) and message boxes.
#include "platform/screen/ScreenProfile.h"
#include "platform/shell/DeviceFrame.h"
#include "platform/shell/FullScreenDialog.h"
#include "platform/shell/MessageBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace velmora;
using namespace velmora::shell;

namespace {

// Runs action once the dialog's event loop is going.
void whileRunning(const std::function<void()>& action) {
    QTimer::singleShot(50, action);
}

struct Frame {
    DeviceFrame frame;
    Frame() {
        frame.setContent(new QLabel(QStringLiteral("Trang ngày")));
        frame.setMenuBar(
            SoftKeyBar::create({101, QStringLiteral("Hôm nay"), 102, QStringLiteral("Menu"), {}}));
        frame.setTitle(QStringLiteral("Lịch vạn sự"));
        frame.show();
    }
};

} // namespace

class DialogTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QVERIFY(screen::select(QStringLiteral("qvga"))); }

    void endings_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("Done in the task bar") << "done" << int(IDOK);
        QTest::newRow("Trở về key") << "back key" << int(IDCANCEL);
        QTest::newRow("Escape") << "escape" << int(IDCANCEL);
        QTest::newRow("Backspace does not end it") << "backspace then done" << int(IDOK);
        QTest::newRow("Enter in a text field is Done") << "enter in text" << int(IDOK);
        QTest::newRow("Enter elsewhere does not end it") << "enter then escape" << int(IDCANCEL);
        QTest::newRow("a menu item does not end it") << "menu then done" << int(IDOK);
    }
    void endings() {
        QFETCH(QString, how);
        QFETCH(int, result);
        Frame f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.frame));
        FullScreenDialog dialog(&f.frame, QStringLiteral("Tùy chọn"),
                                {{40001, QStringLiteral("Mặc định"), 0, {}}});
        auto* text = new QLineEdit(&dialog);
        QList<int> commands;
        connect(&dialog, &FullScreenDialog::command, [&](int id) { commands << id; });
        bool checkedWhileRunning = false;
        whileRunning([&] {
            // While it runs the frame shows the dialog's title, bar and Done.
            checkedWhileRunning = f.frame.taskBar()->title() == QStringLiteral("Tùy chọn") &&
                                  f.frame.taskBar()->isDoneVisible() &&
                                  f.frame.activeMenuBar() == dialog.softKeyBar() &&
                                  dialog.softKeyBar()->leftText() == QStringLiteral("Trở về") &&
                                  dialog.softKeyBar()->rightText() == QStringLiteral("Mục chọn") &&
                                  f.frame.menuBar()->isHidden() && dialog.isVisible() &&
                                  dialog.geometry() == f.frame.workArea()->rect();
            auto* done = f.frame.taskBar()->findChild<QToolButton*>();
            if (how == "done") {
                QTest::mouseClick(done, Qt::LeftButton);
            } else if (how == "back key") {
                dialog.softKeyBar()->pressLeft();
            } else if (how == "escape") {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            } else if (how == "backspace then done") {
                QTest::keyClick(&dialog, Qt::Key_Backspace);
                QTimer::singleShot(20, [done] { QTest::mouseClick(done, Qt::LeftButton); });
            } else if (how == "enter in text") {
                text->setFocus();
                QTest::keyClick(text, Qt::Key_Return);
            } else if (how == "enter then escape") {
                QTest::keyClick(&dialog, Qt::Key_Return);
                QTimer::singleShot(20, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); });
            } else {
                dialog.softKeyBar()->action(40001)->trigger();
                QTimer::singleShot(20, [done] { QTest::mouseClick(done, Qt::LeftButton); });
            }
        });
        QCOMPARE(dialog.exec(), result);
        QVERIFY(checkedWhileRunning);
        QCOMPARE(commands.last(), result);
        if (how == "menu then done") QCOMPARE(commands.first(), 40001);
        // Afterwards the main window's title and bar are back, Done gone.
        QCOMPARE(f.frame.taskBar()->title(), QStringLiteral("Lịch vạn sự"));
        QVERIFY(!f.frame.taskBar()->isDoneVisible());
        QCOMPARE(f.frame.activeMenuBar(), f.frame.menuBar());
        QVERIFY(!f.frame.menuBar()->isHidden());
        QVERIFY(dialog.isHidden());
    }

    void dialogWithoutDoneOrMenu() {
        Frame f;
        FullScreenDialog dialog(&f.frame, QStringLiteral("Giới thiệu"), {}, false);
        bool doneHidden = false, rightHidden = false;
        whileRunning([&] {
            doneHidden = !f.frame.taskBar()->isDoneVisible();
            rightHidden = dialog.softKeyBar()->rightText().isEmpty();
            dialog.softKeyBar()->pressLeft();
        });
        QCOMPARE(dialog.exec(), int(IDCANCEL));
        QVERIFY(doneHidden);
        QVERIFY(rightHidden);
    }

    void nestedDialogsRestoreInOrder() {
        Frame f;
        FullScreenDialog outer(&f.frame, QStringLiteral("Ngoài"));
        QString titleInside, titleBetween;
        int innerResult = 0;
        whileRunning([&] {
            FullScreenDialog inner(&outer, QStringLiteral("Trong"));
            QTimer::singleShot(50, [&] {
                titleInside = f.frame.taskBar()->title();
                QTest::keyClick(&inner, Qt::Key_Escape);
            });
            innerResult = inner.exec();
            titleBetween = f.frame.taskBar()->title();
            outer.done(IDOK);
        });
        QCOMPARE(outer.exec(), int(IDOK));
        QCOMPARE(innerResult, int(IDCANCEL));
        QCOMPARE(titleInside, QStringLiteral("Trong"));
        QCOMPARE(titleBetween, QStringLiteral("Ngoài"));
        QCOMPARE(f.frame.taskBar()->title(), QStringLiteral("Lịch vạn sự"));
    }

    void dialogOutsideAFrameGetsItsOwn() {
        FullScreenDialog dialog(nullptr, QStringLiteral("Riêng"));
        QVERIFY(dialog.frame());
        QCOMPARE(dialog.frame()->size(), QSize(240, 320));
        whileRunning([&] { dialog.done(IDOK); });
        QCOMPARE(dialog.exec(), int(IDOK));
    }

    void messageButtons_data() {
        QTest::addColumn<unsigned>("type");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("ok") << unsigned(MB_OK | MB_ICONERROR) << QStringList{"OK"};
        QTest::newRow("ok cancel") << unsigned(MB_OKCANCEL) << QStringList{"OK", "Hủy"};
        QTest::newRow("yes no") << unsigned(MB_YESNO | MB_ICONQUESTION)
                                << QStringList{"Có", "Không"};
        QTest::newRow("yes no cancel")
            << unsigned(MB_YESNOCANCEL) << QStringList{"Có", "Không", "Hủy"};
    }
    void messageButtons() {
        QFETCH(unsigned, type);
        QFETCH(QStringList, texts);
        MessageBoxDialog box(nullptr, QStringLiteral("Nội dung"), QStringLiteral("Có lỗi"), type);
        QStringList shown;
        for (QPushButton* b : box.buttons()) shown << b->text();
        QCOMPARE(shown, texts);
    }

    void messageBoxAnswers_data() {
        QTest::addColumn<unsigned>("type");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("result");
        QTest::newRow("OK pressed") << unsigned(MB_OK) << "press 1" << int(IDOK);
        QTest::newRow("Có pressed") << unsigned(MB_YESNO) << "press 6" << int(IDYES);
        QTest::newRow("Không pressed") << unsigned(MB_YESNO) << "press 7" << int(IDNO);
        QTest::newRow("Back on OK box") << unsigned(MB_OK) << "escape" << int(IDOK);
        QTest::newRow("Back means Hủy") << unsigned(MB_YESNOCANCEL) << "escape" << int(IDCANCEL);
        QTest::newRow("Enter takes the first") << unsigned(MB_YESNO) << "enter" << int(IDYES);
    }
    void messageBoxAnswers() {
        QFETCH(unsigned, type);
        QFETCH(QString, action);
        QFETCH(int, result);
        Frame f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.frame));
        bool inside = false, topmost = false;
        QTimer::singleShot(50, [&] {
            auto* box = qobject_cast<MessageBoxDialog*>(QApplication::activeModalWidget());
            QVERIFY(box);
            const QRect frameRect(f.frame.mapToGlobal(QPoint(0, 0)), f.frame.size());
            inside = frameRect.contains(QRect(box->mapToGlobal(QPoint(0, 0)), box->size()));
            topmost = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            if (action.startsWith("press"))
                box->press(action.mid(6).toInt());
            else
                QTest::keyClick(box, action == "escape" ? Qt::Key_Escape : Qt::Key_Return);
        });
        const int got = messageBox(&f.frame, QStringLiteral("Không đọc được tệp dữ liệu."),
                                   QStringLiteral("Có lỗi"), type | MB_ICONERROR | MB_TOPMOST);
        QCOMPARE(got, result);
        QVERIFY(inside);
        QVERIFY(topmost);
    }

    void messageBoxStaysInsideSmallScreens() {
        QVERIFY(screen::select(QStringLiteral("square")));
        Frame f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.frame));
        MessageBoxDialog box(&f.frame,
                             QStringLiteral("Một thông báo rất dài để xem chữ có xuống dòng "
                                            "trong khung màn hình nhỏ hay không, Hồ Chí Minh."),
                             QStringLiteral("Error"), MB_OK | MB_ICONWARNING);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(!box.windowFlags().testFlag(Qt::WindowStaysOnTopHint)); // not asked for
        const QRect frameRect(f.frame.mapToGlobal(QPoint(0, 0)), f.frame.size());
        QVERIFY(frameRect.contains(QRect(box.mapToGlobal(QPoint(0, 0)), box.size())));
        QVERIFY(box.findChild<QLabel*>(QStringLiteral("icon")));
    }
};

QTEST_MAIN(DialogTest)
#include "DialogTest.moc"
