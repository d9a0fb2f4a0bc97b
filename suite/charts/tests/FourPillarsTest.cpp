// The four pillars: ten gods and life stages against the tradition's relations, the edge cases of
// luck counting, and 200 random birth moments against a reference written here from the solar
// terms at their local times.
#include "suite/charts/FourPillars.h"
#include "suite/charts/ChartText.h"
#include "suite/charts/tests/ChartTestSupport.h"

#include "VelmoraDay.h"

#include <cmath>
#include <random>

namespace velmora::charts {
namespace {

using testing::birth;

int mod(int v, int n) {
    return ((v % n) + n) % n;
}

// The sexagenary index with that stem and branch (they must have the same parity).
int indexOf(int stem, int branch) {
    for (int i = 0; i < 60; ++i)
        if (i % 10 == stem && i % 12 == branch) return i;
    return -1;
}

// ---------------------------------------------------------------- ten gods and life stages

// A stem's element in the generating cycle Thủy 0, Mộc 1, Hỏa 2, Thổ 3, Kim 4: Giáp Ất wood,
// Bính Đinh fire, Mậu Kỷ earth, Canh Tân metal, Nhâm Quý water.
int elementOfStem(int stem) {
    return (stem / 2 + 1) % 5;
}

// The ten gods named from the relation of the other stem to the day stem ("I" am the day stem):
// same element = companions, what I generate = output, what I overcome = wealth, what overcomes
// me = officers, what generates me = resources; same polarity takes the first name of each pair.
int referenceTenGod(int stem, int dayStem) {
    const int me = elementOfStem(dayStem), it = elementOfStem(stem);
    const int pair = it == me             ? 0
                     : it == (me + 1) % 5 ? 1
                     : it == (me + 2) % 5 ? 2
                     : it == (me + 3) % 5 ? 3
                                          : 4;
    return 2 * pair + (stem % 2 == dayStem % 2 ? 0 : 1);
}

// Yang stems are born where their element is born (wood Hợi, fire and earth Dần, metal Tị,
// water Thân) and run forward; a yin stem is born where its yang partner dies (stage 7) and runs
// backward.
int referenceStage(int stem, int branch) {
    const int bornAt[5] = {8, 11, 2, 2, 5}; // by element Thủy, Mộc, Hỏa, Thổ, Kim
    const int yang = stem - stem % 2;
    const int yangStart = bornAt[elementOfStem(yang)];
    if (stem % 2 == 0) return mod(branch - yangStart, 12);
    return mod(yangStart + 7 - branch, 12);
}

TEST(TenGods, EveryPairFollowsTheRelationToTheDayStem) {
    for (int day = 0; day < 10; ++day)
        for (int stem = 0; stem < 10; ++stem)
            EXPECT_EQ(TenGod(stem, day), referenceTenGod(stem, day)) << stem << " vs " << day;
    EXPECT_EQ(TenGod(kNone, 3), kNone);
    // Hand-worked: for a Giáp day, Giáp is Ngang Vai, Canh Thiên Quan ("Sát"), Quý Chính Ấn.
    EXPECT_EQ(tenGodName(TenGod(0, 0), false), u"Ngang Vai");
    EXPECT_EQ(tenGodName(TenGod(6, 0), true), u"Sát");
    EXPECT_EQ(tenGodName(TenGod(9, 0), false), u"Chính Ấn");
}

TEST(LifeStages, EveryStemAndBranch) {
    for (int stem = 0; stem < 10; ++stem)
        for (int branch = 0; branch < 12; ++branch)
            EXPECT_EQ(LifeStage(stem, branch), referenceStage(stem, branch))
                << stem << "," << branch;
    EXPECT_EQ(LifeStage(kNone, 2), kNone);
    EXPECT_EQ(LifeStage(2, kNone), kNone);
    // Giáp is "Trường Sinh" at Hợi and "Đế Vượng" at Mão; Ất "Trường Sinh" at Ngọ, "Tử" at Hợi.
    EXPECT_EQ(lifeStageName(LifeStage(0, 11), false), u"Trường Sinh");
    EXPECT_EQ(lifeStageName(LifeStage(0, 3), false), u"Đế Vượng");
    EXPECT_EQ(lifeStageName(LifeStage(1, 6), true), u"Sinh");
    EXPECT_EQ(lifeStageName(LifeStage(1, 11), false), u"Tử");
}

// ---------------------------------------------------------------- the reference chart

struct ReferencePillars {
    int indices[4];
    bool forward;
    int startAge;
};

// Pillars from the solar terms at their local times: the year turns at "Lập xuân", the month at
// each minor term; the month stem runs from the year's Dần month (Giáp and Kỷ years Bính Dần,
// then Mậu, Canh, Nhâm, Giáp); days count from 1 January 2000, a Mậu Ngọ day; the hour stem runs
// from the day's Tý hour (Giáp and Kỷ days Giáp Tý, then Bính, Mậu, Canh, Nhâm).
ReferencePillars reference(const BirthRecord& b) {
    const LICHVELMORA thisYear = freshDay(1, 7, b.year);
    const double moment = JD(b.day, b.month, b.year, b.hour + b.minute / 60.0);
    // Minor terms in order: Đại tuyết of the year before (a Tý month), then Tiểu hàn (Sửu) ...
    int lastTerm = 0;
    for (int k = 0; k < 14; ++k)
        if (thisYear.dTietKhi[k] <= moment) lastTerm = k;
    const bool afterSpring = moment >= thisYear.dTietKhi[2];
    const int year = mod((afterSpring ? b.year : b.year - 1) - 1984, 60);
    const int monthBranch = lastTerm % 12;
    const int monthStem = (2 * (year % 5) + 2 + mod(monthBranch - 2, 12)) % 10;
    const int dayNumber = static_cast<int>(JD(b.day, b.month, b.year, 12.0));
    const int day = mod(54 + dayNumber - 2451545, 60);
    const int hourBranch = ((b.hour + 1) % 24) / 2;
    const int hourStem = (2 * (day % 5) + hourBranch) % 10;

    ReferencePillars r{};
    r.indices[0] = year;
    r.indices[1] = indexOf(monthStem, monthBranch);
    r.indices[2] = day;
    r.indices[3] = indexOf(hourStem, hourBranch);
    r.forward = (b.sex != 0) == (year % 2 == 0);
    // Three days from the birth to the next minor term (forward) or from the last one make a year.
    const double days =
        r.forward ? thisYear.dTietKhi[lastTerm + 1] - moment : moment - thisYear.dTietKhi[lastTerm];
    r.startAge = static_cast<int>(std::floor(days)) / 3 + 1;
    return r;
}

void expectMatchesReference(const BirthRecord& b, const std::string& when) {
    PillarSet set;
    ASSERT_TRUE(receiveBirth(set, b)) << when;
    const ReferencePillars r = reference(b);
    const int monthBranch = r.indices[1] % 12, dayStem = r.indices[2] % 10;
    for (int i = 0; i < 4; ++i) {
        const Pillar& p = set.pillars[i];
        EXPECT_EQ(p.index, r.indices[i]) << when << " pillar " << i;
        EXPECT_EQ(p.tenGod, i == DayPillarAt ? kNone : referenceTenGod(p.stem, dayStem)) << when;
        EXPECT_EQ(p.stageOwn, referenceStage(p.stem, p.branch)) << when;
        EXPECT_EQ(p.stageMonth, referenceStage(p.stem, monthBranch)) << when;
        for (int k = 0; k < 3; ++k)
            if (p.hidden[k] != kNone) {
                EXPECT_EQ(p.hiddenTenGod[k], referenceTenGod(p.hidden[k], dayStem)) << when;
                EXPECT_EQ(p.hiddenStage[k], referenceStage(p.hidden[k], monthBranch)) << when;
            }
    }
    EXPECT_EQ(set.forward, r.forward) << when;
    EXPECT_EQ(set.startAge, r.startAge) << when;
    for (int i = 0; i < kLuckColumns; ++i) {
        EXPECT_EQ(set.lucks[i].index, mod(r.indices[1] + (r.forward ? i : -i), 60)) << when;
        EXPECT_EQ(set.lucks[i].age, r.startAge + 10 * i) << when;
    }
    for (int i = 0; i < kYearColumns; ++i) EXPECT_EQ(set.years[i].index, mod(r.indices[0] + i, 60));
}

TEST(FourPillarsReference, TwoHundredRandomBirthMoments) {
    std::mt19937 random(19750430);
    std::uniform_int_distribution<int> year(1801, 2198), month(1, 12), day(1, 31), hour(0, 23),
        minute(0, 59), sex(0, 1);
    for (int n = 0; n < 200; ++n) {
        BirthRecord b =
            birth(year(random), month(random), 1, hour(random), minute(random), sex(random));
        b.day = static_cast<std::int8_t>(1 + day(random) % SoNgayCuaThang(b.month, b.year));
        expectMatchesReference(b, std::to_string(b.year) + "-" + std::to_string(b.month) + "-" +
                                      std::to_string(b.day) + " " + std::to_string(b.hour) + ":" +
                                      std::to_string(b.minute));
        ASSERT_FALSE(::testing::Test::HasFailure());
    }
}

// The local clock time of a minor term, as a birth a few minutes to either side of it.
BirthRecord nearTerm(int year, int month, int minutes, bool male) {
    const LICHVELMORA day = freshDay(1, month, year);
    const SYSTEMTIME t = JD2ST(day.dTietKhi[month] + minutes / 1440.0, 0.0);
    return birth(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, male);
}

TEST(FourPillarsReference, BirthsMinutesAroundTheirTerms) {
    for (int year : {1950, 2009, 2022, 2100})
        for (int month : {1, 2, 3, 8, 12})
            for (int minutes : {-30, 30})
                for (bool male : {true, false}) {
                    const BirthRecord b = nearTerm(year, month, minutes, male);
                    expectMatchesReference(b, std::to_string(year) + "/" + std::to_string(month) +
                                                  " " + std::to_string(minutes) + " min");
                }
}

// ---------------------------------------------------------------- edge cases

TEST(FourPillars, YearPillarChangesAtLapXuanNotAtLunarNewYear) {
    // 2 February 2022: after Tết Nhâm Dần (1 February) but before "Lập xuân" (4 February).
    PillarSet set;
    ASSERT_TRUE(receiveBirth(set, birth(2022, 2, 2, 10, 0, true)));
    EXPECT_EQ(set.day.nCanChiNam, 38);               // the lunar year is Nhâm Dần ...
    EXPECT_EQ(set.pillars[YearPillarAt].index, 37);  // ... the year pillar still Tân Sửu
    EXPECT_EQ(set.pillars[MonthPillarAt].index, 37); // in the month Tân Sửu
    EXPECT_EQ(set.pillarYear, 2021);
    EXPECT_EQ(yearAgeText(set, 1), u"21:1");
}

TEST(FourPillars, YearAndMonthTurnAtTheTermsMomentNotAtItsDay) {
    // "Lập xuân" 2009 fell on 3 February at 23:51 (+7). The day record names that whole day by
    // the new year; a birth that morning still belongs to Mậu Tý and its Sửu month.
    const LICHVELMORA termDay = freshDay(3, 2, 2009, 10, 0);
    ASSERT_EQ(termDay.nCanChiNamTiet, 25);
    PillarSet morning, before, after;
    ASSERT_TRUE(receiveBirth(morning, birth(2009, 2, 3, 10, 0, true)));
    EXPECT_EQ(morning.pillars[YearPillarAt].index, 24);
    EXPECT_EQ(morning.pillars[MonthPillarAt].index % 12, 1);

    const SYSTEMTIME hourBefore = JD2ST(termDay.dTietKhi[2] - 1.0 / 24, 0.0);
    const SYSTEMTIME hourAfter = JD2ST(termDay.dTietKhi[2] + 1.0 / 24, 0.0);
    ASSERT_TRUE(receiveBirth(before, birth(hourBefore.wYear, hourBefore.wMonth, hourBefore.wDay,
                                           hourBefore.wHour, hourBefore.wMinute, true)));
    ASSERT_TRUE(receiveBirth(after, birth(hourAfter.wYear, hourAfter.wMonth, hourAfter.wDay,
                                          hourAfter.wHour, hourAfter.wMinute, true)));
    EXPECT_EQ(before.pillars[YearPillarAt].index, 24); // Mậu Tý
    EXPECT_EQ(after.pillars[YearPillarAt].index, 25);  // Kỷ Sửu
    EXPECT_EQ(before.pillars[MonthPillarAt].index % 12, 1);
    EXPECT_EQ(after.pillars[MonthPillarAt].index % 12, 2);
    // A Mậu Tý (yang) man counts forward to the term an hour away, so his luck starts at 1; the
    // Kỷ Sửu (yin) man counts back to the term an hour ago, also 1. Taking the term's whole day
    // for the new year would make the first a Kỷ Sửu man counting back a month to "Tiểu hàn".
    EXPECT_TRUE(before.forward);
    EXPECT_EQ(before.startAge, 1);
    EXPECT_FALSE(after.forward);
    EXPECT_EQ(after.startAge, 1);
}

TEST(FourPillars, GiapYearManForwardWomanBackward) {
    PillarSet man, woman;
    ASSERT_TRUE(receiveBirth(man, birth(1984, 6, 15, 9, 0, true)));
    ASSERT_TRUE(receiveBirth(woman, birth(1984, 6, 15, 9, 0, false)));
    const int month = man.pillars[MonthPillarAt].index;
    EXPECT_EQ(man.lucks[1].index, mod(month + 1, 60));
    EXPECT_EQ(woman.lucks[1].index, mod(month - 1, 60));
    EXPECT_EQ(man.lucks[0].index, month);
}

TEST(FourPillars, ChoosingLuckFourShowsLucksFourToSeven) {
    PillarSet set;
    ASSERT_TRUE(receiveBirth(set, birth(1984, 6, 15, 9, 0, true)));
    chooseFirstLuck(set, 4);
    for (int i = 0; i < kLuckColumns; ++i) EXPECT_EQ(set.lucks[i].age, set.startAge + 40 + 10 * i);
    EXPECT_EQ(set.selectedLuck, 4);
    EXPECT_EQ(set.years[0].age, set.startAge + 40 - 10);
    EXPECT_EQ(luckAgeText(set.lucks[0].age),
              std::u16string(u"") + number(set.startAge + 30) + u"-" + number(set.startAge + 39));
}

TEST(FourPillars, FirstLuckColumnShowsAgesOneToTen) {
    PillarSet set;
    ASSERT_TRUE(receiveBirth(set, birth(1990, 3, 3, 3, 3, false)));
    chooseFirstLuck(set, 6);
    selectLuckColumn(set, 2);
    EXPECT_EQ(set.selectedLuck, 8);
    chooseFirstLuck(set, 0);
    selectLuckColumn(set, 0);
    for (int i = 0; i < kYearColumns; ++i) EXPECT_EQ(set.years[i].age, i + 1);
    EXPECT_EQ(set.years[0].index, set.pillars[YearPillarAt].index);
    EXPECT_EQ(luckAgeText(7), u"0-6");
    EXPECT_EQ(luckAgeText(17), u"7-16");
    EXPECT_EQ(yearAgeText(set, 12), u"01:12");
}

TEST(FourPillars, InvalidBirthIsRefused) {
    PillarSet set;
    EXPECT_FALSE(receiveBirth(set, birth(1799, 12, 31, 0, 0, true)));
    EXPECT_FALSE(receiveBirth(set, birth(2023, 2, 29, 0, 0, true)));
    EXPECT_EQ(set.day.nNam, 0);
}

} // namespace
} // namespace velmora::charts
