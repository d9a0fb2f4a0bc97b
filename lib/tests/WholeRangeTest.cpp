// Properties that hold for every day from 1800-01-01 to 2199-12-31.
#include "VelmoraDay.h"
#include "VelmoraLib.h"
#include "lib/tests/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using velmora::test::freshDay;
using velmora::test::sameRecord;

struct DayInfo {
    int jd, year, month, day;
    int ngayAm, thangAm, nhuan, soNgayThangAm, chiSoThang;
    int canChiNgay, thu, canChiNamTiet, canChiThangTiet;
    bool yearPillarTermDay, monthPillarTermDay;
};

struct Sweep {
    std::vector<DayInfo> days;
    int incrementalMismatches = 0;
    std::string firstIncrementalMismatch;
    int roundTripFailures = 0;
    std::string firstRoundTripFailure;
};

// One pass over the range: a record stepped day by day with the incremental flags,
// compared with a fresh conversion of every day, and each day's lunar date
// converted back.
const Sweep& sweep() {
    static const Sweep result = [] {
        Sweep s;
        LICHVELMORA stepped = freshDay(1, 1, 1800);
        for (;;) {
            const LICHVELMORA fresh = freshDay(stepped.nNgay, stepped.nThang, stepped.nNam);
            std::string field;
            if (!sameRecord(stepped, fresh, &field) && s.incrementalMismatches++ == 0)
                s.firstIncrementalMismatch = std::to_string(fresh.nNgay) + "/" +
                                             std::to_string(fresh.nThang) + "/" +
                                             std::to_string(fresh.nNam) + " " + field;

            LICHVELMORA back = fresh;
            back.nNgay = back.nThang = back.nNam = 0;
            DoiAmDuong(&back, DAD_NGAY);
            if (!sameRecord(back, fresh, &field) && s.roundTripFailures++ == 0)
                s.firstRoundTripFailure = std::to_string(fresh.nNgay) + "/" +
                                          std::to_string(fresh.nThang) + "/" +
                                          std::to_string(fresh.nNam) + " " + field;

            s.days.push_back({fresh.nJD, fresh.nNam, fresh.nThang, fresh.nNgay, fresh.nNgayAm,
                              fresh.nThangAm, fresh.bNhuan, fresh.nSoNgayThangAm, fresh.nChiSoThang,
                              fresh.nCanChiNgay, fresh.nThu, fresh.nCanChiNamTiet,
                              fresh.nCanChiThangTiet,
                              fresh.nJD == velmora::localDayNumber(fresh.dTietKhi[2]),
                              fresh.nJD == velmora::localDayNumber(fresh.dTietKhi[fresh.nThang])});

            if (fresh.nNam == 2199 && fresh.nThang == 12 && fresh.nNgay == 31) break;
            if (stepped.nNgay < stepped.nSoNgay) {
                stepped.nNgay += 1;
                DoiAmDuong(&stepped, DAD_DUONG | DAD_NGAY);
            } else {
                stepped.nJD += 1;
                DoiAmDuong(&stepped, DAD_JD | DAD_DUONG);
            }
        }
        return s;
    }();
    return result;
}

TEST(WholeRange, CoversEveryDay) {
    EXPECT_EQ(sweep().days.size(), 2524593u - 2378497u + 1u);
}

TEST(WholeRange, IncrementalFlagsGiveWhatAFreshConversionGives) {
    EXPECT_EQ(sweep().incrementalMismatches, 0) << "first: " << sweep().firstIncrementalMismatch;
}

TEST(WholeRange, LunarDateConvertsBackToTheSameDay) {
    EXPECT_EQ(sweep().roundTripFailures, 0) << "first: " << sweep().firstRoundTripFailure;
}

TEST(WholeRange, ConsecutiveDaysAdvanceWeekdayAndSexagenaryDay) {
    const auto& days = sweep().days;
    for (size_t i = 1; i < days.size(); ++i) {
        ASSERT_EQ(days[i].jd, days[i - 1].jd + 1);
        ASSERT_EQ(days[i].canChiNgay, (days[i - 1].canChiNgay + 1) % 60) << days[i].jd;
        ASSERT_EQ(days[i].thu, (days[i - 1].thu + 1) % 7) << days[i].jd;
    }
}

TEST(WholeRange, LunarMonthsHave29Or30DaysAndCountUp) {
    const auto& days = sweep().days;
    for (size_t i = 1; i < days.size(); ++i) {
        const DayInfo& d = days[i];
        ASSERT_TRUE(d.soNgayThangAm == 29 || d.soNgayThangAm == 30) << d.jd;
        ASSERT_GE(d.chiSoThang, 2) << d.year << "-" << d.month << "-" << d.day;
        ASSERT_LE(d.chiSoThang, 14) << d.year << "-" << d.month << "-" << d.day;
        const DayInfo& p = days[i - 1];
        if (d.ngayAm == 1) {
            ASSERT_EQ(p.ngayAm, p.soNgayThangAm) << d.jd;
        } else {
            ASSERT_EQ(d.ngayAm, p.ngayAm + 1) << d.jd;
            ASSERT_EQ(d.thangAm, p.thangAm) << d.jd;
            ASSERT_EQ(d.nhuan, p.nhuan) << d.jd;
        }
    }
}

TEST(WholeRange, LunarYearsStartBetween21JanuaryAnd20FebruaryWithTwelveOrThirteenMonths) {
    const auto& days = sweep().days;
    int tets = 0, monthsThisYear = -1, leapsThisYear = 0;
    for (const DayInfo& d : days) {
        if (d.ngayAm != 1) continue;
        if (d.thangAm == 1 && !d.nhuan) {
            ++tets;
            const int dayOfYear = d.month == 1 ? d.day : 31 + d.day;
            EXPECT_TRUE(d.month <= 2 && dayOfYear >= 21 && dayOfYear <= 51)
                << "Tết on " << d.day << "/" << d.month << "/" << d.year;
            if (monthsThisYear >= 0) {
                EXPECT_TRUE(monthsThisYear == 12 || monthsThisYear == 13) << d.year - 1;
                EXPECT_EQ(leapsThisYear, monthsThisYear - 12) << d.year - 1;
            }
            monthsThisYear = 0;
            leapsThisYear = 0;
        }
        if (monthsThisYear >= 0) {
            ++monthsThisYear;
            leapsThisYear += d.nhuan;
        }
    }
    EXPECT_EQ(tets, 400);
}

TEST(WholeRange, PillarsChangeOnTheLocalDayOfTheirTerm) {
    const auto& days = sweep().days;
    for (size_t i = 1; i < days.size(); ++i) {
        const DayInfo& d = days[i];
        const DayInfo& p = days[i - 1];
        if (d.year == p.year) {
            ASSERT_EQ(d.canChiNamTiet != p.canChiNamTiet, d.yearPillarTermDay) << d.jd;
        }
        if (d.month == p.month) {
            ASSERT_EQ(d.canChiThangTiet != p.canChiThangTiet, d.monthPillarTermDay) << d.jd;
        } else {
            ASSERT_EQ(d.canChiThangTiet, p.canChiThangTiet) << d.jd; // terms fall after the 1st
        }
    }
}

} // namespace
