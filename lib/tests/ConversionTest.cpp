// Solar-to-lunar and lunar-to-solar conversion of the day record, edge cases and mended faults.
#include "VelmoraDay.h"
#include "VelmoraLib.h"
#include "lib/tests/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using velmora::test::freshDay;
using velmora::test::sameRecord;

struct LunarCase {
    int day, month, year;
    int ngayAm, thangAm, nhuan, soNgayThangAm;
};

// Solar dates with their lunar dates in the official Vietnamese calendar, among
// them the leap months that only a rule judged by local days gets right.
const LunarCase kLunarCases[] = {
    {26, 1, 2009, 1, 1, 0, 30},  {1, 1, 2000, 25, 11, 0, 30},  {14, 2, 2010, 1, 1, 0, 30},
    {7, 2, 2008, 1, 1, 0, 30},   {23, 6, 2009, 1, 5, 1, 29},   {21, 5, 2012, 1, 4, 1, 29},
    {22, 3, 2023, 1, 2, 1, 29},  {23, 5, 2001, 1, 4, 1, 29},   {21, 6, 2001, 1, 5, 0, 30},
    {24, 10, 2014, 1, 9, 1, 29}, {23, 5, 2020, 1, 4, 1, 29},   {25, 7, 2025, 1, 6, 1, 29},
    {19, 2, 2015, 1, 1, 0, 29},  {22, 12, 2033, 1, 11, 1, 29}, {19, 2, 2034, 1, 1, 0, 29},
    {20, 1, 2034, 1, 12, 0, 30}, {18, 2, 2015, 30, 12, 0, 30}, {20, 1, 2015, 1, 12, 0, 30},
    {21, 6, 2020, 1, 5, 0, 30},  {23, 8, 2025, 1, 7, 0, 30},   {21, 12, 2033, 30, 11, 0, 30},
};

TEST(Conversion, SolarToLunar) {
    for (const auto& c : kLunarCases) {
        const LICHVELMORA r = freshDay(c.day, c.month, c.year);
        EXPECT_EQ(r.nNgayAm, c.ngayAm) << c.day << "/" << c.month << "/" << c.year;
        EXPECT_EQ(r.nThangAm, c.thangAm) << c.day << "/" << c.month << "/" << c.year;
        EXPECT_EQ(r.bNhuan, c.nhuan) << c.day << "/" << c.month << "/" << c.year;
        EXPECT_EQ(r.nSoNgayThangAm, c.soNgayThangAm) << c.day << "/" << c.month << "/" << c.year;
    }
}

TEST(Conversion, LunarNewYear2009InFull) {
    const LICHVELMORA r = freshDay(26, 1, 2009, 10);
    EXPECT_EQ(r.nJD, 2454858);
    EXPECT_EQ(r.nThu, 0);
    EXPECT_EQ(r.nSoNgay, 31);
    EXPECT_EQ(r.nCanChiNam, 25);      // Kỷ Sửu
    EXPECT_EQ(r.nCanChiThang, 2);     // Bính Dần
    EXPECT_EQ(r.nCanChiNgay, 7);      // Tân Mùi
    EXPECT_EQ(r.nCanChiNamTiet, 24);  // still Mậu Tý before "Lập xuân"
    EXPECT_EQ(r.nCanChiThangTiet, 1); // Ất Sửu
    EXPECT_EQ(r.nChiSoThang, 2);
    EXPECT_EQ(r.nThangSoc[2], 1);
    EXPECT_EQ(r.nSoSoc, 14);     // 2009 has a leap month
    EXPECT_EQ(r.nCanChiGio, 29); // Quý Tị: hour Tị of a Tân day
    EXPECT_EQ(r.nSao28, (2454858 + 11) % 28);
}

