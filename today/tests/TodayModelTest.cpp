// Tests of the item's rules without a window: layout, hit test, strokes and their threshold,
// weather cities, months, picking a day, the clock's return to today, keys.
#include "today/TodayItemModel.h"
#include "today/WeatherUpdate.h"

#include "VelmoraDay.h"

#include <QDateTime>
#include <gtest/gtest.h>

using namespace velmora::today;
using velmora::freshDay;
using velmora::systemTime;

namespace {

TodayItemState stateAt(const SYSTEMTIME& now, int dpi = 96, bool landscape = false) {
    TodayItemState s;
    s.settings = defaultTodaySettings();
    s.units = Units{dpi, dpi};
    s.landscape = landscape;
    showToday(s, now);
    layoutItem(s);
    return s;
}

const SYSTEMTIME kNewYearsEve = systemTime(2025, 12, 31, 9, 41);

struct LayoutCase {
    const char* label;
    int dpi;
    bool landscape;
    int rightCode;
    QRect panel0, panel1, day, month, year;
};

[[maybe_unused]] void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.label;
}

class Layout : public testing::TestWithParam<LayoutCase> {};

TEST_P(Layout, PlacesThePanelsAndButtons) {
    const LayoutCase& c = GetParam();
    const ItemLayout l =
        LayoutTodayItem({1, c.rightCode, 1, 1, 1}, Units{c.dpi, c.dpi}, c.landscape);
    EXPECT_EQ(l[Panel0], c.panel0);
    EXPECT_EQ(l[Panel1], c.panel1);
    EXPECT_EQ(l[DayButton], c.day);
    EXPECT_EQ(l[MonthButton], c.month);
    EXPECT_EQ(l[YearButton], c.year);
}

