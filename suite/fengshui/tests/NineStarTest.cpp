// The nine-star key by the years of birth and of viewing.
#include "suite/fengshui/NineStar.h"

#include <gtest/gtest.h>

namespace velmora::fengshui {
namespace {

TEST(NineStarKey, CountsVietnameseAgeRoundTheNineStars) {
    const struct {
        int birth, viewing;
        std::optional<int> key;
    } cases[] = {
        {1984, 1984, 1}, // the birth year itself: age 1
        {1984, 1993, 1}, // nine years on: the cycle is back
        {1984, 1985, 2},
        {1984, 1992, 9},
        {1950, 2025, 4},            // age 76: 75 mod 9 + 1
        {1984, 1983, std::nullopt}, // a year before birth finds nothing
    };
    for (const auto& c : cases) EXPECT_EQ(nineStarKey(c.birth, c.viewing), c.key) << c.viewing;
}

// diff = -9 gives a remainder of 0 and would read as key 1, a fortune nine years before birth.
TEST(NineStarKey, ViewingYearNineBeforeBirthFindsNothing) {
    EXPECT_EQ(nineStarKey(1993, 1984), std::nullopt);
    EXPECT_EQ(nineStarKey(2002, 1984), std::nullopt);
}

} // namespace
} // namespace velmora::fengshui