TEST(Conversion, HourPillarFollowsTheCivilDay) {
    struct Case {
        int hour, branch;
    };
    const Case cases[] = {{0, 0}, {1, 1}, {2, 1}, {11, 6}, {12, 6}, {22, 11}, {23, 0}};
    for (const auto& c : cases) {
        const LICHVELMORA r = freshDay(26, 1, 2009, c.hour);
        EXPECT_EQ(r.nCanChiGio % 12, c.branch) << c.hour;
        // The stem of 23:00 belongs to the same civil day as the stem of 00:00.
        EXPECT_EQ(r.nCanChiGio, (c.branch + 12 * r.nCanChiNgay) % 60) << c.hour;
        EXPECT_EQ(r.nHoangDaoGio, (c.branch + 28 - 2 * (r.nCanChiNgay % 12)) % 12);
        EXPECT_EQ(r.nLucNhamGio, (r.nThangAm + r.nNgayAm + c.branch - 2) % 6);
    }
}

TEST(Conversion, DaysBeforeLunarNewYearReadThePreviousYearsTable) {
    const LICHVELMORA r = freshDay(20, 1, 2009);
    EXPECT_EQ(r.nThangAm, 12);
    EXPECT_EQ(r.nNgayAm, 25);
    EXPECT_EQ(r.nCanChiNam, 24); // Mậu Tý, the lunar year of 2008
    const LICHVELMORA tet = freshDay(26, 1, 2009);
    EXPECT_NE(r.dSoc[0], tet.dSoc[0]);
}

TEST(Conversion, TetIsNotAMonthEarly) {
    // Tết 2015 and Tết 2034 fall in February, not on 20 January.
    EXPECT_EQ(freshDay(20, 1, 2015).nThangAm, 12);
    EXPECT_EQ(freshDay(20, 1, 2034).nThangAm, 12);
    EXPECT_EQ(freshDay(19, 2, 2015).nNgayAm, 1);
    EXPECT_EQ(freshDay(19, 2, 2034).nThangAm, 1);
}

TEST(Conversion, LeapElevenOf2033WhicheverTableTheDayReads) {
    const LICHVELMORA dec = freshDay(22, 12, 2033);
    const LICHVELMORA jan = freshDay(10, 1, 2034);
    EXPECT_EQ(dec.nThangSoc[dec.nChiSoThang], 31);
    // January 2034 reads the 2033 table, whose last entries carry the next table's numbers.
    int leapIndex = -1;
    for (int i = 0; i < 16; ++i)
        if (jan.nThangSoc[i] == 31) leapIndex = i;
    ASSERT_GE(leapIndex, 0);
    EXPECT_EQ(velmora::localDayNumber(jan.dSoc[leapIndex]), dec.nJD);
    // In the 2034 table the second entry is the leap month, so index 2 is month 12.
    const LICHVELMORA tet = freshDay(19, 2, 2034);
    EXPECT_EQ(tet.nThangSoc[1], 31);
    EXPECT_EQ(tet.nThangSoc[2], 12);
    EXPECT_EQ(tet.nThangSoc[3], 1);
    EXPECT_EQ(tet.nChiSoThang, 3);
}

TEST(Conversion, MonthPillarAndOfficerChangeOnTheTermsLocalDay) {
    // A "Lập xuân" that falls in the local morning: the year pillar, the month pillar
    // and the day officer all change on that day, not on the day before.
    int checked = 0;
    for (int year = 2000; year < 2040; ++year) {
        const LICHVELMORA probe = freshDay(4, 2, year);
        const int termDay = velmora::localDayNumber(probe.dTietKhi[2]);
        const double hourOfDay = (probe.dTietKhi[2] - (termDay - 0.5)) * 24;
        if (hourOfDay >= 12.0) continue;
        const SYSTEMTIME d = JD2ST(termDay - 0.5, 0.0);
        const LICHVELMORA on = freshDay(d.wDay, d.wMonth, d.wYear);
        const LICHVELMORA before = freshDay(d.wDay - 1, d.wMonth, d.wYear);
        EXPECT_EQ(before.nCanChiNamTiet, (year + 55) % 60) << year;
        EXPECT_EQ(on.nCanChiNamTiet, (year + 56) % 60) << year;
        EXPECT_EQ(before.nCanChiThangTiet, (12 * (year + 56) + 2 - 1) % 60) << year;
        EXPECT_EQ(on.nCanChiThangTiet, (12 * ((year + 56) % 60) + 2) % 60) << year;
        EXPECT_EQ(on.nTruc, (on.nCanChiNgay % 12 - 2 + 12) % 12) << year;
        EXPECT_EQ(before.nTruc, (before.nCanChiNgay % 12 - 2 + 13) % 12) << year;
        ++checked;
    }
    EXPECT_GT(checked, 5);
}

