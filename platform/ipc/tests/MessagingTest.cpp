// Tests of send, post, stale handles and registered messages between real processes.
#include "platform/ipc/Messaging.h"
#include "platform/ipc/Endpoint.h"
#include "platform/ipc/RegisteredMessage.h"
#include "platform/ipc/tests/IpcChildren.h"
#include "platform/registry/RegistryKey.h"
#include "platform/testing/DeviceRootTest.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTest>
#include <memory>

using namespace velmora::ipc;
using namespace velmora::ipc::test;

namespace {

class Messaging : public velmora::testing::DeviceRootTest {
  protected:
    // Starts a serving helper and returns its handle.
    Handle startServer(QProcess& server) {
        startChild(server, {"--child-serve"});
        bool ok = false;
        const Handle handle = readLine(server).toUInt(&ok);
        EXPECT_TRUE(ok) << server.readAllStandardError().toStdString();
        return handle;
    }
};

struct SendCase {
    uint32_t w;
    int32_t l;
    int32_t expected;
};

TEST_F(Messaging, SendReturnsTheOtherProgramsResult) {
    QProcess server;
    const Handle handle = startServer(server);
    ASSERT_NE(handle, 0u);
    for (const SendCase c : {SendCase{40, 2, 42}, SendCase{1, -5, -4},
                             SendCase{0, INT32_MIN, INT32_MIN}, SendCase{0xFFFFFFFFu, 1, 0}}) {
        int32_t result = 12345;
        ASSERT_TRUE(send(handle, msgAdd, c.w, c.l, 5000, &result));
        EXPECT_EQ(result, c.expected) << c.w << " + " << c.l;
    }
    ASSERT_TRUE(post(handle, msgClose, 0, 0));
    EXPECT_TRUE(server.waitForFinished(10000));
    EXPECT_EQ(server.exitCode(), 0);
}

TEST_F(Messaging, PostsArriveWithoutWaiting) {
    QProcess server;
    const Handle handle = startServer(server);
    ASSERT_TRUE(post(handle, msgRemember, 0, 5));
    ASSERT_TRUE(post(handle, msgRemember, 0, 7));
    int32_t sum = 0;
    QDeadlineTimer deadline(5000);
    while (send(handle, msgRecall, 0, 0, 2000, &sum) && sum != 12 && !deadline.hasExpired())
        QTest::qWait(20);
    EXPECT_EQ(sum, 12);
    post(handle, msgClose, 0, 0);
    server.waitForFinished(10000);
}

TEST_F(Messaging, SendGivesUpAfterItsTimeOut) {
    QProcess server;
    const Handle handle = startServer(server);
    QElapsedTimer timer;
    timer.start();
    int32_t result = 99;
    EXPECT_FALSE(send(handle, msgSlow, 0, 0, 300, &result));
    EXPECT_LT(timer.elapsed(), 1200);
    EXPECT_EQ(result, 99);
    // The late answer goes nowhere; the next send gets its own.
    ASSERT_TRUE(send(handle, msgAdd, 2, 3, 5000, &result));
    EXPECT_EQ(result, 5);
    post(handle, msgClose, 0, 0);
    server.waitForFinished(10000);
}

TEST_F(Messaging, StaleHandlesFailQuietly) {
    QProcess ended, killed;
    const Handle endedHandle = startServer(ended);
    const Handle killedHandle = startServer(killed);
    ASSERT_NE(endedHandle, killedHandle);
    ASSERT_TRUE(post(endedHandle, msgClose, 0, 0));
    ASSERT_TRUE(ended.waitForFinished(10000));
    killed.kill(); // leaves its socket file behind
    ASSERT_TRUE(killed.waitForFinished(10000));

    testing::internal::CaptureStderr();
    QElapsedTimer timer;
    timer.start();
    int32_t result = 99;
    for (Handle h : {endedHandle, killedHandle, Handle(0), Handle(0x7FFFFFF0)}) {
        EXPECT_FALSE(send(h, msgAdd, 1, 1, 3000, &result)) << h;
        EXPECT_FALSE(post(h, msgRemember, 0, 1)) << h;
    }
    EXPECT_LT(timer.elapsed(), 3000); // refused at once, not timed out
    EXPECT_EQ(result, 99);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(Messaging, EndpointsOfThisProcessAreCalledDirectlyOrQueued) {
    auto owner = std::make_unique<QObject>();
    QList<int32_t> posted;
    const Handle handle = registerEndpoint(owner.get(), [&](uint32_t msg, uint32_t w, int32_t l) {
        if (msg == msgRemember) posted << l;
        return int32_t(w) * 2;
    });
    const Handle other = registerEndpoint(owner.get(), nullptr);
    ASSERT_NE(handle, 0u);
    EXPECT_NE(handle, other);
    int32_t result = 0;
    ASSERT_TRUE(send(handle, msgAdd, 21, 0, 100, &result));
    EXPECT_EQ(result, 42);
    ASSERT_TRUE(post(handle, msgRemember, 0, 3));
    EXPECT_TRUE(posted.isEmpty()); // not before the event loop runs
    EXPECT_TRUE(QTest::qWaitFor([&] { return posted == QList<int32_t>{3}; }, 2000));
    owner.reset();
    EXPECT_FALSE(send(handle, msgAdd, 1, 0, 100, &result));
}

TEST_F(Messaging, RegisteredNumbersAgreeAcrossPrograms) {
    QProcess a, b, c;
    startChild(a, {"--child-register", pingName});
    startChild(b, {"--child-register", QString(pingName).toUpper()});
    startChild(c, {"--child-register", "VelmoraOther"});
    const uint32_t fromA = readLine(a).toUInt();
    const uint32_t fromB = readLine(b).toUInt();
    const uint32_t fromC = readLine(c).toUInt();
    for (QProcess* p : {&a, &b, &c}) p->waitForFinished(10000);
    EXPECT_GE(fromA, 0xC000u);
    EXPECT_EQ(fromA, fromB);
    EXPECT_GE(fromC, 0xC000u);
    EXPECT_NE(fromA, fromC);
    EXPECT_EQ(registerMessage(pingName), fromA);
    EXPECT_EQ(registerMessage("VELMORAOTHER"), fromC);
    EXPECT_EQ(registerMessage(""), 0u);

    QProcess server;
    const Handle handle = startServer(server);
    int32_t answer = 0;
    ASSERT_TRUE(send(handle, registerMessage(pingName), 0, 0, 5000, &answer));
    EXPECT_EQ(answer, pingAnswer);
    post(handle, msgClose, 0, 0);
    server.waitForFinished(10000);
}

TEST_F(Messaging, RegisteredNumberIsNeverReusedAfterAnEntryIsRemoved) {
    const uint32_t first = registerMessage("First");
    const uint32_t second = registerMessage("Second");
    velmora::registry::RegistryKey key;
    ASSERT_EQ(velmora::registry::RegistryKey::currentUser().open("Device\\Messages", &key),
              velmora::registry::Status::Success);
    ASSERT_EQ(key.deleteValue("First"), velmora::registry::Status::Success);
    const uint32_t third = registerMessage("Third");
    EXPECT_NE(third, second);
    EXPECT_NE(third, first);
}

} // namespace
