// Sun and moon places for an instant, and rise and set times for a local date.
#include "VelmoraDay.h"
#include "VelmoraLib.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kLat = 21.3, kLon = 105.85;
constexpr int kZone = 7;

SYSTEMTIME localTime(int year, int month, int day, int hour, int minute = 0) {
    return velmora::systemTime(year, month, day, hour, minute);
}

TEST(SunMoonData, DistancesAndDiameterThroughTheYear) {
    struct Case {
        int month;
        double sunDistance;
    };
    for (const Case c : {Case{1, 0.983}, Case{7, 1.017}}) {
        SUNMOONEARTH s{};
        GetSunMoonData(localTime(2009, c.month, 4, 12), kLat, kLon, kZone, &s);
        EXPECT_NEAR(s.dSunDist, c.sunDistance, 0.001) << c.month;
        EXPECT_NEAR(s.dSunDiam, 0.533, 0.01) << c.month;
        EXPECT_GT(s.dMoonDist, 356000.0);
        EXPECT_LT(s.dMoonDist, 407000.0);
        EXPECT_EQ(s.dZero, 0.0);
    }
}

TEST(SunMoonData, LocalTimeBeforeTheZoneOffsetFallsOnThePreviousUtDay) {
    SUNMOONEARTH s{};
    GetSunMoonData(localTime(2009, 1, 26, 3, 30), kLat, kLon, kZone, &s);
    EXPECT_DOUBLE_EQ(s.dUT, -3.5);
    EXPECT_DOUBLE_EQ(s.dJD, JD(25, 1, 2009, 20.5));
    EXPECT_LT(s.dSunAlt, -30.0); // before dawn
}

TEST(SunMoonData, NoonAtHanoi) {
    SUNMOONEARTH s{};
    s.dTime1 = 6.0;
    s.dTime2 = 18.0;
    s.dReserved1 = 42.0;
    GetSunMoonData(localTime(2009, 6, 21, 12), kLat, kLon, kZone, &s);
    EXPECT_NEAR(s.dSunDec, 23.44, 0.02); // solstice
    EXPECT_NEAR(s.dSunLon, 90.0, 0.3);
    EXPECT_GT(s.dSunAlt, 85.0);              // nearly overhead at 21° N
    EXPECT_NEAR(s.dSunTransit, 11.95, 0.05); // 105.85° E in zone +7, small equation of time
    EXPECT_DOUBLE_EQ(s.dTimeMid, 12.0);
    EXPECT_EQ(s.dReserved1, 42.0); // never written
    for (double angle :
         {s.dSunRA, s.dSunLon, s.dSunAz, s.dSunLHA, s.dMoonRA, s.dMoonLon, s.dMoonAz, s.dMoonGHA}) {
        EXPECT_GE(angle, 0.0);
        EXPECT_LE(angle, 360.0);
    }
}

TEST(RiseSet, SunAlwaysRisesAndSetsAtHanoi) {
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= SoNgayCuaThang(month, 2024); ++day) {
            double rise, set;
            GetRiseSet(day, month, 2024, kLat, kLon, kZone, 1, &rise, &set);
            EXPECT_GT(rise, 5.0) << day << "/" << month;
            EXPECT_LT(rise, 7.0) << day << "/" << month;
            EXPECT_GT(set, 17.0) << day << "/" << month;
            EXPECT_LT(set, 19.0) << day << "/" << month;
        }
    }
}

TEST(RiseSet, PolarNightAndDayGiveNoEvent) {
    double rise, set;
    GetRiseSet(21, 12, 2024, 80.0, 15.0, 1, 1, &rise, &set);
    EXPECT_EQ(rise, -1.0);
    EXPECT_EQ(set, -1.0);
    GetRiseSet(21, 6, 2024, 80.0, 15.0, 1, 1, &rise, &set);
    EXPECT_EQ(rise, -1.0);
    EXPECT_EQ(set, -1.0);
}

TEST(RiseSet, AnyBodyButOneIsTheMoon) {
    double r2, s2, r3, s3, r1, s1;
    GetRiseSet(15, 3, 2024, kLat, kLon, kZone, 2, &r2, &s2);
    GetRiseSet(15, 3, 2024, kLat, kLon, kZone, 0, &r3, &s3);
    GetRiseSet(15, 3, 2024, kLat, kLon, kZone, 1, &r1, &s1);
    EXPECT_EQ(r2, r3);
    EXPECT_EQ(s2, s3);
    EXPECT_NE(r2, r1);
}

// The Moon rises about 50 minutes later each day, so about once a month a local
// date has no moonrise (and once no moonset); such days must report none, not the
// previous evening's event.
TEST(RiseSet, MoonMissesAboutOneRiseAndOneSetAMonth) {
    int noRise = 0, noSet = 0;
    double previousRise = -1.0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= SoNgayCuaThang(month, 2025); ++day) {
            double rise, set;
            GetRiseSet(day, month, 2025, kLat, kLon, kZone, 2, &rise, &set);
            for (double t : {rise, set}) EXPECT_TRUE(t == -1.0 || (t >= 0.0 && t < 24.0)) << t;
            noRise += rise == -1.0;
            noSet += set == -1.0;
            // Yesterday's late rise is never reported again today.
            if (previousRise >= 23.0 && rise >= 0.0) {
                EXPECT_GT(std::fabs(rise - previousRise), 0.1) << day << "/" << month;
            }
            previousRise = rise;
        }
    }
    EXPECT_GE(noRise, 11);
    EXPECT_LE(noRise, 14);
    EXPECT_GE(noSet, 11);
    EXPECT_LE(noSet, 14);
}

TEST(RiseSet, LateEveningMoonriseIsNotHiddenByYesterdays) {
    // After a moonrise in the last hour of a day, the next day reports its own rise
    // (about an hour later, or none at all), never the previous evening's again.
    int lateRises = 0, followedByNone = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day < SoNgayCuaThang(month, 2025); ++day) {
            double rise, set, nextRise, nextSet;
            GetRiseSet(day, month, 2025, kLat, kLon, kZone, 2, &rise, &set);
            if (rise < 23.0) continue;
            ++lateRises;
            GetRiseSet(day + 1, month, 2025, kLat, kLon, kZone, 2, &nextRise, &nextSet);
            if (nextRise == -1.0)
                ++followedByNone;
            else
                EXPECT_GT(nextRise, rise + 0.2) << day + 1 << "/" << month;
        }
    }
    EXPECT_GT(lateRises, 3);
    EXPECT_GT(followedByNone, 3);
}

} // namespace