TEST(Conversion, ClientFlagCombinations) {
    LICHVELMORA r = freshDay(31, 1, 2009);
    r.nThang = 2; // 31 February becomes the last day of February
    DoiAmDuong(&r, DAD_DUONG | DAD_THANG);
    EXPECT_EQ(r.nNgay, 28);
    EXPECT_TRUE(sameRecord(r, freshDay(28, 2, 2009)));

    r.nNam = 2010;
    DoiAmDuong(&r, DAD_DUONG | DAD_NAM);
    EXPECT_TRUE(sameRecord(r, freshDay(28, 2, 2010)));

    r.nNgay = 14;
    DoiAmDuong(&r, DAD_DUONG | DAD_NGAY);
    EXPECT_TRUE(sameRecord(r, freshDay(14, 2, 2010)));

    r.nGio = 23;
    DoiAmDuong(&r, DAD_DUONG | DAD_GIO);
    EXPECT_TRUE(sameRecord(r, freshDay(14, 2, 2010, 23)));

    r.nJD += 400;
    DoiAmDuong(&r, DAD_JD | DAD_DUONG);
    EXPECT_TRUE(sameRecord(r, freshDay(21, 3, 2011, 23)));

    const LICHVELMORA unchanged = r;
    DoiAmDuong(&r, 0);
    EXPECT_TRUE(sameRecord(r, unchanged));
}

// A lunar-to-solar call ends exactly as a fresh conversion of the day it lands on.
TEST(Conversion, LunarToSolarEndsAsAFreshConversion) {
    struct Case {
        int day, month, year; // the record before the call
        int chiSoThang, ngayAm;
        uint32_t flags;
        int expectDay, expectMonth, expectYear;
    };
    const Case cases[] = {
        {26, 1, 2009, 7, 1, DAD_THANG, 23, 6, 2009},    // leap month 5
        {26, 1, 2009, 2, 15, DAD_NGAY, 9, 2, 2009},     // day within the month
        {20, 1, 2009, 2, 1, DAD_THANG, 7, 2, 2008},     // the previous year's table
        {20, 1, 2009, 14, 1, DAD_THANG, 26, 1, 2009},   // through the table into the next year
        {23, 6, 2009, 7, 30, DAD_NGAY, 22, 7, 2009},    // day 30 of a 29-day month
        {22, 12, 2033, 13, 1, DAD_THANG, 22, 12, 2033}, // leap month 11 of 2033
    };
    for (const auto& c : cases) {
        LICHVELMORA r = freshDay(c.day, c.month, c.year);
        r.nChiSoThang = c.chiSoThang;
        r.nNgayAm = c.ngayAm;
        DoiAmDuong(&r, c.flags);
        std::string diff;
        EXPECT_TRUE(sameRecord(r, freshDay(c.expectDay, c.expectMonth, c.expectYear), &diff))
            << c.day << "/" << c.month << "/" << c.year << " -> " << c.expectDay << "/"
            << c.expectMonth << "/" << c.expectYear << ": " << diff;
    }
}

LICHVELMORA freshDayInZone(int day, int month, int year, double zone) {
    return velmora::freshDay(day, month, year, 12, 0, 0, zone);
}

TEST(Conversion, TablesFollowTheZone) {
    const LICHVELMORA seven = freshDayInZone(1, 6, 2009, 7.0);
    const LICHVELMORA eight = freshDayInZone(1, 6, 2009, 8.0);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(eight.dSoc[i] - seven.dSoc[i], 1.0 / 24, 1e-9) << i;
    for (int i = 0; i < 14; ++i)
        EXPECT_NEAR(eight.dTietKhi[i] - seven.dTietKhi[i], 1.0 / 24, 2e-5) << i;
}

