// From the reminder file to the desktop: a lunar anniversary saved with an alarm one day ahead is
// shown by the device's notification service at its moment of the frozen device clock, to a
// notification server on the private session bus the test runs in (dbus-run-session); once shown,
// the next year's occurrence is what waits, and it is shown in its turn.
#include "suite/reminders/ReminderAlarms.h"
#include "suite/reminders/ReminderFile.h"
#include "suite/reminders/tests/ReminderSamples.h"

#include "platform/notify/NotificationService.h"
#include "platform/testing/TestDeviceRoot.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace velmora::reminders;
using velmora::notify::NotificationService;
using velmora::reminders::testing::reminder;
using velmora::testing::TestDeviceRoot;

class ReminderNotificationTest : public QObject {
    Q_OBJECT
    QTemporaryDir logDir;
    QProcess server;

    QStringList received() const {
        QFile f(logDir.filePath(QStringLiteral("notifications.log")));
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

  private slots:
    void initTestCase() {
        QVERIFY2(!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"),
                 "run this test under dbus-run-session");
        server.start(QStringLiteral(NOTIFICATION_SERVER_PATH),
                     {logDir.filePath(QStringLiteral("notifications.log"))});
        QVERIFY(server.waitForStarted());
        QByteArray out;
        QTRY_VERIFY_WITH_TIMEOUT((out += server.readAllStandardOutput()).contains("ready"), 5000);
    }
    void cleanupTestCase() {
        server.kill();
        server.waitForFinished();
    }

    void aSavedAnniversaryIsShownAtItsAlarmYearAfterYear() {
        // Saved on 1 April 2025; the 10th of the third lunar month is 7 April 2025 and
        // 26 April 2026 (the calendar's own days), the alarm one day before at 07:30.
        TestDeviceRoot root("2025-04-01T09:00:00");
        const std::vector<ReminderRecord> saved = {
            reminder({u"Giỗ ông nội", 10, 3, false, KindAnniversary, 2, 7, 30, 0, u"Huế"}),
            reminder({u"Không báo", 10, 3, false, KindAnniversary, kAdvanceNoAlarm, 7, 30, 0})};
        std::vector<ReminderRow> rows;
        for (const ReminderRecord& r : saved) rows.push_back(rowFromRecord(r, int(rows.size())));
        QVERIFY(SaveReminderFile(rows).written);
        std::vector<ReminderRecord> read;
        QVERIFY(readReminderRecords(read));
        QVERIFY(registerReminderAlarms(read, {{2025, 4, 1}, 9, 0, 0}));

        std::unique_ptr<NotificationService> service(NotificationService::start());
        QVERIFY(service->isActive());
        TestDeviceRoot::freezeClock("2025-04-06T07:29:59");
        QTest::qWait(2 * NotificationService::kCheckIntervalMs + 200);
        QVERIFY(received().isEmpty()); // not a second early

        TestDeviceRoot::freezeClock("2025-04-06T07:30:00");
        QTRY_COMPARE_WITH_TIMEOUT(received().size(), 1, 5000);
        QCOMPARE(received().last(),
                 QStringLiteral("Giỗ ông nội\tNgày giỗ, 10/03 âm lịch: Thứ hai, 07/04/2025 "
                                "(còn 1 ngày)\\nĐịa điểm: Huế"));
        QTest::qWait(2 * NotificationService::kCheckIntervalMs + 200);
        QCOMPARE(received().size(), 1); // once

        TestDeviceRoot::freezeClock("2026-04-25T07:30:00");
        QTRY_COMPARE_WITH_TIMEOUT(received().size(), 2, 5000);
        QCOMPARE(received().last(),
                 QStringLiteral("Giỗ ông nội\tNgày giỗ, 10/03 âm lịch: Chủ nhật, 26/04/2026 "
                                "(còn 1 ngày)\\nĐịa điểm: Huế"));
    }
};

QTEST_GUILESS_MAIN(ReminderNotificationTest)
#include "ReminderNotificationTest.moc"
