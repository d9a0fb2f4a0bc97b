// The owner's and the house's trigrams and the eight-mansions stars, against the cung phi formula
// and the structure of the eight-mansions rule.
#include "suite/fengshui/HouseTrigram.h"

#include <gtest/gtest.h>

namespace velmora::fengshui {
namespace {

// Trigram indices; Cang is Cấn.
enum { Can, Kham, Cang, Chan, Ton, Ly, Khon, Doai };

struct OwnerCase {
    int year;
    bool male;
    int trigram;
};

class OwnerTrigram : public ::testing::TestWithParam<OwnerCase> {};

TEST_P(OwnerTrigram, ByBirthYearAndSex) {
    EXPECT_EQ(ownerTrigram(GetParam().year, GetParam().male), GetParam().trigram);
}

// Worked examples of the usual tables: 1984 (mod 9 = 4) man Đoài, woman Cấn; 1924 man Tốn,
// woman Khôn; 1985 man Càn, woman Ly.
INSTANTIATE_TEST_SUITE_P(Examples, OwnerTrigram,
                         ::testing::Values(OwnerCase{1984, true, Doai},
                                           OwnerCase{1984, false, Cang}, OwnerCase{1924, true, Ton},
                                           OwnerCase{1924, false, Khon}, OwnerCase{1985, true, Can},
                                           OwnerCase{1985, false, Ly}));

// The cung phi formula of the nine palaces: man (11 - Y mod 9) mod 9, woman (Y mod 9 + 4) mod 9,
// 0 read as 9, the centre 5 given to Khôn for men and Cấn for women.
int cungPhi(int year, bool male) {
    const int r = year % 9;
    int palace = male ? (11 - r) % 9 : (r + 4) % 9;
    if (palace == 0) palace = 9;
    const int byPalace[10] = {-1, Kham, Khon, Chan, Ton, male ? Khon : Cang, Can, Doai, Cang, Ly};
    return byPalace[palace];
}

TEST(OwnerTrigram, AgreesWithTheNinePalaceFormulaForEveryYear) {
    for (int year = 1800; year <= 2199; ++year) {
        EXPECT_EQ(ownerTrigram(year, true), cungPhi(year, true)) << year;
        EXPECT_EQ(ownerTrigram(year, false), cungPhi(year, false)) << year;
    }
}

TEST(HouseTrigram, SitsOppositeItsFacing) {
    EXPECT_EQ(houseTrigram(Ly), Kham); // facing Chính Nam, sitting north
    EXPECT_EQ(houseTrigram(Kham), Ly);
    EXPECT_EQ(houseTrigram(Can), Ton); // facing Tây Bắc, sitting south-east
    EXPECT_EQ(houseTrigram(Doai), Chan);
    const HouseReading reading = readHouse(1984, true, Ly);
    EXPECT_EQ(reading.nMenh, Doai);
    EXPECT_EQ(reading.nHuong, Ly);
    EXPECT_EQ(reading.nTrach, Kham);
}

TEST(MansionStar, OwnDirectionIsPhucViAndCanSeesDoaiAsSinhKhi) {
    for (int t = 0; t < kTrigramCount; ++t)
        EXPECT_EQ(kMansionStarNames[mansionStar(t, t)], u"+Phục Vị");
    EXPECT_EQ(kMansionStarNames[mansionStar(Can, Doai)], u"+Sinh Khí");
    EXPECT_EQ(mansionStar(8, 0), -1);
    EXPECT_EQ(mansionStar(0, -1), -1);
}

// The relation between two trigrams is mutual, and each trigram meets every star once.
TEST(MansionStar, MatrixIsSymmetricAndEachRowHoldsEveryStar) {
    for (int t = 0; t < kTrigramCount; ++t) {
        int seen = 0;
        for (int d = 0; d < kTrigramCount; ++d) {
            EXPECT_EQ(mansionStar(t, d), mansionStar(d, t)) << t << "," << d;
            seen |= 1 << mansionStar(t, d);
        }
        EXPECT_EQ(seen, 0xFF) << t;
    }
}

// The East group (Khảm, Chấn, Tốn, Ly) and the West group (Càn, Cấn, Khôn, Đoài): a person's four
// good directions are exactly those of the own group.
TEST(MansionStar, GoodDirectionsAreThoseOfTheOwnGroup) {
    const auto east = [](int k) { return k == Kham || k == Chan || k == Ton || k == Ly; };
    for (int t = 0; t < kTrigramCount; ++t)
        for (int d = 0; d < kTrigramCount; ++d)
            EXPECT_EQ(kMansionStarNames[mansionStar(t, d)].front() == u'+', east(t) == east(d))
                << t << "," << d;
}

TEST(Chart, FacingOnTopAndTheSittingSideAtTheBottom) {
    for (int facing = 0; facing < kTrigramCount; ++facing) {
        EXPECT_EQ(chartCellDirection(facing, 0), facing);
        EXPECT_EQ(chartCellDirection(facing, 4), houseTrigram(facing));
        // Clockwise: the cell right of the top holds the next direction clockwise.
        EXPECT_EQ(chartCellDirection(facing, 1), (facing + 1) % 8);
    }
}

} // namespace
} // namespace velmora::fengshui
