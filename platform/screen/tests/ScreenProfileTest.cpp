// Tests of screen profiles, their selection, scaling and orientation.
#include "platform/screen/ScreenProfile.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace velmora::screen;

namespace {

struct OrientationCase {
    int width, height;
    ScreenOrientation expected;
};

class Orientation : public testing::TestWithParam<OrientationCase> {};

TEST_P(Orientation, FollowsTheThirtyPercentRule) {
    const OrientationCase c = GetParam();
    EXPECT_EQ(orientationOf(c.width, c.height), c.expected) << c.width << "x" << c.height;
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, Orientation,
    testing::Values(OrientationCase{240, 320, Portrait}, // 320 > 312
                    OrientationCase{320, 240, Landscape}, OrientationCase{240, 240, Square},
                    OrientationCase{480, 400, Square}, // 480 < 520
                    OrientationCase{313, 240, Landscape},
                    OrientationCase{312, 240, Square})); // exactly 1.3: not more

struct ScaleCase {
    int value, dpi, expected;
};

class Scale : public testing::TestWithParam<ScaleCase> {};

TEST_P(Scale, RoundsLikeTheDevice) {
    const ScaleCase c = GetParam();
    EXPECT_EQ(scaleWithDpi(c.value, c.dpi), c.expected) << c.value << " at " << c.dpi;
}

INSTANTIATE_TEST_SUITE_P(Dpis, Scale,
                         testing::Values(ScaleCase{212, 96, 212}, ScaleCase{212, 192, 424},
                                         ScaleCase{1, 131, 1}, // (131 + 48) / 96
                                         ScaleCase{3, 131, 4}, ScaleCase{0, 192, 0}));

struct MulDivCase {
    int a, b, d, expected;
};

class MulDivTable : public testing::TestWithParam<MulDivCase> {};

TEST_P(MulDivTable, RoundsHalfAwayFromZero) {
    const MulDivCase c = GetParam();
    EXPECT_EQ(MulDiv(c.a, c.b, c.d), c.expected) << c.a << "*" << c.b << "/" << c.d;
}

INSTANTIATE_TEST_SUITE_P(
    Values, MulDivTable,
    testing::Values(MulDivCase{10, 3, 4, 8},                    // 7.5 -> 8
                    MulDivCase{-10, 3, 4, -8},                  // sign of a, same magnitude
                    MulDivCase{-7, 1, 2, -4},                   // -3.5 -> -4, not -3
                    MulDivCase{100000, 100000, 100000, 100000}, // product beyond 32 bits
                    MulDivCase{5, 7, 0, -1},            // division by zero reported, no crash
                    MulDivCase{2000000000, 4, 1, -1})); // result too large

TEST(Profiles, SelectKnownAndRefuseUnknown) {
    ASSERT_TRUE(select("qvga-landscape"));
    EXPECT_EQ(current().width, 320);
    EXPECT_EQ(GetScreenOrientation(), Landscape);
    EXPECT_FALSE(select("hvga"));
    EXPECT_EQ(current().name, "qvga-landscape");
    ASSERT_TRUE(select("vga"));
    EXPECT_EQ(ScaleX(212), 424);
    EXPECT_EQ(ScaleY(10), 20);
}

struct ChoiceCase {
    QStringList args;
    QString env;
    QString expected;
    QStringList left;
    bool error;
};

class Choice : public testing::TestWithParam<ChoiceCase> {};

TEST_P(Choice, ArgumentsWinOverEnvironment) {
    ChoiceCase c = GetParam();
    QString error;
    const std::optional<QString> name = screenChoice(c.args, c.env, &error);
    EXPECT_EQ(name.value_or(QString()), c.expected);
    EXPECT_EQ(!error.isEmpty(), c.error) << error.toStdString();
    EXPECT_EQ(c.args, c.left);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, Choice,
    testing::Values(ChoiceCase{{"app", "--screen", "qvga", "x"}, "", "qvga", {"app", "x"}, false},
                    ChoiceCase{{"app", "--screen=square"}, "vga", "square", {"app"}, false},
                    ChoiceCase{{"app"}, "vga-landscape", "vga-landscape", {"app"}, false},
                    ChoiceCase{{"app"}, "", "", {"app"}, false},
                    ChoiceCase{{"app", "--screen=QVGA"}, "", "qvga", {"app"}, false},
                    ChoiceCase{{"app", "--screen", "huge"}, "qvga", "", {"app"}, true},
                    ChoiceCase{{"app"}, "huge", "", {"app"}, true},
                    ChoiceCase{{"app", "--screen"}, "qvga", "", {"app"}, true},
                    ChoiceCase{{"app", "--screen="}, "", "", {"app"}, true}));

TEST(SelectFromArguments, EnvironmentIsTheFallback) {
    setenv("VELMORA_SCREEN", "square", 1);
    QStringList args{"app"};
    selectFromArguments(args);
    unsetenv("VELMORA_SCREEN");
    EXPECT_EQ(current().name, "square");
    EXPECT_EQ(GetScreenOrientation(), Square);
}

TEST(SelectFromArgumentsDeathTest, UnknownNameExitsWithTwo) {
    QStringList args{"app", "--screen", "huge"};
    EXPECT_EXIT(selectFromArguments(args), testing::ExitedWithCode(2), "Không có màn hình");
}

} // namespace
