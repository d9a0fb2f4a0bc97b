// Tests of the Time Protocol client against a server on 127.0.0.1: a whole reply, a refused
// connection, a short reply and a silent server; and the instant a count names in either era.
#include "platform/net/TimeProtocol.h"
#include "platform/net/tests/LocalTimeServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace velmora::net;
using velmora::testing::LocalTimeServer;

namespace {

QDateTime utc(const char* text) {
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate);
}

struct InstantCase {
    quint32 seconds;
    const char* utc; // from Python's datetime: 1900-01-01 + seconds (+ 2^32 in the next era)
};

class TimeProtocolInstant : public ::testing::TestWithParam<InstantCase> {};

TEST_P(TimeProtocolInstant, CountsFrom1900OrTheNextEra) {
    EXPECT_EQ(timeProtocolInstant(GetParam().seconds), utc(GetParam().utc));
}

INSTANTIATE_TEST_SUITE_P(Network, TimeProtocolInstant,
                         ::testing::Values(InstantCase{0x83AA7E80u, "1970-01-01T00:00:00Z"},
                                           InstantCase{0xEB6CCC80u, "2025-03-01T00:00:00Z"},
                                           InstantCase{0xFFFFFFFFu, "2036-02-07T06:28:15Z"},
                                           InstantCase{0x80000000u, "1968-01-20T03:14:08Z"},
                                           InstantCase{0x00000000u, "2036-02-07T06:28:16Z"},
                                           InstantCase{0x7FFFFFFFu, "2104-02-26T09:42:23Z"}));

struct QueryCase {
    const char* name;
    enum { Whole, Refused, Short, Silent, Longer } server;
    TimeQueryError error;
};

class TimeQueryTest : public ::testing::TestWithParam<QueryCase> {};

TEST_P(TimeQueryTest, EndsOnceWithTheRightOutcome) {
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    const QueryCase& c = GetParam();
    const quint32 seconds = 0xEB6CCC80u; // 2025-03-01 00:00:00 UTC
    QByteArray reply = LocalTimeServer::secondsReply(seconds);
    if (c.server == QueryCase::Short) reply = reply.left(2);
    if (c.server == QueryCase::Longer) reply += "tail";
    LocalTimeServer server(reply, c.server == QueryCase::Silent);
    const quint16 port =
        c.server == QueryCase::Refused ? LocalTimeServer::closedPort() : server.port();

    TimeQuery query;
    QSignalSpy spy(&query, &TimeQuery::finished);
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(query.start("127.0.0.1", port, 600));
    EXPECT_FALSE(query.start("127.0.0.1", port, 600)); // one at a time
    ASSERT_TRUE(spy.wait(5000));
    QTest::qWait(100);
    ASSERT_EQ(spy.count(), 1);
    const TimeReply got = spy.at(0).at(0).value<TimeReply>();
    EXPECT_EQ(got.error, c.error);
    if (c.error == TimeQueryError::None) {
        EXPECT_EQ(got.seconds, seconds);
        EXPECT_EQ(got.utc, utc("2025-03-01T00:00:00Z"));
    } else {
        EXPECT_FALSE(got.utc.isValid());
    }
    if (c.server == QueryCase::Silent) {
        EXPECT_GE(timer.elapsed(), 550);
    }
    EXPECT_LT(timer.elapsed(), 3000);
    EXPECT_FALSE(query.isRunning());
}

INSTANTIATE_TEST_SUITE_P(
    Network, TimeQueryTest,
    ::testing::Values(QueryCase{"whole", QueryCase::Whole, TimeQueryError::None},
                      QueryCase{"longerReplyReadsFourBytes", QueryCase::Longer,
                                TimeQueryError::None},
                      QueryCase{"refused", QueryCase::Refused, TimeQueryError::ConnectFailed},
                      QueryCase{"shortReply", QueryCase::Short, TimeQueryError::ShortReply},
                      QueryCase{"silentServer", QueryCase::Silent, TimeQueryError::TimedOut}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
