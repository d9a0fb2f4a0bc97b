// Rule kinds and value codes: which records match which days, and how often.
#include "suite/almanac/StarRules.h"
#include "suite/almanac/tests/TestSupport.h"

#include <gtest/gtest.h>

namespace velmora::almanac {
namespace {

AlmanacStarRecord Rule(std::int32_t kind, std::initializer_list<std::pair<int, std::int32_t>> set) {
    AlmanacStarRecord r;
    r.kind = kind;
    for (const auto& [slot, v] : set) r.values[slot] = v;
    return r;
}

struct RuleCase {
    const char* label;
    AlmanacStarRecord record;
    AlmanacDay day;
    int expected;
};

class RuleMatching : public ::testing::TestWithParam<RuleCase> {};

TEST_P(RuleMatching, CountsMatches) {
    EXPECT_EQ(starMatchCount(GetParam().record, GetParam().day), GetParam().expected);
}

// D = 24 is Mậu Tý (stem 4, branch 0); D = 15 is Kỷ Mão (stem 5, branch 3).
INSTANTIATE_TEST_SUITE_P(
    Kinds, RuleMatching,
    ::testing::Values(
        RuleCase{"month_branch_0_on_Ty_day", Rule(12, {{2, 0}}), test::day(24, 3, 9), 1},
        RuleCase{"month_branch_0_on_other_Ty_day", Rule(12, {{2, 0}}), test::day(36, 3, 21), 1},
        RuleCase{"month_branch_0_not_on_Suu_day", Rule(12, {{2, 0}}), test::day(25, 3, 10), 0},
        RuleCase{"month_value_of_other_month_unread", Rule(12, {{2, 0}}), test::day(24, 4, 9), 0},
        RuleCase{"month_215_on_sexagenary_15", Rule(12, {{2, 215}}), test::day(15, 3, 5), 1},
        RuleCase{"month_215_not_on_same_branch", Rule(12, {{2, 215}}), test::day(27, 3, 5), 0},
        RuleCase{"month_215_not_on_same_stem", Rule(12, {{2, 215}}), test::day(25, 3, 5), 0},
        RuleCase{"month_stem_code", Rule(12, {{0, 24}}), test::day(24, 1, 9), 1},
        RuleCase{"month_stem_code_other_stem", Rule(12, {{0, 24}}), test::day(25, 1, 9), 0},
        RuleCase{"month_lunar_day_code", Rule(12, {{6, 108}}), test::day(3, 7, 8), 1},
        RuleCase{"month_lunar_day_other_day", Rule(12, {{6, 108}}), test::day(3, 7, 9), 0},
        RuleCase{"month_filler_never", Rule(12, {}), test::day(0, 1, 1), 0},
        RuleCase{"month_code_gap_never", Rule(12, {{0, 15}}), test::day(15, 1, 15), 0},
        RuleCase{"season_reads_its_three_slots", Rule(4, {{3, 0}, {4, 24}, {5, 109}}),
                 test::day(24, 1, 9, 0, 1), 3},
        RuleCase{"season_other_season_unread", Rule(4, {{0, 0}, {1, 24}, {2, 109}}),
                 test::day(24, 1, 9, 0, 1), 0},
        RuleCase{"season_winter_slots", Rule(4, {{11, 0}}), test::day(24, 1, 9, 0, 3), 1},
        RuleCase{"days_lunar_day_and_sexagenary", Rule(60, {{0, 109}, {5, 224}, {11, 109}}),
                 test::day(24, 5, 9), 3},
        RuleCase{"days_never_by_branch", Rule(60, {{0, 0}}), test::day(24, 5, 9), 0},
        RuleCase{"days_never_by_stem", Rule(60, {{0, 24}}), test::day(24, 5, 9), 0},
        RuleCase{"days_kind_30_alike", Rule(30, {{3, 224}}), test::day(24, 5, 9), 1},
        RuleCase{"days_kind_30_never_by_branch", Rule(30, {{3, 0}}), test::day(24, 5, 9), 0},
        RuleCase{"unknown_kind_never", Rule(13, {{0, 0}, {1, 0}}), test::day(24, 1, 9), 0}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(RuleMatching, KindTwelveValueZeroMatchesEveryTyDayOfItsMonthOnly) {
    const auto r = Rule(12, {{4, 0}});
    for (int D = 0; D < 60; ++D) {
        EXPECT_EQ(starMatchCount(r, test::day(D, 5, 1)), D % 12 == 0 ? 1 : 0) << D;
        EXPECT_EQ(starMatchCount(r, test::day(D, 6, 1)), 0) << D;
    }
}

TEST(RuleMatching, KindSixtyNeverMatchesByStemOrBranchOnAnyDay) {
    AlmanacStarRecord r;
    r.kind = 60;
    for (int i = 0; i < 12; ++i) r.values[i] = i < 10 ? 20 + i : i; // stems and branches only
    for (int D = 0; D < 60; ++D) EXPECT_EQ(starMatchCount(r, test::day(D, 1, 1)), 0) << D;
}

TEST(RuleMatching, RecordIsAddedOncePerMatchInFileOrder) {
    const auto twice = Rule(60, {{0, 105}, {1, 105}});
    auto other = Rule(12, {{0, 5}});
    other.name = u"other";
    std::vector<AlmanacStarRecord> list;
    addMatchingStars({twice, other}, test::day(5, 1, 5), list);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0], twice);
    EXPECT_EQ(list[1], twice);
    EXPECT_EQ(list[2], other);
}

} // namespace
} // namespace velmora::almanac
