// The notification service on a private session bus (the test runs under dbus-run-session) with
// a notification server of our own: a notice registered for the frozen device clock's moment is
// shown once and its next moment waits; a second service on the same device stands aside.
#include "platform/notify/NotificationService.h"
#include "platform/testing/TestDeviceRoot.h"

#include <QDBusConnection>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace velmora::notify;
using velmora::testing::TestDeviceRoot;

namespace {

QDateTime at(const char* text) {
    QDateTime t = QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate);
    t.setTimeSpec(Qt::UTC);
    return t;
}

} // namespace

class NotificationServiceTest : public QObject {
    Q_OBJECT
    QTemporaryDir logDir;
    QString log;
    QProcess server;

    QStringList received() {
        QFile f(log);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    void startServer() {
        server.start(QStringLiteral(NOTIFICATION_SERVER_PATH), {log});
        QVERIFY(server.waitForStarted());
        QByteArray out;
        QTRY_VERIFY_WITH_TIMEOUT((out += server.readAllStandardOutput()).contains("ready") ||
                                     server.state() != QProcess::Running,
                                 5000);
        QVERIFY2(server.state() == QProcess::Running, server.readAllStandardError().constData());
    }

  private slots:
    void initTestCase() {
        QVERIFY2(!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"),
                 "run this test under dbus-run-session");
        log = logDir.filePath(QStringLiteral("notifications.log"));
        startServer();
    }
    void cleanupTestCase() {
        server.kill();
        server.waitForFinished();
    }
    void init() { QFile::remove(log); }

    void showsTheNoticeAtItsMomentAndKeepsTheNextOne() {
        TestDeviceRoot root("2025-04-06T07:30:00");
        QVERIFY(registerNotices(QStringLiteral("LichNhan"),
                                {Notice{QStringLiteral("Giỗ ông nội"),
                                        QStringLiteral("Ngày giỗ, 10/03 âm lịch\nĐịa điểm: Huế"),
                                        {at("2025-04-06T07:30:00"), at("2026-03-27T07:30:00")}},
                                 Notice{QStringLiteral("Chưa tới"),
                                        QStringLiteral("sau"),
                                        {at("2025-04-06T07:30:05")}}}));
        NotificationService* service = NotificationService::start();
        std::unique_ptr<NotificationService> owned(service);
        QVERIFY(service->isActive());
        QTRY_COMPARE_WITH_TIMEOUT(received().size(), 1, 5000);
        QCOMPARE(received().first(),
                 QStringLiteral("Giỗ ông nội\tNgày giỗ, 10/03 âm lịch\\nĐịa điểm: Huế"));
        // Shown once only, and the notice now waits for its next moment.
        QTest::qWait(2 * NotificationService::kCheckIntervalMs + 200);
        QCOMPARE(received().size(), 1);
        const std::vector<Notice> left = registeredNotices(QStringLiteral("LichNhan"));
        QCOMPARE(left.size(), size_t(2));
        QCOMPARE(left[0].moments, std::vector<QDateTime>{at("2026-03-27T07:30:00")});
        // The clock moves on to the second notice's moment.
        TestDeviceRoot::freezeClock("2025-04-06T07:30:05");
        QTRY_COMPARE_WITH_TIMEOUT(received().size(), 2, 5000);
        QCOMPARE(received().last(), QStringLiteral("Chưa tới\tsau"));
    }

    void aSecondServiceOnTheDeviceStandsAsideUntilTheFirstEnds() {
        TestDeviceRoot root("2025-04-06T07:30:00");
        auto first = std::unique_ptr<NotificationService>(NotificationService::start());
        auto second = std::unique_ptr<NotificationService>(NotificationService::start());
        QVERIFY(first->isActive());
        QVERIFY(!second->isActive());
        QVERIFY(registerNotices(QStringLiteral("LichNhan"), {Notice{QStringLiteral("Một lần"),
                                                                    QStringLiteral("thôi"),
                                                                    {at("2025-04-06T07:30:00")}}}));
        QSignalSpy firstShown(first.get(), &NotificationService::shown);
        QSignalSpy secondShown(second.get(), &NotificationService::shown);
        QTRY_COMPARE_WITH_TIMEOUT(received().size(), 1, 5000);
        QCOMPARE(firstShown.count(), 1);
        QCOMPARE(secondShown.count(), 0);
        first.reset();
        QCOMPARE(second->checkNow(), 0);
        QVERIFY(second->isActive());
        // Another device root is another device: its service runs beside this one.
        TestDeviceRoot other("2025-04-06T07:30:00");
        auto third = std::unique_ptr<NotificationService>(NotificationService::start());
        QVERIFY(third->isActive());
    }

    void withoutANotificationServerTheNoticeWaits() {
        TestDeviceRoot root("2025-04-06T07:30:00");
        QVERIFY(registerNotices(QStringLiteral("LichNhan"), {Notice{QStringLiteral("Chờ"),
                                                                    QStringLiteral("máy chủ"),
                                                                    {at("2025-04-06T07:30:00")}}}));
        server.kill();
        server.waitForFinished();
        auto service = std::unique_ptr<NotificationService>(NotificationService::start());
        QCOMPARE(service->checkNow(), 0);
        QCOMPARE(registeredNotices(QStringLiteral("LichNhan")).size(), size_t(1));
        startServer();
        QTRY_COMPARE_WITH_TIMEOUT(received().size(), 1, 5000);
        QVERIFY(registeredNotices(QStringLiteral("LichNhan")).empty());
    }
};

QTEST_GUILESS_MAIN(NotificationServiceTest)
#include "NotificationServiceTest.moc"