// Hand-worked: at 192 dpi every unit is two pixels.
INSTANTIATE_TEST_SUITE_P(Pages, Layout,
                         testing::Values(LayoutCase{"TwoPanelsUpright",
                                                    96,
                                                    false,
                                                    3,
                                                    {0, 0, 120, 78},
                                                    {120, 0, 120, 78},
                                                    {0, 78, 80, 26},
                                                    {80, 78, 80, 26},
                                                    {160, 78, 80, 26}},
                                         LayoutCase{"OnePanelUpright",
                                                    96,
                                                    false,
                                                    0,
                                                    {0, 0, 240, 78},
                                                    {},
                                                    {0, 78, 80, 26},
                                                    {80, 78, 80, 26},
                                                    {160, 78, 80, 26}},
                                         LayoutCase{"TwoPanelsLandscape",
                                                    192,
                                                    true,
                                                    3,
                                                    {0, 0, 240, 156},
                                                    {400, 0, 240, 156},
                                                    {240, 0, 160, 52},
                                                    {240, 52, 160, 52},
                                                    {240, 104, 160, 52}},
                                         LayoutCase{"OnePanelLandscape",
                                                    192,
                                                    true,
                                                    0,
                                                    {0, 0, 480, 156},
                                                    {},
                                                    {480, 0, 160, 52},
                                                    {480, 52, 160, 52},
                                                    {480, 104, 160, 52}}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(Height, Is78InLandscapeAnd104Upright) {
    EXPECT_EQ(itemHeight(Units{96, 96}, true), 78);
    EXPECT_EQ(itemHeight(Units{96, 96}, false), 104);
    EXPECT_EQ(itemHeight(Units{192, 192}, false), 208);
}

TEST(AreaAt, RightHalfActsOnAFullWidthPanelAndBordersDoNot) {
    const ItemLayout full = LayoutTodayItem({1, 0, 1, 1, 1}, Units{}, false);
    EXPECT_EQ(areaAt(full, {200, 40}), Panel0);
    EXPECT_EQ(areaAt(full, {0, 40}), -1);   // the left border
    EXPECT_EQ(areaAt(full, {239, 40}), -1); // the right border
    EXPECT_EQ(areaAt(full, {100, 90}), MonthButton);
    EXPECT_EQ(areaAt(full, {200, 90}), -1); // the year button is not tested
    const ItemLayout halves = LayoutTodayItem({1, 3, 1, 1, 1}, Units{}, false);
    EXPECT_EQ(areaAt(halves, {200, 40}), Panel1);
}

struct StrokeCase {
    const char* label;
    QPoint down, up;
    int page;     // after the stroke, from page 0
    int shownDay; // the shown day after it
    int shownMonth;
};

[[maybe_unused]] void PrintTo(const StrokeCase& c, std::ostream* os) {
    *os << c.label;
}

class Stroke : public testing::TestWithParam<StrokeCase> {};

// Page 0 is the month calendar on the whole width; 31 Dec 2025 is a Wednesday and 1 Dec a Monday,
// so the grid starts on the 1st: cell (row 2, column 3) is Thursday 18 December.
TEST_P(Stroke, MovesPagesOnlyBeyond26Units) {
    const StrokeCase& c = GetParam();
    TodayItemState s = stateAt(kNewYearsEve);
    stroke(s, c.down, c.up);
    EXPECT_EQ(s.page, c.page);
    EXPECT_EQ(s.shown.nNgay, c.shownDay);
    EXPECT_EQ(s.shown.nThang, c.shownMonth);
}

INSTANTIATE_TEST_SUITE_P(
    Strokes, Stroke,
    testing::Values(StrokeCase{"RightExactly26IsATap", {114, 32}, {140, 32}, 0, 18, 12},
                    StrokeCase{"Right27IsThePreviousPage", {114, 32}, {141, 32}, 3, 31, 12},
                    StrokeCase{"Left27IsTheNextPage", {141, 32}, {114, 32}, 1, 31, 12},
                    StrokeCase{"Down27IsThePreviousMonth", {114, 32}, {114, 59}, 0, 30, 11},
                    StrokeCase{"Down26IsATap", {114, 32}, {114, 58}, 0, 18, 12},
                    StrokeCase{"Up27IsTheNextMonth", {114, 59}, {114, 32}, 0, 31, 1},
                    StrokeCase{"TapOnTheRightEdgePicksSunday", {237, 32}, {237, 32}, 0, 21, 12},
                    StrokeCase{"TapBelowTheGridPicksTheLastRow", {60, 76}, {60, 76}, 0, 6, 1}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Months, ThirtyFirstOfMayGoesToTheThirtiethOfJune) {
    LICHVELMORA d = freshDay(31, 5, 2025);
    nextMonth(d);
    EXPECT_EQ(d.nNgay, 30);
    EXPECT_EQ(d.nThang, 6);
    // A month's conversion is whole: June 30 2025 is a Monday (Julian day 2460857).
    EXPECT_EQ(d.nJD, 2460857);
    EXPECT_EQ(d.nThu, 0);
    LICHVELMORA j = freshDay(15, 1, 2026);
    previousMonth(j);
    EXPECT_EQ(j.nThang, 12);
    EXPECT_EQ(j.nNam, 2025);
}

TEST(WeatherSwipes, WrapThroughTwoCheckedCities) {
    TodayItemState s = stateAt(kNewYearsEve);
    s.page = 1; // weather and digital clock
    s.settings.cityCount = 2;
    layoutItem(s);
    EXPECT_EQ(stroke(s, {60, 10}, {60, 40}), StrokeEffect::ReloadWeather); // down: previous
    EXPECT_EQ(s.settings.currentCity, 1);
    EXPECT_EQ(stroke(s, {60, 40}, {60, 10}), StrokeEffect::ReloadWeather); // up: next
    EXPECT_EQ(s.settings.currentCity, 0);
    EXPECT_EQ(stroke(s, {60, 40}, {60, 40}), StrokeEffect::WeatherPopup);
    EXPECT_EQ(stroke(s, {180, 40}, {180, 40}), StrokeEffect::StartClock); // the digital clock
}

TEST(PersonalSwipes, CycleThroughThreeSubPages) {
    TodayItemState s = stateAt(kNewYearsEve);
    s.page = 2;
    layoutItem(s);
    stroke(s, {60, 10}, {60, 40});
    EXPECT_EQ(s.subPage, 2);
    stroke(s, {60, 40}, {60, 10});
    EXPECT_EQ(s.subPage, 0);
    EXPECT_EQ(stroke(s, {60, 40}, {60, 40}), StrokeEffect::None);
}

SYSTEMTIME secondsLater(const SYSTEMTIME& t, int seconds) {
    const QDateTime d(QDate(t.wYear, t.wMonth, t.wDay), QTime(t.wHour, t.wMinute, t.wSecond),
                      Qt::UTC);
    const QDateTime later = d.addSecs(seconds);
    return systemTime(later.date().year(), later.date().month(), later.date().day(),
                      later.time().hour(), later.time().minute(), later.time().second());
}

TEST(Clock, BrowsedMonthReturnsToTodaySixtySecondsAfterTheLastBrowse) {
    TodayItemState s = stateAt(kNewYearsEve);
    stroke(s, {114, 59}, {114, 32}); // next month
    ASSERT_EQ(s.shown.nThang, 1);
    for (int second = 1; second < 60; ++second) {
        EXPECT_TRUE(tick(s, secondsLater(kNewYearsEve, second)));
        ASSERT_EQ(s.shown.nThang, 1) << second;
    }
    EXPECT_TRUE(tick(s, secondsLater(kNewYearsEve, 60)));
    EXPECT_EQ(s.shown.nThang, 12);
    EXPECT_EQ(s.shown.nNgay, 31);
    EXPECT_EQ(s.shown.nPhut, 42);
    EXPECT_FALSE(tick(s, secondsLater(kNewYearsEve, 61))); // the same minute: nothing to do
}

TEST(Clock, TodayReturnsAtOnceAndTheClockAdvancesByTheMinute) {
    TodayItemState s = stateAt(kNewYearsEve);
    stroke(s, {114, 59}, {114, 32});
    showToday(s, kNewYearsEve); // "Hôm nay"
    EXPECT_EQ(s.hold, 0);
    EXPECT_EQ(s.shown.nThang, 12);
    EXPECT_FALSE(tick(s, secondsLater(kNewYearsEve, 18)));
    EXPECT_TRUE(tick(s, secondsLater(kNewYearsEve, 60 * 60 * 15)));
    EXPECT_EQ(s.shown.nNam, 2026); // midnight passed: a new year, converted afresh
    EXPECT_EQ(s.shown.nNgay, 1);
}

TEST(Keys, LeftAndRightChangeThePageOthersAreLeft) {
    TodayItemState s = stateAt(kNewYearsEve);
    EXPECT_TRUE(navigate(s, 37));
    EXPECT_EQ(s.page, 3);
    EXPECT_EQ(s.layout[Panel0].width(), 240); // page 4: no right panel
    EXPECT_TRUE(navigate(s, 39));
    EXPECT_TRUE(navigate(s, 39));
    EXPECT_EQ(s.page, 1);
    EXPECT_EQ(s.layout[Panel1].left(), 120);
    for (uint32_t key : {38u, 40u, 13u}) EXPECT_FALSE(navigate(s, key));
    EXPECT_EQ(s.page, 1);
}

} // namespace

// The connection to an https server is tried on 443, not 80 (an https server was reported as
// "Không có kết nối" because nothing answered on its port 80).
TEST(WeatherServerPort, IsTheServersOwnOrItsSchemes) {
    const struct {
        const char* url;
        quint16 port;
    } rows[] = {
        {"http://127.0.0.1:8765", 8765},
        {"http://weather.example", 80},
        {"https://weather.example", 443},
        {"https://weather.example:9443/base", 9443},
    };
    for (const auto& row : rows) EXPECT_EQ(serverPort(QUrl(row.url)), row.port) << row.url;
}

// Browsing stops at the years the calendar is checked for (1800–2199): a month or a day beyond
// them leaves the shown day as it was, so the item never shows a day the programs refuse.
TEST(Browsing, StopsAtTheSupportedYears) {
    struct Row {
        const char* label;
        int day, month, year;
        bool forward;
    };
    const Row rows[] = {
        {"BeforeJanuary1800", 15, 1, 1800, false},
        {"AfterDecember2199", 15, 12, 2199, true},
    };
    for (const Row& row : rows) {
        LICHVELMORA d = freshDay(row.day, row.month, row.year);
        const LICHVELMORA before = d;
        EXPECT_FALSE(row.forward ? nextMonth(d) : previousMonth(d)) << row.label;
        EXPECT_EQ(d.nJD, before.nJD) << row.label;
        EXPECT_EQ(d.nThang, before.nThang) << row.label;
        EXPECT_EQ(d.nNam, before.nNam) << row.label;
    }
    // One month inside the range still moves.
    LICHVELMORA d = freshDay(15, 2, 1800);
    EXPECT_TRUE(previousMonth(d));
    EXPECT_EQ(d.nThang, 1);
    EXPECT_EQ(d.nNam, 1800);
    // 1 January 1800 is a Wednesday: the grid's first cell is 30 December 1799, not picked; the
    // third cell is 1 January, picked.
    TodayItemState s = stateAt(systemTime(1800, 1, 15, 9, 41));
    const int julianDay = s.shown.nJD;
    stroke(s, {8, 5}, {8, 5});
    EXPECT_EQ(s.shown.nJD, julianDay);
    EXPECT_EQ(s.hold, 0);
    stroke(s, {8 + 2 * 33, 5}, {8 + 2 * 33, 5});
    EXPECT_EQ(s.shown.nNgay, 1);
    EXPECT_EQ(s.hold, 60);
}
