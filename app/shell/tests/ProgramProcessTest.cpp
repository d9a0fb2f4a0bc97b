// LichVelmora as processes: one instance per device, and a screenshot run without a display.
#include "app/res/MainMenu.h"
#include "platform/ipc/IpcNames.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QProcessEnvironment deviceEnvironment(const QString& root) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VELMORA_DEVICE_ROOT"), root);
    env.insert(QStringLiteral("VELMORA_NOW"), QStringLiteral("2009-01-26T10:30"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

} // namespace

class ProgramProcessTest : public QObject {
    Q_OBJECT

  private slots:
    void secondStartExitsAndLeavesTheFirstRunning() {
        QTemporaryDir root;
        QProcess first;
        first.setProcessEnvironment(deviceEnvironment(root.path()));
        first.start(QStringLiteral(LICHVELMORA_PATH), {});
        QVERIFY(first.waitForStarted());
        // The first installs itself into the device, then claims its single instance: its lock
        // file appears. (Started together, whichever claims first stays; here the first must.)
        qputenv("VELMORA_DEVICE_ROOT", root.path().toUtf8());
        const QString lock = velmora::ipc::instanceLockPath(
            QString::fromUtf16(velmora::app::kWindowClass) + QLatin1Char('|') +
            QString::fromUtf16(velmora::app::kWindowTitle));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(lock), 30000);

        QProcess second;
        second.setProcessEnvironment(deviceEnvironment(root.path()));
        second.start(QStringLiteral(LICHVELMORA_PATH), {});
        QVERIFY(second.waitForStarted());
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        first.terminate();
        QVERIFY(first.waitForFinished(5000));
    }

    void screenshotRunWritesTheScreen() {
        QTemporaryDir root;
        const QString shot = root.filePath(QStringLiteral("shot.png"));
        QProcess run;
        run.setProcessEnvironment(deviceEnvironment(root.path()));
        run.start(QStringLiteral(LICHVELMORA_PATH),
                  {QStringLiteral("--screen"), QStringLiteral("qvga"),
                   QStringLiteral("--screenshot"), shot});
        QVERIFY(run.waitForFinished(20000));
        QCOMPARE(run.exitCode(), 0);
        const QImage image(shot);
        QCOMPARE(image.size(), QSize(240, 320));
        int blue = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                blue += image.pixelColor(x, y) == QColor(0, 0, 204);
        QVERIFY2(blue > 500, "the day page's dark blue text is on the screen");
        // The program installed itself into the device on the way.
        QVERIFY(
            QFileInfo(root.filePath(QStringLiteral("Program Files/LichVelmora/Data/vansutot.dat")))
                .isFile());
        QVERIFY(QFileInfo(root.filePath(QStringLiteral("Program Files/LichVelmora/Images/P01.jpg")))
                    .isFile());
    }
};

QTEST_GUILESS_MAIN(ProgramProcessTest)
#include "ProgramProcessTest.moc"
