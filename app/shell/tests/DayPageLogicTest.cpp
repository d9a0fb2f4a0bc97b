// The day page's rules without a screen: layout, selection, the clock tick and the field lists.
#include "VelmoraDay.h"
#include "app/shell/DayPageLayout.h"
#include "app/shell/DayPageModel.h"
#include "app/shell/FieldChooser.h"
#include "app/shell/LunarMonthList.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace velmora::app;
using velmora::screen::Landscape;
using velmora::screen::Portrait;
using velmora::screen::Square;

SYSTEMTIME at(int year, int month, int day, int hour, int minute, int second = 0) {
    return velmora::systemTime(year, month, day, hour, minute, second);
}

CurrentDay dayAt(int year, int month, int day, int hour = 10, int minute = 30) {
    CurrentDay d;
    d.setToLocalTime(at(year, month, day, hour, minute));
    return d;
}

class ScreenAt96 : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(velmora::screen::select(QStringLiteral("qvga"))); }
};

TEST_F(ScreenAt96, TapsSelectTheFieldStrictlyInside) {
    struct Case {
        int x, y;
        velmora::screen::ScreenOrientation o;
        int field;
    };
    const Case cases[] = {
        {21, 11, Portrait, 0},   {20, 11, Portrait, -1}, // left edge of slot 4
        {115, 20, Portrait, -1}, {116, 20, Portrait, 1}, // the shared edge of slots 4 and 5
        {100, 100, Portrait, 2}, {50, 200, Portrait, 6},   {150, 255, Portrait, 11},
        {50, 255, Portrait, 8},  {230, 255, Portrait, -1}, {300, 30, Landscape, 6},
        {200, 150, Square, 11},  {5, 5, Portrait, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fieldAt(QPoint(c.x, c.y), c.o), c.field) << c.x << "," << c.y;
}

TEST(DayPageLayout, SlotsScaleWithTheDpi) {
    ASSERT_TRUE(velmora::screen::select(QStringLiteral("vga")));
    EXPECT_EQ(slotRect(6, Portrait), QRect(QPoint(130, 60), QPoint(347, 239)));
    EXPECT_EQ(slotUnits(16, Square).right, 0);
    ASSERT_TRUE(velmora::screen::select(QStringLiteral("qvga")));
    EXPECT_EQ(slotRect(6, Portrait), QRect(QPoint(65, 30), QPoint(173, 119)));
}

TEST(DayPageModel, CyclingTheSelection) {
    CurrentDay day = dayAt(2009, 1, 26);
    DayPageModel m(day);
    m.selectPrevious(); // from none to the empty position
    EXPECT_EQ(m.selectedField(), 12);
    EXPECT_FALSE(m.fieldSelected());
    m.selectPrevious();
    EXPECT_EQ(m.selectedField(), 11);
    m.selectNext();
    m.selectNext();
    EXPECT_EQ(m.selectedField(), 0);
    m.selectPrevious();
    EXPECT_EQ(m.selectedField(), 12);
    m.setSelectedField(-1);
    m.selectNext();
    EXPECT_EQ(m.selectedField(), 0);
}

TEST(DayPageModel, ClockTickRepaintsOnceAMinuteAndRollsOverAtMidnight) {
    CurrentDay day;
    DayPageModel m(day);
    m.initialise(at(2009, 1, 25, 23, 59, 10));
    const double sunRiseBefore = day.riseSet.sunRise;
    EXPECT_FALSE(m.tick(at(2009, 1, 25, 23, 59, 40))); // same minute
    EXPECT_TRUE(m.tick(at(2009, 1, 26, 0, 0, 1)));
    EXPECT_EQ(day.record.nNgay, 26);
    EXPECT_EQ(day.record.nNgayAm, 1); // lunar new year
    EXPECT_EQ(day.record.nThangAm, 1);
    EXPECT_EQ(day.record.nCanChiNam, 25);
    EXPECT_EQ(day.record.nCanChiNgay, 7);
    EXPECT_NE(day.riseSet.sunRise, sunRiseBefore);
    EXPECT_DOUBLE_EQ(day.riseSet.sunRise, riseSetAtHome(26, 1, 2009).sunRise);
    EXPECT_FALSE(m.tick(at(2009, 1, 26, 0, 0, 31)));
}

TEST(DayPageModel, AChoiceStopsFollowingTheClockAndTodayComesBack) {
    CurrentDay day;
    DayPageModel m(day);
    m.initialise(at(2010, 5, 15, 9, 0));
    m.setSelectedField(FieldSolarYear);
    m.applyChoice(-1); // an empty list changes nothing
    EXPECT_TRUE(day.followClock);
    m.applyChoice(99); // Năm 2059
    EXPECT_FALSE(day.followClock);
    EXPECT_EQ(day.record.nNam, 2059);
    EXPECT_EQ(day.record.nThang, 5);
    EXPECT_EQ(day.record.nNgay, 15);
    EXPECT_TRUE(m.tick(at(2010, 5, 15, 9, 5)));  // the mark set by the choice
    EXPECT_FALSE(m.tick(at(2010, 5, 15, 9, 6))); // the clock no longer moves the page
    EXPECT_EQ(day.record.nNam, 2059);
    m.goToToday(at(2010, 5, 15, 9, 6));
    EXPECT_EQ(day.record.nNam, 2010);
    EXPECT_EQ(m.selectedField(), -1);
    // Going back to today follows the clock again, rather than freezing the page at the moment
    // "Hôm nay" was pressed.
    EXPECT_TRUE(day.followClock);
    EXPECT_TRUE(m.tick(at(2010, 5, 15, 9, 7)));
    EXPECT_EQ(day.record.nPhut, 7);
}

TEST(FieldChooser, EntriesAndInitialEntries) {
    const CurrentDay day = dayAt(2010, 2, 14); // lunar new year of Canh Dần, a Sunday
    struct Case {
        int field, count, initial;
        const char* first;
        const char* atInitial;
    };
    const Case cases[] = {
        {FieldSolarMonth, 12, 1, "Tháng 1", "Tháng 2"},
        {FieldSolarYear, 100, 50, "Năm 1960", "Năm 2010"},
        {FieldSolarDay, 28, 13, "1 - Thứ hai", "14 - Chủ nhật"},
        {FieldMinorTerm, 12, 1, "Tiểu hàn:  ", "Lập xuân:  "},
        {FieldMajorTerm, 12, 1, "Đại hàn: ", "Vũ thủy: "},
        {FieldLunarMonth, 12, 0, "Tháng 1 (đ)", "Tháng 1 (đ)"},
        {FieldLunarDay, 30, 0, "1 - Ất Mùi", "1 - Ất Mùi"},
        {FieldYearPillar, 60, 30, "Canh Thân (1980)", "Canh Dần (2010)"},
        {FieldHourPillar, 12, 5, "Giờ Bính Tý", "Giờ Tân Tị"},
        {FieldClockTime, 12, 5, "Giờ Bính Tý", "Giờ Tân Tị"},
        {FieldTitle, 0, -1, nullptr, nullptr},
        {FieldDayOfficer, 0, -1, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const ChooserList list = chooserList(c.field, day.record);
        EXPECT_EQ(list.entries.size(), c.count) << c.field;
        EXPECT_EQ(list.initial, c.initial) << c.field;
        if (c.first) {
            EXPECT_TRUE(list.entries.first().startsWith(QString::fromUtf8(c.first)))
                << c.field << " " << list.entries.first().toStdString();
            EXPECT_TRUE(list.entries.at(c.initial).startsWith(QString::fromUtf8(c.atInitial)))
                << c.field << " " << list.entries.at(c.initial).toStdString();
        }
    }
}

TEST(FieldChooser, LunarMonthsOfALeapYear) {
    const CurrentDay day = dayAt(2009, 8, 1);
    const ChooserList list = chooserList(FieldLunarMonth, day.record);
    ASSERT_EQ(list.entries.size(), 13);
    EXPECT_EQ(list.entries.at(4), QStringLiteral("Tháng 5 (đ)"));
    EXPECT_EQ(list.entries.at(5), QStringLiteral("Tháng 5 n (t)"));
    EXPECT_EQ(list.entries.at(list.initial), QStringLiteral("Tháng 6 (t)"));
}

// In the table of 2034 a leap month 11 comes before month 12 and month 1, so the list
// starts at the table's month 1, not at its third entry.
TEST(FieldChooser, LunarMonthsAfterALeapMonthEleven) {
    const CurrentDay day = dayAt(2034, 3, 1);
    const ChooserList list = chooserList(FieldLunarMonth, day.record);
    ASSERT_EQ(list.entries.size(), 12);
    EXPECT_TRUE(list.entries.first().startsWith(QStringLiteral("Tháng 1 ")));
    EXPECT_TRUE(list.entries.last().startsWith(QStringLiteral("Tháng 12 ")));
    EXPECT_EQ(lunarYearMonths(day.record).first, 3);
    // January 2034 reads the 2033 table: its list runs to month 12 of 2033, past the leap 11.
    const CurrentDay january = dayAt(2034, 1, 25);
    const ChooserList late = chooserList(FieldLunarMonth, january.record);
    ASSERT_EQ(late.entries.size(), 13);
    EXPECT_EQ(late.entries.at(late.initial), QStringLiteral("Tháng 12 (đ)"));
    EXPECT_EQ(late.entries.at(late.initial - 1), QStringLiteral("Tháng 11 n (t)"));
}

TEST(FieldChooser, EveryFieldApplied) {
    struct Case {
        int field, n;
        int year, month, day, hour;
    };
    // From 26 January 2009, 10:30 (lunar 1/1 Kỷ Sửu).
    const Case cases[] = {
        {FieldSolarMonth, 1, 2009, 2, 26, 10},  {FieldSolarYear, 51, 2010, 1, 26, 10},
        {FieldSolarDay, 0, 2009, 1, 1, 10},     {FieldMinorTerm, 2, 2009, 3, 5, 10},
        {FieldMajorTerm, 11, 2009, 12, 22, 10}, {FieldLunarMonth, 5, 2009, 6, 23, 10},
        {FieldLunarDay, 14, 2009, 2, 9, 10},    {FieldYearPillar, 29, 2008, 2, 7, 10},
        {FieldHourPillar, 11, 2009, 1, 26, 22}, {FieldClockTime, 0, 2009, 1, 26, 0},
    };
    for (const auto& c : cases) {
        CurrentDay d = dayAt(2009, 1, 26);
        ASSERT_TRUE(applyFieldChoice(c.field, c.n, d.record)) << c.field;
        EXPECT_EQ(d.record.nNam, c.year) << c.field;
        EXPECT_EQ(d.record.nThang, c.month) << c.field;
        EXPECT_EQ(d.record.nNgay, c.day) << c.field;
        EXPECT_EQ(d.record.nGio, c.hour) << c.field;
        const CurrentDay fresh = dayAt(c.year, c.month, c.day, c.hour, 30);
        EXPECT_EQ(d.record.nNgayAm, fresh.record.nNgayAm) << c.field;
        EXPECT_EQ(d.record.nCanChiGio, fresh.record.nCanChiGio) << c.field;
    }
    CurrentDay d = dayAt(2009, 1, 26);
    EXPECT_FALSE(applyFieldChoice(FieldTitle, 0, d.record));
    EXPECT_FALSE(applyFieldChoice(FieldDayOfficer, 0, d.record));
    EXPECT_FALSE(applyFieldChoice(FieldSolarMonth, -1, d.record));
}

// Choosing the minor term of March moves the page to the term's own date, also when the
// term falls before local noon (its local Julian date then truncates to the day before).
TEST(FieldChooser, ChoosingATermMovesToItsLocalDay) {
    int morningTerms = 0;
    for (int year = 2000; year < 2030; ++year) {
        CurrentDay d = dayAt(year, 1, 10);
        const double term = d.record.dTietKhi[3];
        const int termDay = velmora::localDayNumber(term);
        morningTerms += term < termDay; // before local noon
        ASSERT_TRUE(applyFieldChoice(FieldMinorTerm, 2, d.record));
        EXPECT_EQ(d.record.nJD, termDay) << year;
        EXPECT_EQ(d.record.nThang, 3) << year;
    }
    EXPECT_GT(morningTerms, 3);
}

} // namespace

namespace {

// Before Tết the lunar-year list named the solar year and a pick moved to a day of another lunar
// year. 20 January 2009 is lunar 25/12 of Mậu Tý (2008).
TEST(FieldChooser, LunarYearListBeforeTetFollowsTheLunarYear) {
    const CurrentDay day = dayAt(2009, 1, 20);
    ASSERT_EQ(day.record.nNgayAm, 25);
    const ChooserList list = chooserList(FieldYearPillar, day.record);
    EXPECT_EQ(list.entries.value(list.initial), QStringLiteral("Mậu Tý (2008)"));
    for (int picked : {1979, 2007, 2009, 2037}) {
        CurrentDay d = day;
        ASSERT_TRUE(applyFieldChoice(FieldYearPillar, picked - 1978, d.record));
        EXPECT_EQ(velmora::lunarYearOf(d.record), picked);
        // The same lunar date, as a fresh conversion of the solar day it landed on confirms.
        const LICHVELMORA fresh =
            velmora::freshDay(d.record.nNgay, d.record.nThang, d.record.nNam, 10, 30);
        EXPECT_EQ(fresh.nNgayAm, 25) << picked;
        EXPECT_EQ(fresh.nThangAm, 12) << picked;
        EXPECT_EQ(fresh.nCanChiNam, velmora::yearCanChiIndex(picked)) << picked;
    }
}

// A leap month moves to the ordinary month of a year without that leap month; day 30 of a month
// that has 29 days elsewhere moves to day 29.
TEST(FieldChooser, LunarYearPickFromALeapMonth) {
    const CurrentDay leap = dayAt(2009, 7, 20); // lunar 28/5 nhuận Kỷ Sửu
    ASSERT_EQ(int(leap.record.bNhuan), 1);
    LICHVELMORA moved = leap.record;
    moveToLunarYear(moved, 2010);
    EXPECT_EQ(velmora::lunarYearOf(moved), 2010);
    EXPECT_EQ(moved.nThangAm, 5);
    EXPECT_EQ(int(moved.bNhuan), 0);
    EXPECT_EQ(moved.nNgayAm, 28);
}

// The year lists moved 50 years per pick without limit, down to years the page could not paint.
TEST(FieldChooser, YearListsStayWithinTheSupportedYears) {
    const struct {
        int field, year;
        const char *first, *last;
        int initial;
    } cases[] = {
        {FieldSolarYear, 2180, "Năm 2130", "Năm 2199", 50},
        {FieldSolarYear, 1810, "Năm 1800", "Năm 1859", 10},
        {FieldYearPillar, 2190, "Canh Thân (2160)", "Kỷ Hợi (2199)", 30},
        {FieldYearPillar, 1805, "Canh Thân (1800)", "Giáp Ngọ (1834)", 5},
    };
    for (const auto& c : cases) {
        const CurrentDay day = dayAt(c.year, 7, 1);
        const ChooserList list = chooserList(c.field, day.record);
        EXPECT_EQ(list.entries.first(), QString::fromUtf8(c.first)) << c.year;
        EXPECT_EQ(list.entries.last(), QString::fromUtf8(c.last)) << c.year;
        EXPECT_EQ(list.initial, c.initial) << c.year;
        CurrentDay d = day;
        ASSERT_TRUE(applyFieldChoice(c.field, int(list.entries.size()) - 1, d.record));
        EXPECT_TRUE(velmora::isSupportedYear(d.record.nNam)) << c.year;
    }
}

// Every pick of the lunar month list at the end of the range stays within it: a month that begins
// in 2200 lands on the last supported day.
TEST(DayPageModel, PicksNeverLeaveTheSupportedYears) {
    CurrentDay base;
    DayPageModel probe(base);
    probe.initialise(at(2199, 12, 20, 9, 0));
    const int months = int(chooserList(FieldLunarMonth, base.record).entries.size());
    for (int n = 0; n < months; ++n) {
        CurrentDay day;
        DayPageModel m(day);
        m.initialise(at(2199, 12, 20, 9, 0));
        m.setSelectedField(FieldLunarMonth);
        m.applyChoice(n);
        EXPECT_TRUE(velmora::isSupportedYear(day.record.nNam)) << n;
        const LICHVELMORA fresh =
            velmora::freshDay(day.record.nNgay, day.record.nThang, day.record.nNam, 9);
        EXPECT_EQ(day.record.nNgayAm, fresh.nNgayAm) << n;
    }
}

TEST(DayPageModel, AClockOutsideTheRangeShowsTheNearestDay) {
    const struct {
        SYSTEMTIME clock;
        int year, month, day;
    } cases[] = {{at(2300, 6, 1, 8, 15), 2199, 12, 31}, {at(1750, 6, 1, 8, 15), 1800, 1, 1}};
    for (const auto& c : cases) {
        CurrentDay day;
        DayPageModel m(day);
        m.initialise(c.clock);
        EXPECT_EQ(day.record.nNam, c.year);
        EXPECT_EQ(day.record.nThang, c.month);
        EXPECT_EQ(day.record.nNgay, c.day);
        EXPECT_EQ(day.record.nGio, 8);
        // Followed there like any clock: a tick in the same minute changes nothing.
        SYSTEMTIME later = c.clock;
        later.wSecond = 30;
        EXPECT_FALSE(m.tick(later));
    }
}

} // namespace
