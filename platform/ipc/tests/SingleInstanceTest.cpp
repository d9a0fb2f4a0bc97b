// Tests of single instance between real processes, including after a crashed first instance.
#include "platform/ipc/tests/IpcChildren.h"
#include "platform/testing/DeviceRootTest.h"

using namespace velmora::ipc::test;

namespace {

class SingleInstanceTest : public velmora::testing::DeviceRootTest {};

TEST_F(SingleInstanceTest, SecondStartActivatesTheFirstAndEnds) {
    QProcess first, second;
    startChild(first, {"--child-instance", "LICHVELMORA Lịch Velmora"});
    ASSERT_EQ(readLine(first), "primary");
    startChild(second, {"--child-instance", "LICHVELMORA Lịch Velmora"});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(readLine(second), "second");
    EXPECT_EQ(readLine(first), "activated");
    EXPECT_TRUE(first.waitForFinished(10000));
}

TEST_F(SingleInstanceTest, OtherKeysAreIndependent) {
    QProcess first, other;
    startChild(first, {"--child-instance", "LICHVELMORA A"});
    ASSERT_EQ(readLine(first), "primary");
    startChild(other, {"--child-instance", "LICHVELMORA B"});
    EXPECT_EQ(readLine(other), "primary");
    first.kill();
    other.kill();
    first.waitForFinished(10000);
    other.waitForFinished(10000);
}

TEST_F(SingleInstanceTest, CrashedFirstDoesNotBlockLaterStarts) {
    QProcess crashed, next, third;
    startChild(crashed, {"--child-instance", "LICHVELMORA"});
    ASSERT_EQ(readLine(crashed), "primary");
    crashed.kill(); // leaves its lock file and socket behind
    ASSERT_TRUE(crashed.waitForFinished(10000));

    startChild(next, {"--child-instance", "LICHVELMORA"});
    ASSERT_EQ(readLine(next), "primary");
    startChild(third, {"--child-instance", "LICHVELMORA"});
    ASSERT_TRUE(third.waitForFinished(10000));
    EXPECT_EQ(readLine(third), "second");
    EXPECT_EQ(readLine(next), "activated");
    EXPECT_TRUE(next.waitForFinished(10000));
}

} // namespace
