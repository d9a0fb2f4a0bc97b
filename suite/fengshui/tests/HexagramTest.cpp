// Line symbols, resulting and mutual hexagrams, and both ways of casting.
#include "suite/fengshui/Hexagram.h"

#include "VelmoraDay.h"

#include <gtest/gtest.h>

namespace velmora::fengshui {
namespace {

TEST(Hexagram, MovingLinesChangeInTheResultingHexagram) {
    EXPECT_EQ(resultingHexagram(u"1o0x10"), u"100110");
    EXPECT_EQ(normalizePattern(u"1o0x10"), u"||::|:"); // the primary as looked up
    EXPECT_EQ(normalizePattern(u"100110"), u"|::||:");
    EXPECT_EQ(resultingHexagram(u"||::|:"), u"||::|:");
}

TEST(Hexagram, OnlySixLineSymbolsMakeAHexagram) {
    EXPECT_TRUE(isHexagram(u"1o0x|:"));
    EXPECT_FALSE(isHexagram(u"1o0x1"));
    EXPECT_FALSE(isHexagram(u"1o0x101"));
    EXPECT_FALSE(isHexagram(u"1o0X10"));
    EXPECT_FALSE(isHexagram(u"Quẻ Khai"));
}

struct MutualCase {
    const char16_t* lines;
    const char16_t* mutual;
};

class Mutual : public ::testing::TestWithParam<MutualCase> {};

TEST_P(Mutual, TakesLinesTwoToFourBelowAndThreeToFiveAbove) {
    EXPECT_EQ(mutualHexagram(GetParam().lines), GetParam().mutual);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Mutual,
    ::testing::Values(MutualCase{u"||||||", u"||||||"}, // Càn stays Càn
                      MutualCase{u":|:|:|", u"|:|:|:"}, // Vị Tế gives Ký Tế
                      MutualCase{u"||::|:", u"|::::|"}, // Tiết gives Di
                      MutualCase{u"1o0x10", u"|::::|"}, // moving lines count as they stand
                      MutualCase{u"|||:::", u"||:|::"}, // Thái gives Quy Muội
                      // Anything but six symbols empties the button.
                      MutualCase{u"Quẻ Khai", u""}, MutualCase{u"", u""}, MutualCase{u"|||||", u""},
                      MutualCase{u"abcdef", u""}));

TEST(Coins, BacksGiveTheLine) {
    const struct {
        std::array<std::uint8_t, 3> bytes;
        int backs;
        char16_t line;
    } cases[] = {{{0, 2, 254}, 0, u'x'},
                 {{1, 0, 0}, 1, u'|'},
                 {{3, 2, 5}, 2, u':'},
                 {{255, 1, 129}, 3, u'o'}};
    for (const auto& c : cases) {
        const CoinThrow coins = coinThrow(c.bytes);
        EXPECT_EQ(coins.backs(), c.backs);
        EXPECT_EQ(coins.line(), c.line);
    }
}

TEST(PlumBlossom, NumberFiveAtTheHourTy) {
    const PlumCast cast = castByNumber(5, 0);
    EXPECT_EQ(cast.upper, 4); // Tốn :||
    EXPECT_EQ(cast.lower, 5); // Khảm :|:
    EXPECT_EQ(cast.movingLine, 5);
    EXPECT_EQ(castLines(cast), u":|::|o");
    EXPECT_EQ(resultingHexagram(castLines(cast)), u":|::|0");
}

TEST(PlumBlossom, NumberEightAndTheLastHourWrapRound) {
    // Counted from 1: 8 is Khôn above; 8 + 12 (Hợi) = 20 gives Chấn below and moves line 2.
    const PlumCast cast = castByNumber(8, 11);
    EXPECT_EQ(cast.upper, 7);
    EXPECT_EQ(cast.lower, 3);
    EXPECT_EQ(cast.movingLine, 1);
    EXPECT_EQ(castLines(cast), u"|x::::");
}

TEST(PlumBlossom, NewYearsDayOfKySuuAtTheHourTi) {
    // 26/01/2009 10:30 is 1/1 Kỷ Sửu at the hour Tị. Counted from 1 (Sửu 2, Tị 6):
    // 2 + 1 + 1 = 4 gives Chấn above, 4 + 6 = 10 gives Đoài below and moves line 4.
    const PlumMoment moment = plumMoment(systemTime(2009, 1, 26, 10, 30));
    EXPECT_EQ(moment.lunarDay, 1);
    EXPECT_EQ(moment.lunarMonth, 1);
    EXPECT_EQ(moment.yearBranch, 1);
    EXPECT_EQ(moment.hourBranch, 5);
    const PlumCast cast = castByDate(moment);
    EXPECT_EQ(cast.upper, 3);
    EXPECT_EQ(cast.lower, 1);
    EXPECT_EQ(cast.movingLine, 3);
    EXPECT_EQ(castLines(cast), u"||:o::");
}

} // namespace
} // namespace velmora::fengshui
