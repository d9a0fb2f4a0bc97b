// Screenshots at every screen profile (frame with popup, dialog with Done, message box, text in
// every alignment), written under the build folder for review, and the --screenshot run.
#include "platform/shell/Screenshot.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/screen/ScreenProfile.h"
#include "platform/shell/Application.h"
#include "platform/shell/DeviceFrame.h"
#include "platform/shell/FullScreenDialog.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/tests/SampleMenuBar.h"
#include "platform/testing/ScreenTesting.h"

#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace velmora;
using namespace velmora::shell;

namespace {

const QString kPhrase =
    QStringLiteral("Lịch vạn sự – Tháng Giêng, Ất Tị, Đông chí, Hồ Chí Minh, Chủ nhật");

// Three bordered rows, one per horizontal alignment, all with the same vertical alignment.
class AlignmentPage : public QWidget {
  public:
    explicit AlignmentPage(unsigned vertical) : vertical_(vertical) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setFont(gdi::makeFont(QStringLiteral("Tahoma"), -screen::ScaleY(12)));
        const unsigned horizontal[] = {gdi::DT_LEFT, gdi::DT_CENTER, gdi::DT_RIGHT};
        const int rowHeight = height() / 3;
        for (int i = 0; i < 3; ++i) {
            const QRect row(2, i * rowHeight + 2, width() - 4, rowHeight - 4);
            p.setPen(QColor(0xc0, 0xc0, 0xc0));
            p.drawRect(row.adjusted(-1, -1, 0, 0));
            p.setPen(QColor(0x10, 0x10, 0x60));
            gdi::drawText(p, row, kPhrase, horizontal[i] | vertical_ | gdi::DT_WORDBREAK);
        }
    }

  private:
    unsigned vertical_;
};

QString shotPath(const QString& name) {
    return velmora::testing::screenshotPath(QStringLiteral(SCREENSHOT_DIR), name,
                                            screen::current().name);
}

void checkWritten(const QString& path) {
    const QImage written(path);
    QVERIFY2(!written.isNull(), qPrintable(path));
    QCOMPARE(written.size(), QSize(screen::current().width, screen::current().height));
}

} // namespace

class ScreenshotTest : public QObject {
    Q_OBJECT
  private slots:
    void profiles_data() { velmora::testing::addProfileRows(); }
    void profiles() {
        QFETCH(QString, profile);
        QVERIFY(screen::select(profile));
        Application::applyScreenProfile();

        DeviceFrame frame;
        auto* label = new QLabel(kPhrase);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        frame.setContent(label);
        frame.setTitle(QStringLiteral("Lịch vạn sự"));
        frame.setMenuBar(SoftKeyBar::create(velmora::shell::test::sampleMenuBar()));
        frame.move(0, 0);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));

        // The main window with its popup open.
        frame.menuBar()->openRightMenu();
        QTRY_VERIFY(frame.menuBar()->rightMenu()->isVisible());
        QString path = shotPath(QStringLiteral("menu"));
        QVERIFY(saveScreenshot(frame, path));
        checkWritten(path);
        frame.menuBar()->rightMenu()->hide();

        // A full-screen dialog with Done and its own popup.
        FullScreenDialog dialog(
            &frame, QStringLiteral("Tùy chọn hiển thị"),
            {{401, QStringLiteral("Mặc định"), 0, {}}, {402, QStringLiteral("Giới thiệu"), 0, {}}});
        auto* body =
            new QLabel(QStringLiteral("Chọn cách hiển thị ngày Đông chí, Ất Tị."), &dialog);
        body->setWordWrap(true);
        body->setGeometry(screen::ScaleX(8), screen::ScaleY(8), frame.width() - screen::ScaleX(16),
                          screen::ScaleY(60));
        path = shotPath(QStringLiteral("dialog"));
        const QString menuPath = shotPath(QStringLiteral("dialog-menu"));
        QTimer::singleShot(50, [&] {
            QVERIFY(saveScreenshot(frame, path));
            dialog.softKeyBar()->pressRight(); // "Mục chọn" opens the dialog's popup
            QTRY_VERIFY(dialog.softKeyBar()->rightMenu()->isVisible());
            QVERIFY(saveScreenshot(frame, menuPath));
            dialog.softKeyBar()->rightMenu()->hide();
            dialog.done(IDOK);
        });
        QCOMPARE(dialog.exec(), int(IDOK));
        checkWritten(path);
        checkWritten(menuPath);

        // A message box over the main window.
        path = shotPath(QStringLiteral("message"));
        QTimer::singleShot(50, [&] {
            QVERIFY(saveScreenshot(frame, path));
            if (auto* box = qobject_cast<MessageBoxDialog*>(QApplication::activeModalWidget()))
                box->press(IDOK);
        });
        messageBox(&frame, QStringLiteral("Không tìm thấy tệp dữ liệu lịch."),
                   QStringLiteral("Có lỗi"), MB_OK | MB_ICONERROR);
        checkWritten(path);

        // Text in every alignment, one picture per vertical alignment.
        const std::pair<const char*, unsigned> verticals[] = {{"text-top", gdi::DT_TOP},
                                                              {"text-vcenter", gdi::DT_VCENTER},
                                                              {"text-bottom", gdi::DT_BOTTOM}};
        for (const auto& [name, flag] : verticals) {
            frame.setContent(new AlignmentPage(flag));
            path = shotPath(QString::fromLatin1(name));
            QVERIFY(saveScreenshot(frame, path));
            checkWritten(path);
        }
    }

    void programScreenshotRun_data() {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QSize>("size");
        QTest::newRow("qvga") << "qvga" << QSize(240, 320);
        QTest::newRow("vga-landscape") << "vga-landscape" << QSize(640, 480);
    }
    void programScreenshotRun() {
        QFETCH(QString, profile);
        QFETCH(QSize, size);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("shot.png"));
        QProcess probe;
        probe.start(QStringLiteral(SHELL_PROBE),
                    {QStringLiteral("--screen"), profile, QStringLiteral("--screenshot"), file});
        QVERIFY(probe.waitForFinished(20000));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 0);
        const QImage shot(file);
        QCOMPARE(shot.size(), size);
        // Painted, not blank: the blue task bar at the top, the blue soft-key bar at the bottom,
        // a light work area between.
        for (const QPoint at : {QPoint(2, 2), QPoint(2, size.height() - 3)}) {
            const QColor c(shot.pixel(at));
            QVERIFY2(c.blue() > c.red() + 40, qPrintable(c.name()));
        }
        QVERIFY(QColor(shot.pixel(2, size.height() / 2)).lightness() > 200);
    }

    void programScreenshotWriteFailure() {
        QProcess probe;
        probe.start(QStringLiteral(SHELL_PROBE),
                    {QStringLiteral("--screenshot"),
                     QStringLiteral("/nonexistent-folder/velmora/shot.png")});
        QVERIFY(probe.waitForFinished(20000));
        QCOMPARE(probe.exitCode(), 1);
        QVERIFY(QString::fromUtf8(probe.readAllStandardError())
                    .contains(QStringLiteral("Không ghi được ảnh chụp màn hình")));
    }
};

QTEST_MAIN(ScreenshotTest)
#include "ScreenshotTest.moc"
