// The biorhythm chart's rules without a screen: the strip's phases, the date labels against the
// calendar, the chart's days, the curves' start, the geometry, the cycles' flag bytes, and the
// settings record's bytes.
#include "app/tools/BiorhythmChart.h"
#include "app/res/CommandIds.h"
#include "app/tools/BiorhythmOptionsDialog.h"

#include <gtest/gtest.h>

using namespace velmora::app;
namespace screen = velmora::screen;

namespace {

constexpr COLORREF kDarkGreen = 0x006600, kGreen = 0x00FF00, kYellow = 0x00FFFF, kOrange = 0x0099FF,
                   kRed = 0x0000FF, kGreyGreen = 0x339933;

// A = 28 with the last period on the span's start, as the phases are published: days 0-3 dark
// green, 4-6 green, 7-11 and 17-20 yellow, 12 and 16 orange, 13-15 red, 21-27 grey-green.
TEST(BiorhythmStrip, PhasesOfA28DayCycle) {
    const COLORREF want[28] = {
        kDarkGreen, kDarkGreen, kDarkGreen, kDarkGreen, kGreen,     kGreen,     kGreen,
        kYellow,    kYellow,    kYellow,    kYellow,    kYellow,    kOrange,    kRed,
        kRed,       kRed,       kOrange,    kYellow,    kYellow,    kYellow,    kYellow,
        kGreyGreen, kGreyGreen, kGreyGreen, kGreyGreen, kGreyGreen, kGreyGreen, kGreyGreen};
    const QDate start(2025, 3, 1);
    for (int i = 0; i < 40; ++i) {
        const int k = cycleDay(i, start, start, 28);
        EXPECT_EQ(k, i % 28);
        EXPECT_EQ(stripColour(k, 28), want[i % 28]) << "day " << i;
    }
}

TEST(BiorhythmStrip, ALastPeriodBeforeTheSpanShiftsThePhases) {
    // Ten days before the span: the span begins on day 10 of the cycle.
    EXPECT_EQ(cycleDay(0, QDate(2025, 2, 19), QDate(2025, 3, 1), 28), 10);
    // Two cycles after it: the same phase.
    EXPECT_EQ(cycleDay(5, QDate(2025, 4, 26), QDate(2025, 3, 1), 28), 5);
}

TEST(BiorhythmStrip, ShownOnlyWhenFlaggedAndLongerThan20Days) {
    BiorhythmSettings s{};
    s.showStrip = 1;
    s.averageLength = 21;
    EXPECT_FALSE(stripShown(s));                           // no last period yet (all zero)
    s.lastPeriod = SYSTEMTIME{2025, 2, 0, 30, 0, 0, 0, 0}; // a damaged file's 30 February
    EXPECT_FALSE(stripShown(s));
    s.lastPeriod = SYSTEMTIME{2025, 2, 0, 20, 0, 0, 0, 0};
    s.averageLength = 20;
    EXPECT_FALSE(stripShown(s));
    s.averageLength = 21;
    EXPECT_TRUE(stripShown(s));
    s.averageLength = 0x80000000u; // from a damaged file: never divided by
    EXPECT_FALSE(stripShown(s));
    s.averageLength = 366;
    EXPECT_TRUE(stripShown(s));
    s.showStrip = 0;
    EXPECT_FALSE(stripShown(s));
}

TEST(BiorhythmLabels, TheSpanStartingOn25JanuaryOfACommonYear) {
    EXPECT_EQ(dateLabels(QDate(2025, 1, 25)),
              (std::vector<QString>{"25/1", "4/2", "14/2", "24/2", "6/3"}));
}

// Every start day of a leap and a common year against the calendar's own arithmetic.
TEST(BiorhythmLabels, CarryIntoTheNextMonthAndYear) {
    for (QDate d(2023, 12, 1); d <= QDate(2025, 12, 31); d = d.addDays(1)) {
        const std::vector<QString> labels = dateLabels(d);
        ASSERT_EQ(labels.size(), 5u);
        for (int n = 0; n < 5; ++n) {
            const QDate at = d.addDays(10 * n);
            ASSERT_EQ(labels[n], QStringLiteral("%1/%2").arg(at.day()).arg(at.month()))
                << d.toString().toStdString();
        }
    }
}

TEST(BiorhythmDays, BirthOnTheSpanStartStartsEveryCurveOnTheZeroLineRising) {
    const ChartDays days = chartDays(QDate(1990, 4, 2), QDate(1990, 4, 2), QDate(1990, 4, 2));
    EXPECT_EQ(days.sinceBirth, 0);
    EXPECT_EQ(days.viewOffset, 0);
    const ChartGeometry g = chartGeometry(screen::Portrait);
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(legendText(c, 0, 0),
                  QString::fromUtf16(velmora::biorhythm::kCycles[c].name) + ": 0");
        const std::vector<QPoint> curve = curvePoints(g, 0, velmora::biorhythm::kCycles[c].period);
        ASSERT_EQ(curve.size(), 201u);
        EXPECT_EQ(curve[0], QPoint(g.left, g.zero));
        EXPECT_LT(curve[20].y(), g.zero); // up the screen
        EXPECT_EQ(curve.back().x(), g.left + 199);
    }
}

