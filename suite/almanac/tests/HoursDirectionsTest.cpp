// Auspicious and departure hours, spirit directions and the season index.
#include "suite/almanac/AlmanacDay.h"
#include "suite/almanac/HoursAndDirections.h"
#include "suite/almanac/tests/TestSupport.h"

#include <gtest/gtest.h>

namespace velmora::almanac {
namespace {

TEST(Hours, AuspiciousHoursOfTyAndMuiDays) {
    // Tý day: Thân, Dậu, Tý, Sửu, Mão, Ngọ; Mùi day: Tuất, Hợi, Dần, Mão, Tị, Thân.
    EXPECT_EQ(auspiciousHourBranches(0), (std::array<int, 6>{8, 9, 0, 1, 3, 6}));
    EXPECT_EQ(auspiciousHourBranches(7), (std::array<int, 6>{10, 11, 2, 3, 5, 8}));
    EXPECT_EQ(auspiciousHourBranches(6), auspiciousHourBranches(0)); // opposite branches agree
}

struct DepartureCase {
    int d, m, h;
};
class Departure : public ::testing::TestWithParam<DepartureCase> {};

TEST_P(Departure, LargestStartHour) {
    EXPECT_EQ(departureStart(GetParam().d, GetParam().m), GetParam().h);
}

INSTANTIATE_TEST_SUITE_P(Table, Departure,
                         ::testing::Values(DepartureCase{1, 1, 6}, DepartureCase{2, 1, 11},
                                           DepartureCase{3, 1, 10}, DepartureCase{30, 12, 8},
                                           DepartureCase{15, 8, 9}));

struct DirectionCase {
    int stem;
    const char16_t* hy;
    const char16_t* tai;
};
class Directions : public ::testing::TestWithParam<DirectionCase> {};

TEST_P(Directions, ByDayStem) {
    EXPECT_EQ(hyThanDirection(GetParam().stem), GetParam().hy);
    EXPECT_EQ(taiThanDirection(GetParam().stem), GetParam().tai);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Directions,
    ::testing::Values(DirectionCase{0, u"hướng Đông Bắc", u"hướng Đông Nam"},
                      DirectionCase{1, u"hướng Tây Bắc", u"hướng Đông Nam"},
                      DirectionCase{2, u"hướng Tây Nam", u"hướng Chính Đông"},
                      DirectionCase{3, u"hướng Chính Nam", u"hướng Chính Đông"},
                      DirectionCase{4, u"hướng Đông Nam", u"hướng Chính Bắc"},
                      DirectionCase{5, u"hướng Đông Bắc", u"hướng Chính Nam"},
                      DirectionCase{6, u"hướng Tây Bắc", u"hướng Tây Nam"},
                      DirectionCase{8, u"hướng Chính Nam", u"hướng Chính Tây"},
                      DirectionCase{9, u"hướng Đông Nam", u"hướng Chính Tây"}));

struct HacCase {
    int D;
    const char16_t* direction;
};
class HacThan : public ::testing::TestWithParam<HacCase> {};

TEST_P(HacThan, ByRangeEdges) {
    EXPECT_EQ(hacThanDirection(GetParam().D), GetParam().direction);
}

// u = (D + 58) mod 60; each case sits on a range edge.
INSTANTIATE_TEST_SUITE_P(
    Table, HacThan,
    ::testing::Values(HacCase{2, u"hướng Chính Nam"}, HacCase{6, u"hướng Chính Nam"},
                      HacCase{7, u"hướng Tây Nam"}, HacCase{13, u"hướng Chính Tây"},
                      HacCase{18, u"hướng Tây Bắc"}, HacCase{28, u"hướng Chính Bắc"},
                      HacCase{29, u"Tại thiên (không quản)"},
                      HacCase{44, u"Tại thiên (không quản)"}, HacCase{45, u"hướng Đông Bắc"},
                      HacCase{51, u"hướng Chính Đông"}, HacCase{56, u"hướng Đông Nam"},
                      HacCase{1, u"hướng Đông Nam"}));

// A record whose four season terms fall on days 100, 200, 300 and 400 at the given hour.
LICHVELMORA seasonRecord(int nJD, double termHourOffset) {
    LICHVELMORA rec{};
    rec.nJD = nJD;
    rec.dTietKhi[1] = 100 + termHourOffset;
    rec.dTietKhi[4] = 200 + termHourOffset;
    rec.dTietKhi[7] = 300 + termHourOffset;
    rec.dTietKhi[11] = 400 + termHourOffset;
    return rec;
}

struct SeasonCase {
    const char* label;
    int nJD;
    double offset; // fraction of a day from local noon: -0.25 is 06:00, +0.25 is 18:00
    int q;
};
class Season : public ::testing::TestWithParam<SeasonCase> {};

TEST_P(Season, TermDayOpensItsSeasonWhateverTheHour) {
    EXPECT_EQ(seasonIndex(seasonRecord(GetParam().nJD, GetParam().offset)), GetParam().q);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, Season,
                         ::testing::Values(SeasonCase{"before_first_term", 99, 0.25, 3},
                                           SeasonCase{"first_term_day_afternoon", 100, 0.25, 0},
                                           SeasonCase{"first_term_day_morning", 100, -0.25, 0},
                                           SeasonCase{"day_before_second_term", 199, -0.25, 0},
                                           SeasonCase{"second_term_day_afternoon", 200, 0.25, 1},
                                           SeasonCase{"second_term_day_morning", 200, -0.25, 1},
                                           SeasonCase{"second_term_exactly", 200, 0.0, 1},
                                           SeasonCase{"third_term_day_afternoon", 300, 0.4, 2},
                                           SeasonCase{"day_before_fourth_term", 399, 0.4, 2},
                                           SeasonCase{"fourth_term_day_afternoon", 400, 0.4, 3},
                                           SeasonCase{"after_fourth_term", 450, 0.0, 3}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(Season, RealYearChangesAtTheMinorTerms) {
    // 2009: Tiểu hàn 5 Jan, Thanh minh 4 Apr, Tiểu thử 7 Jul, Lập đông 7 Nov.
    EXPECT_EQ(seasonIndex(test::freshDay(4, 1, 2009)), 3);
    EXPECT_EQ(seasonIndex(test::freshDay(5, 1, 2009)), 0);
    EXPECT_EQ(seasonIndex(test::freshDay(4, 4, 2009)), 1);
    EXPECT_EQ(seasonIndex(test::freshDay(6, 7, 2009)), 1);
    EXPECT_EQ(seasonIndex(test::freshDay(7, 7, 2009)), 2);
    EXPECT_EQ(seasonIndex(test::freshDay(7, 11, 2009)), 3);
}

} // namespace
} // namespace velmora::almanac
