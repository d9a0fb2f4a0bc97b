// Tests of the biorhythm cycles against hand-worked values.
#include "suite/biorhythm/BiorhythmCycles.h"

#include <gtest/gtest.h>

using namespace velmora::biorhythm;

namespace {

struct ValueCase {
    double days;
    int period;
    int want;
};

class CycleValues : public testing::TestWithParam<ValueCase> {};

TEST_P(CycleValues, SineOfTheDaysSinceBirth) {
    EXPECT_EQ(cycleValue(GetParam().days, GetParam().period), GetParam().want);
}

// Worked by hand: sin(2π·k/4) at quarter periods; 50·sin(2π/23) = 50 × 0.2698 = 13.49 → 13, and
// the same below zero.
INSTANTIATE_TEST_SUITE_P(Quarters, CycleValues,
                         testing::Values(ValueCase{0, 23, 0}, ValueCase{7, 28, 50},
                                         ValueCase{21, 28, -50}, ValueCase{23, 23, 0},
                                         ValueCase{1, 23, 13}, ValueCase{-1, 23, -13},
                                         ValueCase{5.75, 23, 50}));

TEST(DaysSinceBirth, CountsWholeDaysAcrossMonthsAndLeapYears) {
    SYSTEMTIME birth{};
    birth.wYear = 2000;
    birth.wMonth = 2;
    birth.wDay = 28;
    EXPECT_EQ(daysSinceBirth(birth, 1, 3, 2000), 2); // 29 February 2000 lies between
    EXPECT_EQ(daysSinceBirth(birth, 28, 2, 2001), 366);
    EXPECT_EQ(daysSinceBirth(birth, 27, 2, 2000), -1);
}

} // namespace
