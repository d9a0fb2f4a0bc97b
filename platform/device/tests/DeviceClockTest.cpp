// Tests of the device clock: freezing, zone, and an offset shared with another process.
#include "platform/device/DeviceClock.h"
#include "platform/testing/DeviceRootTest.h"

#include <QFile>
#include <QProcess>

using namespace velmora::device;

namespace {

class DeviceClock : public velmora::testing::DeviceRootTest {};

struct FrozenCase {
    const char* value;
    QDateTime expected;
    uint16_t dayOfWeek;
};
class FrozenClock : public velmora::testing::DeviceRootTest,
                    public testing::WithParamInterface<FrozenCase> {};

TEST_P(FrozenClock, ShowsTheWallClockGiven) {
    const FrozenCase c = GetParam();
    setenv("VELMORA_NOW", c.value, 1);
    EXPECT_EQ(localNow(), c.expected);
    EXPECT_EQ(localNow().timeSpec(), Qt::UTC);
    const SYSTEMTIME st = localSystemTime();
    EXPECT_EQ(st.wYear, c.expected.date().year());
    EXPECT_EQ(st.wDay, c.expected.date().day());
    EXPECT_EQ(st.wHour, c.expected.time().hour());
    EXPECT_EQ(st.wSecond, c.expected.time().second());
    EXPECT_EQ(st.wDayOfWeek, c.dayOfWeek);
    EXPECT_FALSE(setLocalTime(QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC)));
}

INSTANTIATE_TEST_SUITE_P(
    Values, FrozenClock,
    testing::Values(
        FrozenCase{"2009-01-26T07:30", QDateTime(QDate(2009, 1, 26), QTime(7, 30), Qt::UTC), 1},
        FrozenCase{"2024-02-10T23:59:58", QDateTime(QDate(2024, 2, 10), QTime(23, 59, 58), Qt::UTC),
                   6},
        FrozenCase{"2023-01-22T00:00", QDateTime(QDate(2023, 1, 22), QTime(0, 0), Qt::UTC), 0}));

TEST_F(DeviceClock, MalformedFreezeIsIgnored) {
    setenv("VELMORA_NOW", "26/01/2009 07:30", 1);
    EXPECT_FALSE(frozenNow().has_value());
    EXPECT_NEAR(localNow().toSecsSinceEpoch(),
                QDateTime::currentDateTimeUtc().toSecsSinceEpoch() + 7 * 3600, 5);
}

TEST_F(DeviceClock, RunsInTheDeviceZone) {
    EXPECT_EQ(zoneHours(), 7);
    const qint64 utc = QDateTime::currentDateTimeUtc().toSecsSinceEpoch();
    EXPECT_NEAR(localNow().toSecsSinceEpoch(), utc + 7 * 3600, 5);
    ASSERT_TRUE(setZoneHours(9));
    EXPECT_EQ(zoneHours(), 9);
    EXPECT_NEAR(localNow().toSecsSinceEpoch(), utc + 9 * 3600, 5);
    EXPECT_FALSE(setZoneHours(15));
    EXPECT_EQ(zoneHours(), 9);
}

// Setting the clock from a UTC instant gives the device that instant in its own zone; a frozen
// clock refuses.
TEST_F(DeviceClock, SetFromUtcShowsTheDeviceZone) {
    ASSERT_TRUE(setZoneHours(9));
    ASSERT_TRUE(setSystemTime(QDateTime(QDate(2030, 5, 17), QTime(8, 0, 0), Qt::UTC)));
    EXPECT_NEAR(localNow().toSecsSinceEpoch(),
                QDateTime(QDate(2030, 5, 17), QTime(17, 0, 0), Qt::UTC).toSecsSinceEpoch(), 5);
    setenv("VELMORA_NOW", "2025-01-01T00:00", 1);
    EXPECT_FALSE(setSystemTime(QDateTime(QDate(2030, 5, 17), QTime(8, 0, 0), Qt::UTC)));
    EXPECT_FALSE(setSystemTime(QDateTime()));
}

TEST_F(DeviceClock, SetTimeIsSeenByAnotherProgram) {
    const QDateTime wanted(QDate(2031, 3, 4), QTime(5, 6, 7), Qt::UTC);
    ASSERT_TRUE(setLocalTime(wanted));
    EXPECT_NEAR(localNow().toSecsSinceEpoch(), wanted.toSecsSinceEpoch(), 5);

    const QString out = root + "/now.txt";
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VELMORA_PROBE_OUT", out);
    probe.setProcessEnvironment(env);
    probe.start(DEVICE_PROBE_PATH, {"--now"});
    ASSERT_TRUE(probe.waitForFinished(10000));
    ASSERT_EQ(probe.exitCode(), 0);
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QDateTime seen =
        QDateTime::fromString(QString::fromUtf8(file.readAll()), Qt::ISODateWithMs);
    ASSERT_TRUE(seen.isValid());
    EXPECT_NEAR(seen.toSecsSinceEpoch(), wanted.toSecsSinceEpoch(), 10);
}

TEST_F(DeviceClock, GarbledSettingsFallBackToDefaults) {
    QFile file(root + "/clock.conf");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("zone=banana\noffset-ms=\xff\xfe\n");
    file.close();
    EXPECT_EQ(zoneHours(), 7);
    EXPECT_NEAR(localNow().toSecsSinceEpoch(),
                QDateTime::currentDateTimeUtc().toSecsSinceEpoch() + 7 * 3600, 5);
}

} // namespace