TEST(Conversion, ZoneDecidesTet1985) {
    // Reckoned in zone +7, the winter solstice and the following new moons make
    // 21 January 1985 lunar new year; in zone +8 that day begins month 12 and new
    // year comes a month later.
    const LICHVELMORA seven = freshDayInZone(21, 1, 1985, 7.0);
    const LICHVELMORA eight = freshDayInZone(21, 1, 1985, 8.0);
    EXPECT_EQ(seven.nNgayAm, 1);
    EXPECT_EQ(seven.nThangAm, 1);
    EXPECT_EQ(eight.nNgayAm, 1);
    EXPECT_EQ(eight.nThangAm, 12);
    EXPECT_EQ(freshDayInZone(20, 2, 1985, 8.0).nThangAm, 1);
}

} // namespace

namespace {

// A record with a zone that is not a number, or a year in the millions, made DoiAmDuong loop
// for ever (and convert overflowing doubles to integers): such records are refused at once and
// left exactly as they were.
TEST(AcceptedInputs, RefusedRecordsAreLeftAsTheyWere) {
    const LICHVELMORA good = velmora::freshDay(26, 1, 2009);
    struct Case {
        const char* label;
        void (*spoil)(LICHVELMORA&);
        uint32_t flags;
    };
    const Case cases[] = {
        {"zone NaN", [](LICHVELMORA& r) { r.dMuiGio = std::nan(""); }, DAD_ALL},
        {"zone infinite", [](LICHVELMORA& r) { r.dMuiGio = INFINITY; }, DAD_ALL},
        {"zone 20 h", [](LICHVELMORA& r) { r.dMuiGio = 20.0; }, DAD_ALL},
        {"year 3 000 000", [](LICHVELMORA& r) { r.nNam = 3000000; }, DAD_ALL},
        {"year 0", [](LICHVELMORA& r) { r.nNam = 0; }, DAD_DUONG | DAD_NAM},
        {"month 13", [](LICHVELMORA& r) { r.nThang = 13; }, DAD_DUONG | DAD_THANG},
        {"day 0", [](LICHVELMORA& r) { r.nNgay = 0; }, DAD_DUONG | DAD_NGAY},
        {"hour 24", [](LICHVELMORA& r) { r.nGio = 24; }, DAD_DUONG | DAD_GIO},
        {"day number far out", [](LICHVELMORA& r) { r.nJD = 2000000000; }, DAD_JD | DAD_DUONG},
        {"lunar day 31", [](LICHVELMORA& r) { r.nNgayAm = 31; }, DAD_NGAY},
        {"month table garbage", [](LICHVELMORA& r) { r.dSoc[r.nChiSoThang] = std::nan(""); },
         DAD_NGAY},
    };
    for (const Case& c : cases) {
        LICHVELMORA rec = good;
        c.spoil(rec);
        const LICHVELMORA before = rec;
        DoiAmDuong(&rec, c.flags);
        EXPECT_EQ(std::memcmp(&rec, &before, sizeof rec), 0) << c.label;
    }
    // The far ends of the accepted years still convert.
    for (int year : {VELMORA_FIRST_YEAR, VELMORA_LAST_YEAR}) {
        const LICHVELMORA edge = velmora::freshDay(15, 6, year);
        EXPECT_EQ(edge.nNam, year);
        EXPECT_GE(edge.nNgayAm, 1);
    }
}

TEST(AcceptedInputs, OtherEntriesGiveTheirFallbacks) {
    const SYSTEMTIME none = JD2ST(std::nan(""), 7.0);
    EXPECT_EQ(none.wYear, 0);
    EXPECT_EQ(JD2ST(1e12, 7.0).wYear, 0);
    double rise = 0, set = 0;
    GetRiseSet(26, 1, 2009, std::nan(""), 105.85, 7, 1, &rise, &set);
    EXPECT_EQ(rise, -1.0);
    EXPECT_EQ(set, -1.0);
    GetRiseSet(26, 1, 3000000, 21.3, 105.85, 7, 2, &rise, &set);
    EXPECT_EQ(rise, -1.0);
    EXPECT_EQ(set, -1.0);
}

} // namespace