TEST(BiorhythmDays, AViewDayOutsideTheSpanMovesToItsStart) {
    const QDate start(2025, 3, 1);
    EXPECT_FALSE(chartDays(QDate(1990, 1, 1), start, start.addDays(40)).viewReset);
    EXPECT_EQ(chartDays(QDate(1990, 1, 1), start, start.addDays(40)).viewOffset, 40);
    for (int offset : {41, -1, 400}) {
        const ChartDays days = chartDays(QDate(1990, 1, 1), start, start.addDays(offset));
        EXPECT_TRUE(days.viewReset);
        EXPECT_EQ(days.viewOffset, 0);
    }
    // 1990-01-01 to 2025-03-01: 12 843 days, worked by hand (35 years of 365 days, 9 leap days,
    // and the 59 days of January and February).
    EXPECT_EQ(chartDays(QDate(1990, 1, 1), start, start).sinceBirth, 35 * 365 + 9 + 59);
}

// The legend's second line lies 35 to 50 units under the axis (170 on an upright screen); its
// last box ends at 48 days.
TEST(BiorhythmGeometry, TheLegendsLastBox) {
    EXPECT_EQ(legendBox(chartGeometry(screen::Portrait), 5),
              QRect(QPoint(160, 205), QPoint(239, 219)));
}

TEST(BiorhythmCycles, FlagBytesAndCommands) {
    BiorhythmSettings s{};
    toggleCycle(s, 4); // "Tâm linh" keeps its flag in byte 5
    EXPECT_EQ(s.show[5], 1);
    EXPECT_TRUE(cycleShown(s, 4));
    EXPECT_FALSE(cycleShown(s, 5));
    toggleCycle(s, 5); // "Thẩm mỹ", byte 4
    EXPECT_EQ(s.show[4], 1);
    toggleCycle(s, 4);
    EXPECT_EQ(s.show[5], 0);
    EXPECT_EQ(cycleOfCommand(CmdBiorhythmSpiritual), 4);
    EXPECT_EQ(cycleOfCommand(CmdBiorhythmAesthetic), 5);
    EXPECT_EQ(cycleOfCommand(CmdBiorhythmOptions), -1);
}

TEST(BiorhythmSettingsRecord, BytesByHandAndAShortFileOverlaysItsStart) {
    unsigned char bytes[72] = {};
    bytes[0] = 1, bytes[2] = 1, bytes[6] = 1, bytes[7] = 9, bytes[30] = 0x5A;
    bytes[52] = 28;                  // average length 28
    bytes[56] = 0xE9, bytes[57] = 7; // 2025
    bytes[58] = 3;                   // March
    bytes[62] = 1;                   // the 1st
    BiorhythmSettings s{};
    overlaySettings(s, std::string_view(reinterpret_cast<const char*>(bytes), 72));
    EXPECT_TRUE(cycleShown(s, 0));
    EXPECT_FALSE(cycleShown(s, 1));
    EXPECT_TRUE(cycleShown(s, 2));
    EXPECT_EQ(s.showStrip, 1);
    EXPECT_EQ(s.averageLength, 28u);
    EXPECT_EQ(s.lastPeriod.wYear, 2025);
    EXPECT_EQ(s.lastPeriod.wMonth, 3);
    EXPECT_EQ(s.lastPeriod.wDay, 1);
    const auto back = encodeSettings(s);
    EXPECT_TRUE(std::equal(back.begin(), back.end(), bytes)); // reserved bytes written back
    // Three bytes change three bytes.
    overlaySettings(s, std::string_view("\0\1\0", 3));
    EXPECT_FALSE(cycleShown(s, 0));
    EXPECT_TRUE(cycleShown(s, 1));
    EXPECT_EQ(s.showStrip, 1);
    EXPECT_EQ(s.averageLength, 28u);
}

TEST(BiorhythmOptions, TheAverageIsReadAsAnUnsignedNumber) {
    EXPECT_EQ(averageLengthOf("28"), 28u);
    EXPECT_EQ(averageLengthOf(" 30 "), 30u);
    EXPECT_EQ(averageLengthOf(""), 0u);
    EXPECT_EQ(averageLengthOf("ba mươi"), 0u);
    EXPECT_EQ(averageLengthOf("-28"), 0u);
    EXPECT_EQ(averageLengthOf("99999999999"), 0u);
}

} // namespace
