// The clock synchronisation as a user meets it, against a Time Protocol server on 127.0.0.1: the
// right time on the device clock (never the host's); a refused connection, a short reply, a
// silent server, no network and a clock that cannot be set, each with its status text and the
// clock unchanged; the status texts of the connection manager; and screenshots.
#include "app/tools/ClockSync.h"
#include "app/res/CommandIds.h"
#include "app/tools/ClockSyncDialog.h"
#include "app/tools/tests/ToolTestSupport.h"

#include "platform/device/DeviceClock.h"
#include "platform/net/ConnectionManager.h"
#include "platform/net/tests/LocalTimeServer.h"
#include "platform/testing/TestDeviceRoot.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <memory>

using namespace velmora;
using namespace velmora::app;
using velmora::testing::LocalTimeServer;
using velmora::testing::MainFrame;
using velmora::testing::MessageBoxWatcher;
using velmora::testing::runWith;
using velmora::testing::TestDeviceRoot;

namespace {

// 2030-05-17 08:00:00 UTC as seconds since 1900 (Python's datetime: 4114224000).
constexpr quint32 kServerTime = 4114224000u;
const QDateTime kServerUtc(QDate(2030, 5, 17), QTime(8, 0, 0), Qt::UTC);

} // namespace

class ClockSyncTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDeviceRoot> root;

    // Runs one synchronisation in the dialog and returns whether it set the clock.
    bool synchronise(ClockSyncDialog& dialog, MainFrame& f) {
        bool set = false;
        runWith(dialog, [&] {
            QSignalSpy finished(&dialog, &ClockSyncDialog::finished);
            dialog.softKeyBar()->pressLeft(); // "Đồng bộ"
            QVERIFY(finished.wait(5000));
            set = finished.first().first().toBool();
            f.pressDone();
        });
        return set;
    }

  private slots:
    void init() {
        root = std::make_unique<TestDeviceRoot>(); // the clock runs
        velmora::testing::useProfile(QStringLiteral("qvga"));
    }
    void cleanup() { root.reset(); }

    void statusTexts_data() {
        QTest::addColumn<uint>("status");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("releases");
        QTest::newRow("connected") << 0x10u << "Kết nối thành công " << false;
        QTest::newRow("failed") << 0x21u << "Kết nối bị lỗi" << true;
        QTest::newRow("no path") << 0x24u << "Không có đường dẫn" << true;
        QTest::newRow("waiting") << 0x40u << "Đang chờ kết nối" << false;
        QTest::newRow("other failure") << 0x23u << "Không nhận dạng được" << true;
        QTest::newRow("other") << 0x01u << "Không nhận dạng được" << false;
    }
    void statusTexts() {
        QFETCH(uint, status);
        QFETCH(QString, text);
        QFETCH(bool, releases);
        QCOMPARE(connectionStatusText(status), text);
        QCOMPARE(releasesConnection(status), releases);
    }

    void opensWithTheDestinationsAndThePrompt() {
        QVERIFY(net::setDestinations({{"Wi-Fi", "{1}"}, {"GPRS", "{2}"}}));
        MainFrame f;
        ClockSyncDialog dialog(&f.frame);
        runWith(dialog, [&] {
            QCOMPARE(dialog.title(), QStringLiteral("Lịch Velmora 3.0"));
            QCOMPARE(dialog.softKeyBar()->leftText(), QStringLiteral("Đồng bộ"));
            auto* spinner =
                qobject_cast<DestinationSpinner*>(dialog.control(IdcClockSyncDestinations));
            QCOMPARE(spinner->text(), QStringLiteral("Wi-Fi"));
            spinner->stepUp();
            QCOMPARE(spinner->text(), QStringLiteral("GPRS"));
            QCOMPARE(
                dialog.status(),
                QStringLiteral("Chọn loại kết nối rồi chọn [Lấy giờ] để đồng bộ lại thời gian"));
            // The back key does not leave the dialog; Done does.
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QVERIFY(dialog.isOpen());
            f.pressDone();
        });
        QVERIFY(!dialog.isOpen());
    }

    // The server's time becomes the device's, in the device zone; the host's clock is not asked.
    void setsTheDeviceClockFromTheServer() {
        LocalTimeServer server(LocalTimeServer::secondsReply(kServerTime));
        QVERIFY(net::setTimeServer(QStringLiteral("127.0.0.1:%1").arg(server.port())));
        MainFrame f;
        ClockSyncDialog dialog(&f.frame);
        QVERIFY(synchronise(dialog, f));
        QCOMPARE(dialog.result(), QStringLiteral("Đã đặt lại giờ"));
        QCOMPARE(dialog.status(), QStringLiteral("Kết nối thành công "));
        QCOMPARE(server.connections(), 1);
        const qint64 expected = kServerUtc.addSecs(7 * 3600).toSecsSinceEpoch();
        QVERIFY(qAbs(device::localNow().toSecsSinceEpoch() - expected) < 10);
        QVERIFY(root->get(QStringLiteral("clock.conf")).contains("offset-ms="));
    }

    void failuresLeaveTheClockAlone_data() {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("status");
        QTest::newRow("refused") << "refused"
                                 << "Có lỗi khi lấy thời gian";
        QTest::newRow("short reply") << "short"
                                     << "Có lỗi khi lấy thời gian";
        QTest::newRow("silent server") << "silent"
                                       << "Có lỗi khi lấy thời gian";
        QTest::newRow("offline") << "offline"
                                 << "Kết nối bị lỗi";
        QTest::newRow("frozen clock") << "frozen"
                                      << "Có lỗi khi đặt thời gian";
    }
    void failuresLeaveTheClockAlone() {
        QFETCH(QString, server);
        QFETCH(QString, status);
        const QByteArray reply = server == "short"
                                     ? LocalTimeServer::secondsReply(kServerTime).left(3)
                                     : LocalTimeServer::secondsReply(kServerTime);
        LocalTimeServer time(reply, server == "silent");
        const quint16 port = server == "refused" ? LocalTimeServer::closedPort() : time.port();
        QVERIFY(net::setTimeServer(QStringLiteral("127.0.0.1:%1").arg(port)));
        if (server == "offline") QVERIFY(net::setOnline(false));
        if (server == "frozen") TestDeviceRoot::freezeClock("2025-03-01T09:00:00");
        MainFrame f;
        ClockSyncDialog dialog(&f.frame, 700);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!synchronise(dialog, f));
        QCOMPARE(dialog.status(), status);
        QCOMPARE(dialog.result(), QString());
        QVERIFY(!root->exists(QStringLiteral("clock.conf")));
        if (server == "silent") QVERIFY(timer.elapsed() >= 650);
        QVERIFY(timer.elapsed() < 4000);
    }

    // A second attempt after a failure works without leaving the dialog.
    void anotherAttemptAfterAFailure() {
        QVERIFY(
            net::setTimeServer(QStringLiteral("127.0.0.1:%1").arg(LocalTimeServer::closedPort())));
        MainFrame f;
        ClockSyncDialog dialog(&f.frame, 700);
        LocalTimeServer server(LocalTimeServer::secondsReply(kServerTime));
        runWith(dialog, [&] {
            QSignalSpy finished(&dialog, &ClockSyncDialog::finished);
            dialog.softKeyBar()->pressLeft();
            QVERIFY(finished.wait(5000));
            QCOMPARE(dialog.status(), QStringLiteral("Có lỗi khi lấy thời gian"));
            QVERIFY(net::setTimeServer(QStringLiteral("127.0.0.1:%1").arg(server.port())));
            dialog.softKeyBar()->pressLeft();
            QVERIFY(finished.wait(5000));
            QCOMPARE(finished.last().first().toBool(), true);
            f.pressDone();
        });
        QCOMPARE(dialog.result(), QStringLiteral("Đã đặt lại giờ"));
    }

    void screenshots_data() { velmora::testing::addScreenshotRows(); }
    void screenshots() {
        QFETCH(QString, profile);
        velmora::testing::useProfile(profile);
        LocalTimeServer server(LocalTimeServer::secondsReply(kServerTime));
        QVERIFY(net::setTimeServer(QStringLiteral("127.0.0.1:%1").arg(server.port())));
        MainFrame f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.frame));
        ClockSyncDialog dialog(&f.frame);
        runWith(dialog, [&] {
            QVERIFY(velmora::testing::saveShot(f.frame, QStringLiteral("clock-sync")));
            QSignalSpy finished(&dialog, &ClockSyncDialog::finished);
            dialog.softKeyBar()->pressLeft();
            QVERIFY(finished.wait(5000));
            QVERIFY(velmora::testing::saveShot(f.frame, QStringLiteral("clock-sync-done")));
            f.pressDone();
        });
    }
};

QTEST_MAIN(ClockSyncTest)
#include "ClockSyncTest.moc"
