// The nine stars and the year-stem rules, including the mended great-defeat day.
#include "suite/almanac/BuiltInStars.h"
#include "suite/almanac/tests/TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace velmora::almanac {
namespace {

bool has(const std::vector<AlmanacStarRecord>& list, std::u16string_view name) {
    return std::any_of(list.begin(), list.end(), [&](const auto& r) { return r.name == name; });
}

struct Lists {
    std::vector<AlmanacStarRecord> good, bad;
};

Lists listsFor(const AlmanacDay& day) {
    Lists l;
    addBuiltInStars(day, l.good, l.bad);
    return l;
}

struct NineStarCase {
    int m, D;
    const char16_t* name;
    bool auspicious;
};

class NineStars : public ::testing::TestWithParam<NineStarCase> {};

TEST_P(NineStars, DayGetsItsStarFirstAndBold) {
    const auto& c = GetParam();
    const auto l = listsFor(test::day(c.D, c.m, 1, 3)); // a Đinh year: no other built-in bad star
    const auto& list = c.auspicious ? l.good : l.bad;
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list.front().name, c.name);
    EXPECT_TRUE(list.front().emphasis);
    EXPECT_EQ(list.front().explanation, c.auspicious ? u"Tốt mọi việc" : u"Xấu nói chung");
}

// i = ((m - 1) mod 3 + D) mod 9.
INSTANTIATE_TEST_SUITE_P(Table, NineStars,
                         ::testing::Values(NineStarCase{1, 0, u"Yêu Tinh", false},
                                           NineStarCase{2, 0, u"Hoặc tinh", false},
                                           NineStarCase{3, 0, u"Hòa Đao", false},
                                           NineStarCase{1, 3, u"Sát Cống", true},
                                           NineStarCase{4, 12, u"Sát Cống", true},
                                           NineStarCase{2, 3, u"Trực Tinh", true},
                                           NineStarCase{1, 59, u"Bốc Mộc", false},
                                           NineStarCase{12, 4, u"Giác Tị", false},
                                           NineStarCase{1, 7, u"Nhân Chuyên", true},
                                           NineStarCase{3, 6, u"Lập Tảo", false}));

TEST(YearStemRules, DinhAndNhamYearsNeverHaveThapAcDaiBai) {
    for (int y : {3, 8})
        for (int m = 1; m <= 12; ++m)
            for (int D = 0; D < 60; ++D)
                EXPECT_FALSE(has(listsFor(test::day(D, m, 1, y)).bad, u"Thập Ác Đại Bại"))
                    << y << " " << m << " " << D;
}

TEST(YearStemRules, MendedThapAcPairIsAtTyInNinthMonthNotMauThin) {
    for (int y : {1, 6}) {
        EXPECT_TRUE(has(listsFor(test::day(41, 9, 1, y)).bad, u"Thập Ác Đại Bại")) << y;
        EXPECT_FALSE(has(listsFor(test::day(4, 9, 1, y)).bad, u"Thập Ác Đại Bại")) << y;
    }
}

TEST(YearStemRules, ThapAcFallsOnTheTenTraditionalDaysExactly) {
    // Giáp Thìn, Ất Tị, Bính Thân, Đinh Hợi, Mậu Tuất, Kỷ Sửu, Canh Thìn, Tân Tị, Nhâm Thân, Quý
    // Hợi.
    std::vector<int> days;
    for (int y = 0; y < 10; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int D = 0; D < 60; ++D)
                if (has(listsFor(test::day(D, m, 1, y)).bad, u"Thập Ác Đại Bại")) days.push_back(D);
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    EXPECT_EQ(days, (std::vector<int>{8, 16, 17, 23, 25, 32, 34, 40, 41, 59}));
}

struct YearRuleCase {
    int y, D;
    bool tueDuc, kimThan;
};

class YearRules : public ::testing::TestWithParam<YearRuleCase> {};

TEST_P(YearRules, TueDucByStemKimThanByBranch) {
    const auto& c = GetParam();
    const auto l = listsFor(test::day(c.D, 1, 1, c.y));
    EXPECT_EQ(has(l.good, u"Tuế Đức"), c.tueDuc);
    EXPECT_EQ(has(l.bad, u"Kim Thần Thất Sát"), c.kimThan);
}

INSTANTIATE_TEST_SUITE_P(Table, YearRules,
                         ::testing::Values(YearRuleCase{0, 30, true, true},    // Giáp Ngọ
                                           YearRuleCase{5, 31, false, true},   // Ất Mùi
                                           YearRuleCase{5, 32, false, false},  // Bính Thân
                                           YearRuleCase{1, 16, true, true},    // Canh Thìn
                                           YearRuleCase{6, 6, true, false},    // Canh Ngọ
                                           YearRuleCase{2, 2, true, true},     // Bính Dần
                                           YearRuleCase{8, 58, true, true},    // Nhâm Tuất
                                           YearRuleCase{3, 59, false, true},   // Quý Hợi
                                           YearRuleCase{4, 44, true, true},    // Mậu Thân
                                           YearRuleCase{9, 45, false, true})); // Kỷ Dậu

TEST(YearStemRules, BuiltInEntriesCarryExplanationsAndBold) {
    const auto l = listsFor(test::day(34, 3, 1, 0)); // Mậu Tuất in month 3 of a Giáp year
    ASSERT_TRUE(has(l.bad, u"Thập Ác Đại Bại"));
    for (const auto& r : l.bad) {
        EXPECT_TRUE(r.emphasis);
        EXPECT_FALSE(r.explanation.empty());
    }
}

} // namespace
} // namespace velmora::almanac
