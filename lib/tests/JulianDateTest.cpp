// Julian dates, calendar dates of Julian dates, month lengths, rounding and time texts.
#include "VelmoraLib.h"
#include "lib/tests/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using velmora::test::text;

struct JdCase {
    int day, month, year;
    double hour, expected;
};

TEST(JulianDate, KnownDates) {
    const JdCase cases[] = {
        {1, 1, 2000, 12.0, 2451545.0},  {1, 1, 2000, 0.0, 2451544.5},
        {26, 1, 2009, 12.0, 2454858.0}, {4, 10, 1957, 19.44, 2436116.31},
        {1, 1, 1800, 12.0, 2378497.0},  {31, 12, 2199, 12.0, 2524593.0},
        {1, 3, 2100, 12.0, 2488129.0},  {29, 2, 2000, 12.0, 2451604.0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(JD(c.day, c.month, c.year, c.hour), c.expected, 1e-9)
            << c.day << "/" << c.month << "/" << c.year;
}

TEST(JulianDate, CalendarDateOfJulianDate) {
    struct Case {
        double jd, zone;
        int year, month, day, hour, minute, second;
    };
    const Case cases[] = {
        {2451545.0, 0.0, 2000, 1, 1, 12, 0, 0},
        {2451544.5, 0.0, 2000, 1, 1, 0, 0, 0},
        {2451544.5, 7.0, 2000, 1, 1, 7, 0, 0},
        {2451544.25, 7.0, 2000, 1, 1, 1, 0, 0}, // 18:00 UT the day before, +7
        {2454857.5 + 10.5 / 24, 0.0, 2009, 1, 26, 10, 30, 0},
        {2378496.5, 0.0, 1800, 1, 1, 0, 0, 0},
        {2524593.5 - 1.0 / 86400, 0.0, 2199, 12, 31, 23, 59, 59},
    };
    for (const auto& c : cases) {
        const SYSTEMTIME st = JD2ST(c.jd, c.zone);
        EXPECT_EQ(st.wYear, c.year) << c.jd;
        EXPECT_EQ(st.wMonth, c.month) << c.jd;
        EXPECT_EQ(st.wDay, c.day) << c.jd;
        EXPECT_EQ(st.wHour, c.hour) << c.jd;
        EXPECT_EQ(st.wMinute, c.minute) << c.jd;
        EXPECT_EQ(st.wSecond, c.second) << c.jd;
        EXPECT_EQ(st.wMilliseconds, 0);
    }
}

TEST(JulianDate, LastTwentiethOfASecondCarriesIntoTheNextDay) {
    // 31 December 2008, 23:59:59.97 rounds up to a whole hour 24.
    const SYSTEMTIME st = JD2ST(2454832.5 - 0.03 / 86400, 0.0);
    EXPECT_EQ(st.wYear, 2009);
    EXPECT_EQ(st.wMonth, 1);
    EXPECT_EQ(st.wDay, 1);
    EXPECT_EQ(st.wHour, 0);
    EXPECT_EQ(st.wMinute, 0);
    EXPECT_EQ(st.wSecond, 0);
}

TEST(JulianDate, RoundTripsEveryDayOfTheRange) {
    for (double jd = JD(1, 1, 1800, 12.0); jd <= JD(31, 12, 2199, 12.0); jd += 1.0) {
        const SYSTEMTIME st = JD2ST(jd - 0.5, 0.0);
        ASSERT_EQ(JD(st.wDay, st.wMonth, st.wYear, 12.0), jd);
        ASSERT_LE(st.wDay, SoNgayCuaThang(st.wMonth, st.wYear));
    }
}

TEST(JulianDate, DaysInMonth) {
    struct Case {
        int month, year, days;
    };
    const Case cases[] = {
        {1, 2009, 31}, {4, 2009, 30}, {2, 2000, 29},  {2, 1900, 28}, {2, 2100, 28},
        {2, 2024, 29}, {2, 2023, 28}, {12, 1800, 31}, {0, 2009, 30}, {13, 2009, 30},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SoNgayCuaThang(c.month, c.year), c.days) << c.month << "/" << c.year;
}

TEST(Rounding, HalvesAwayFromZero) {
    struct Case {
        double x;
        int digits;
        double expected;
    };
    const Case cases[] = {
        {2.5, 0, 3.0},  {-2.5, 0, -3.0}, {2.4, 0, 2.0},    {-2.4, 0, -2.0},
        {1.25, 1, 1.3}, {0.0, 0, 0.0},   {59.96, 0, 60.0}, {3599.96, 1, 3600.0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(RoundDouble(c.x, c.digits), c.expected) << c.x;
}

TEST(TimeText, ClockTimesAndNone) {
    struct Case {
        double hours;
        const char16_t* expected;
    };
    const Case cases[] = {
        {0.0, u"--:--"},  {24.0, u"--:--"},  {-1.0, u"--:--"},
        {25.0, u"--:--"}, {6.5, u"06:30"},   {17.75, u"17:45"},
        {0.01, u"00:01"}, {5.999, u"06:00"}, {12.0083, u"12:00"},
    };
    for (const auto& c : cases) {
        char16_t out[6];
        d2stime(c.hours, out);
        EXPECT_EQ(text(out), text(c.expected)) << c.hours;
    }
}

TEST(TimeText, NeverPrintsTwentyFourHundredNearMidnight) {
    for (double h : {23.992, 23.995, 23.9999}) {
        char16_t out[6];
        d2stime(h, out);
        EXPECT_EQ(text(out), text(u"23:59")) << h;
    }
}

} // namespace
