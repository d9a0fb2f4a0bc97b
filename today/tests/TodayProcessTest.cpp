// The Today screen as a process of its own: a save of the personal record by another program
// (what LichVelmora's dialog does: write the file, send the reload) shows the new name in the
// running item at once; the screen signals SYSTEM/ShellAPIReady to the device while it runs.
#include "platform/ipc/Messaging.h"
#include "platform/ipc/RegisteredMessage.h"
#include "platform/net/NetworkSettings.h"
#include "platform/registry/RegistryKey.h"
#include "platform/testing/TestDeviceRoot.h"
#include "platform/today/NamedEvent.h"
#include "suite/install/Install.h"
#include "suite/personal/PersonalFile.h"
#include "suite/today/TodayNotify.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTest>

using namespace velmora;

namespace {

void writeName(const QString& name) {
    personal::PersonalRecord r{};
    personal::setFieldText(r.name, name);
    r.birth = {1990, 6, 0, 15, 0, 0, 0, 0};
    QVERIFY(personal::writePersonalRecord(r));
}

QProcessEnvironment deviceEnvironment(const QString& root) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VELMORA_DEVICE_ROOT"), root);
    env.insert(QStringLiteral("VELMORA_NOW"), QStringLiteral("2025-12-31T09:41"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

uint32_t dwordAt(const QString& path, const QString& name) {
    registry::RegistryKey key;
    uint32_t value = 0;
    if (registry::RegistryKey::currentUser().open(path, &key) == registry::Status::Success)
        key.getDword(name, &value);
    return value;
}

} // namespace

class TodayProcessTest : public QObject {
    Q_OBJECT

  private slots:
    void savedNameShowsInTheRunningItemAtOnce() {
        velmora::testing::TestDeviceRoot root("2025-12-31T09:41");
        // The device as a start of LichVelmora leaves it: pictures, the item registered.
        install::InstallPlan plan;
        plan.programFolder = QStringLiteral("\\Program Files\\LichVelmora");
        plan.exeName = QStringLiteral("LichVelmora.exe");
        plan.hostExecutable = QStringLiteral(TODAY_HOST_PATH);
        plan.hostImages = QStringLiteral(DEVICE_DATA_DIR "/Images");
        plan.hostTodayItem = QStringLiteral(TODAY_PLUGIN_PATH);
        QString error;
        QVERIFY2(install::install(plan, &error), qPrintable(error));
        writeName(QStringLiteral("Lê Văn Tám"));

        // The personal panel is on the third page.
        const QString shot = root.host(QStringLiteral("shot.png"));
        QProcess today;
        today.setProcessEnvironment(deviceEnvironment(root.path()));
        today.start(QStringLiteral(TODAY_HOST_PATH),
                    {"--screen", "qvga", "--page", "2", "--screenshot-on-request", shot});
        QVERIFY(today.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(
            dwordAt(QStringLiteral("Device\\Today"), QStringLiteral("Window")) != 0, 20000);
        QTRY_VERIFY(dwordAt(QStringLiteral("Software\\VelmoraSoft\\LichVelmora"),
                            QStringLiteral("VelmoraToday")) != 0);
        QVERIFY(todayscreen::isEventSet(todayscreen::kShellApiReady));

        const uint32_t request = ipc::registerMessage(QStringLiteral("Velmora.TodayScreenshot"));
        const ipc::Handle screen =
            dwordAt(QStringLiteral("Device\\Today"), QStringLiteral("Window"));
        auto picture = [&] {
            int32_t written = 0;
            const bool sent = ipc::send(screen, request, 0, 0, 10000, &written);
            return sent && written == 1 ? QImage(shot) : QImage();
        };
        const QImage before = picture();
        QCOMPARE(before.size(), QSize(240, 320));

        writeName(QStringLiteral("Đỗ Thị Hằng"));
        QVERIFY(today::notifyTodayItem(3000)); // delivered to the other process
        const QImage after = picture();
        QVERIFY(after != before);

        // The same screen drawn by a fresh start that reads the new record from the beginning.
        const QString fresh = root.host(QStringLiteral("fresh.png"));
        QProcess second;
        second.setProcessEnvironment(deviceEnvironment(root.path()));
        second.start(QStringLiteral(TODAY_HOST_PATH),
                     {"--screen", "qvga", "--page", "2", "--screenshot", fresh});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(after, QImage(fresh));

        today.terminate();
        QVERIFY(today.waitForFinished(10000));
        QVERIFY(!todayscreen::isEventSet(todayscreen::kShellApiReady));
    }

    void weatherServerIsADeviceSetting() {
        velmora::testing::TestDeviceRoot root;
        QProcess p;
        p.setProcessEnvironment(deviceEnvironment(root.path()));
        p.start(QStringLiteral(TODAY_HOST_PATH), {"--weather-server", "http://192.168.1.20:8765"});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(net::weatherServer(), QUrl("http://192.168.1.20:8765"));
    }

    void badArgumentsAreRefusedInVietnamese() {
        velmora::testing::TestDeviceRoot root;
        for (const QStringList& args :
             {QStringList{"--page", "4"}, QStringList{"--page"}, QStringList{"--what"},
              QStringList{"--weather-server", "ftp://x"},
              QStringList{"--weather-server", "nowhere"}}) {
            QProcess p;
            p.setProcessEnvironment(deviceEnvironment(root.path()));
            p.start(QStringLiteral(TODAY_HOST_PATH), args);
            QVERIFY(p.waitForFinished(20000));
            QCOMPARE(p.exitCode(), 2);
            QVERIFY(QString::fromUtf8(p.readAllStandardError())
                        .contains(QStringLiteral("velmora-today: ")));
        }
    }
};

QTEST_GUILESS_MAIN(TodayProcessTest)
#include "TodayProcessTest.moc"
