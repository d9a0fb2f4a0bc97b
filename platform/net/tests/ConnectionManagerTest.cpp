// Tests of the device's network settings and connection manager.
#include "platform/net/ConnectionManager.h"
#include "platform/testing/DeviceRootTest.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

using namespace velmora::net;
using velmora::testing::DeviceRootTest;

namespace {

class Network : public DeviceRootTest {};

TEST_F(Network, DefaultsWithoutStoredSettings) {
    const std::vector<Destination> list = destinations();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].description, "Internet");
    EXPECT_EQ(list[1].description, QStringLiteral("Mạng nội bộ"));
    EXPECT_TRUE(isOnline());
    EXPECT_EQ(weatherServer(), QUrl("http://127.0.0.1:8765"));
    EXPECT_EQ(timeServer().host, "129.6.15.28");
    EXPECT_EQ(timeServer().port, 37);
}

TEST_F(Network, StoredSettingsReplaceTheDefaults) {
    ASSERT_TRUE(setDestinations({{"Wi-Fi", "{1}"}, {"GPRS", "{2}"}, {"USB", "{3}"}}));
    ASSERT_TRUE(setDestinations({{"Wi-Fi", "{1}"}, {"GPRS", "{2}"}}));
    const std::vector<Destination> list = destinations();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].description, "GPRS");
    EXPECT_EQ(list[1].id, "{2}");
    ASSERT_TRUE(setTimeServer("127.0.0.1:3737"));
    EXPECT_EQ(timeServer().host, "127.0.0.1");
    EXPECT_EQ(timeServer().port, 3737);
    ASSERT_TRUE(setTimeServer("127.0.0.1:99999")); // not a port: the default stays
    EXPECT_EQ(timeServer().host, "129.6.15.28");
    ASSERT_TRUE(setWeatherServer(QUrl("http://127.0.0.1:9000")));
    EXPECT_EQ(weatherServer(), QUrl("http://127.0.0.1:9000"));
}

TEST_F(Network, HttpTimeoutIsHeldToASaneRange) {
    EXPECT_EQ(httpTimeoutMs(), 30000);
    const struct {
        int stored;
        int read;
    } cases[] = {{1500, 1500}, {1, 1000}, {999999999, 600000}};
    for (const auto& c : cases) {
        ASSERT_TRUE(setHttpTimeoutMs(c.stored));
        EXPECT_EQ(httpTimeoutMs(), c.read) << c.stored;
    }
    EXPECT_FALSE(setHttpTimeoutMs(0));
}

TEST_F(Network, UrlMapsToTheFirstDestination) {
    EXPECT_EQ(destinationForUrl(QUrl("http://127.0.0.1:8765/"))->description, "Internet");
    EXPECT_FALSE(destinationForUrl(QUrl("no host")).has_value());
}

TEST_F(Network, ConnectingWaitsForARoute) {
    const QString internet = destinations().front().id;
    EXPECT_EQ(connectAndWait(internet, "127.0.0.1", 37, 2000), StatusConnected);
    // A name that can never resolve (RFC 6761) has no route.
    EXPECT_EQ(connectAndWait(internet, "nothing.invalid", 37, 2000), StatusNoPathToDestination);
    EXPECT_EQ(connectAndWait("{not a destination}", "127.0.0.1", 37, 2000), StatusConnectionFailed);
    ASSERT_TRUE(setOnline(false));
    EXPECT_EQ(connectAndWait(internet, "127.0.0.1", 37, 2000), StatusConnectionFailed);
}

// The asynchronous request reports waiting, then the outcome, on the requester's thread; a
// release of a held connection reports the disconnection.
TEST_F(Network, AsynchronousConnectionReportsItsProgress) {
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    Connection connection;
    QSignalSpy spy(&connection, &Connection::statusChanged);
    ASSERT_TRUE(connection.establish(destinations().front().id, "127.0.0.1", 37));
    EXPECT_FALSE(connection.establish(destinations().front().id, "127.0.0.1", 37));
    ASSERT_TRUE(QTest::qWaitFor([&] { return spy.count() == 2; }, 5000));
    EXPECT_EQ(spy.at(0).at(0).toUInt(), uint(StatusWaitingConnection));
    EXPECT_EQ(spy.at(1).at(0).toUInt(), uint(StatusConnected));
    connection.release();
    EXPECT_EQ(spy.last().at(0).toUInt(), uint(StatusDisconnected));
    EXPECT_FALSE(connection.isHeld());

    ASSERT_TRUE(connection.establish(destinations().front().id, "nothing.invalid", 37));
    ASSERT_TRUE(QTest::qWaitFor([&] { return spy.count() == 5; }, 5000));
    EXPECT_EQ(spy.last().at(0).toUInt(), uint(StatusNoPathToDestination));
}

} // namespace
