// The almanac month panel's rules without a screen: cells, lunar days, keys, taps, lists, layout.
#include "app/almanac/AlmanacGrid.h"
#include "VelmoraDay.h"
#include "app/almanac/AlmanacLists.h"
#include "app/shell/LunarMonthList.h"
#include "platform/shell/ChooserPopup.h"

#include <gtest/gtest.h>

using namespace velmora::app;
using velmora::shell::DeviceKey;
namespace screen = velmora::screen;

namespace {

LICHVELMORA solarDay(int day, int month, int year) {
    return velmora::freshDay(day, month, year);
}

// The lunar day of a solar day counted from a record, by converting that day on its own.
int convertedLunarDay(const LICHVELMORA& from, int offset) {
    LICHVELMORA other{};
    const SYSTEMTIME t = JD2ST(from.nJD + offset, 0.0);
    other = solarDay(t.wDay, t.wMonth, t.wYear);
    return other.nNgayAm;
}

// The tests work in 96-dpi units: qvga is 96 dpi.
class QvgaScreen : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(screen::select(QStringLiteral("qvga"))); }
};

} // namespace

// ------------------------------------------------------------------ month cells

struct MonthCase {
    int day, month, year;
    int w1;
    int firstCellDay; // what cell 0 shows
    int lastCellDay;  // what cell 41 shows
};

class MonthCells : public ::testing::TestWithParam<MonthCase> {};

TEST_P(MonthCells, FirstWeekdayAndTheNeighbouringMonthsDays) {
    const MonthCase c = GetParam();
    const LICHVELMORA rec = solarDay(c.day, c.month, c.year);
    EXPECT_EQ(firstWeekday(rec), c.w1);
    EXPECT_EQ(gridCell(rec, 0).solarDay, c.firstCellDay);
    EXPECT_EQ(gridCell(rec, 41).solarDay, c.lastCellDay);
    for (int i = 0; i < kGridCells; ++i) {
        const GridCell cell = gridCell(rec, i);
        const CellMonth expected = i < c.w1                 ? CellMonth::Previous
                                   : i - c.w1 < rec.nSoNgay ? CellMonth::Current
                                                            : CellMonth::Next;
        EXPECT_EQ(cell.month, expected) << "cell " << i;
        if (expected == CellMonth::Current)
            EXPECT_EQ(cell.solarDay, i - c.w1 + 1);
        else
            EXPECT_EQ(cell.colour, kGreyDayColour) << "cell " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Months, MonthCells,
    ::testing::Values(MonthCase{26, 1, 2009, 3, 29, 8},   // January: December's 31 days before it
                      MonthCase{15, 2, 2009, 6, 26, 8},   // starts on a Sunday: six grey days
                      MonthCase{1, 3, 2009, 6, 23, 5},    // after a 28-day February
                      MonthCase{10, 3, 2008, 5, 25, 6},   // after a leap-year February
                      MonthCase{31, 12, 2009, 1, 30, 10}, // December into January
                      MonthCase{1, 6, 2009, 0, 1, 12}));  // starts on a Monday: no grey day before

TEST(MonthCellColours, SundayStartTodaySaturdayAndSunday) {
    const LICHVELMORA rec = solarDay(11, 2, 2009); // a Wednesday; the 1st is a Sunday
    ASSERT_EQ(firstWeekday(rec), 6);
    const int t = currentCell(rec);
    EXPECT_EQ(t, 16);
    struct Expect {
        int cell;
        COLORREF colour;
    } const table[] = {
        {0, kGreyDayColour},
        {5, kGreyDayColour},
        {6, kSundayColour}, // the 1st, red
        {t, kSystemColours.captionText},
        {7, kSystemColours.menuText},
        {12, kSaturdayColour},
        {13, kSundayColour},
        {34, kGreyDayColour},
        {41, kGreyDayColour}, // after the 28th
    };
    for (const Expect& e : table)
        EXPECT_EQ(gridCell(rec, e.cell).colour, e.colour) << "cell " << e.cell;
    EXPECT_EQ(gridCell(rec, 6).solarDay, 1);
}

// Every cell's lunar day, walked through the month table, agrees with converting that day.
TEST(GridLunarDays, AgreeWithConversionForEveryCellOfEveryMonth) {
    for (int year = 1995; year <= 2040; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day : {1, 28}) {
                const LICHVELMORA rec = solarDay(day, month, year);
                for (int i = 0; i < kGridCells; i += 1) {
                    const int offset = i - currentCell(rec);
                    ASSERT_EQ(gridLunarDay(rec, i), convertedLunarDay(rec, offset))
                        << day << "/" << month << "/" << year << " cell " << i;
                }
            }
}

// A grid seen from the 1st of a month reaches 41 days ahead: past the end of the next lunar
// month too, where one subtraction of the month's length is not enough.
TEST(GridLunarDays, LunarDayPastTheNextMonthEndWrapsAgain) {
    const LICHVELMORA rec = solarDay(1, 5, 2000); // Monday, lunar 27/3: cell 41 is 41 days on
    ASSERT_EQ(currentCell(rec), 0);
    ASSERT_GT(rec.nNgayAm + 41 - rec.nSoNgayThangAm, lunarMonthDays(rec, rec.nChiSoThang + 1));
    EXPECT_EQ(gridLunarDay(rec, 41), convertedLunarDay(rec, 41));
    EXPECT_LE(gridLunarDay(rec, 41), 30);
}

// -------------------------------------------------------------------- keys

struct KeyCase {
    const char* name;
    int field, column, row, mode;
    DeviceKey key;
    int wantField, wantColumn, wantRow, wantMode;
    GridAction action;
};

class GridKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(GridKeys, MoveSelectOrAct) {
    const KeyCase c = GetParam();
    const LICHVELMORA rec = solarDay(26, 1, 2009); // its cell is column 0, row 4
    AlmanacGridState s{c.field, c.column, c.row, c.mode};
    const KeyResult r = gridKey(s, c.key, rec);
    EXPECT_TRUE(r.handled);
    EXPECT_EQ(s.field, c.wantField);
    EXPECT_EQ(s.column, c.wantColumn);
    EXPECT_EQ(s.row, c.wantRow);
    EXPECT_EQ(s.cursorMode, c.wantMode);
    EXPECT_EQ(r.action, c.action);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, GridKeys,
    ::testing::Values(
        KeyCase{"RightFromColumn6ToLunarDayBox", 2, 6, 3, 1, DeviceKey::Right, 3, 6, 3, 1,
                GridAction::None},
        KeyCase{"LeftFromColumn0ToYearLabel", 2, 0, 3, 1, DeviceKey::Left, 1, 0, 3, 1,
                GridAction::None},
        KeyCase{"UpFromRow0ToYearLabel", 2, 3, 0, 1, DeviceKey::Up, 1, 3, 0, 1, GridAction::None},
        KeyCase{"DownFromRow5ToLunarDayBox", 2, 3, 5, 1, DeviceKey::Down, 3, 3, 5, 1,
                GridAction::None},
        KeyCase{"RightInsideTheGrid", 2, 2, 3, 1, DeviceKey::Right, 2, 3, 3, 1, GridAction::None},
        KeyCase{"UpInsideTheGrid", 2, 2, 3, 1, DeviceKey::Up, 2, 2, 2, 1, GridAction::None},
        KeyCase{"FirstMoveLeavesTheDaysCell", 2, 5, 5, 2, DeviceKey::Up, 2, 0, 3, 1,
                GridAction::None},
        KeyCase{"LeftFromMonthLabelWraps", 0, 0, 0, 1, DeviceKey::Left, 5, 0, 0, 1,
                GridAction::None},
        KeyCase{"LeftFromNoField", -1, 0, 0, 1, DeviceKey::Left, 5, 0, 0, 1, GridAction::None},
        KeyCase{"RightFromYearBoxWraps", 5, 0, 0, 1, DeviceKey::Right, 0, 0, 0, 1,
                GridAction::None},
        KeyCase{"DownFromNoField", -1, 0, 0, 1, DeviceKey::Down, 0, 0, 0, 1, GridAction::None},
        KeyCase{"RightFromYearLabelEntersGrid", 1, 4, 4, 1, DeviceKey::Right, 2, 4, 4, 1,
                GridAction::None},
        KeyCase{"Key1", 2, 1, 1, 1, DeviceKey::Digit1, 0, 1, 1, 1, GridAction::None},
        KeyCase{"Key3", 2, 1, 1, 1, DeviceKey::Digit3, 1, 1, 1, 1, GridAction::None},
        KeyCase{"Key4", 2, 1, 1, 1, DeviceKey::Digit4, 3, 1, 1, 1, GridAction::None},
        KeyCase{"Key5", 2, 1, 1, 1, DeviceKey::Digit5, 4, 1, 1, 1, GridAction::None},
        KeyCase{"Key6", 2, 1, 1, 1, DeviceKey::Digit6, 5, 1, 1, 1, GridAction::None},
        KeyCase{"Key2ChangesNothing", 4, 1, 1, 1, DeviceKey::Digit2, 4, 1, 1, 1, GridAction::None},
        KeyCase{"EnterInGridChooses", 2, 1, 1, 1, DeviceKey::Enter, 2, 1, 1, 1,
                GridAction::ChooseCell},
        KeyCase{"EnterOnLabelOpensList", 1, 1, 1, 1, DeviceKey::Enter, 1, 1, 1, 1,
                GridAction::OpenList},
        KeyCase{"EnterOnBoxOpensList", 4, 1, 1, 1, DeviceKey::Enter, 4, 1, 1, 1,
                GridAction::OpenList},
        KeyCase{"EnterWithoutField", -1, 1, 1, 1, DeviceKey::Enter, -1, 1, 1, 1, GridAction::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GridKeys, BackIsLeftToTheWindow) {
    const LICHVELMORA rec = solarDay(26, 1, 2009);
    AlmanacGridState s{2, 1, 1, 1};
    EXPECT_FALSE(gridKey(s, DeviceKey::Back, rec).handled);
}

// -------------------------------------------------------------------- taps

struct TapCase {
    const char* name;
    screen::ScreenOrientation orientation;
    int x, y;
    int wantField;
    GridAction action;
    int wantColumn, wantRow; // unchanged from (3, 3) when no cell is chosen
};

class GridTaps : public QvgaScreen, public ::testing::WithParamInterface<TapCase> {};

TEST_P(GridTaps, SelectAndChoose) {
    const TapCase c = GetParam();
    AlmanacGridState s{-1, 3, 3, 1};
    EXPECT_EQ(gridTap(s, QPoint(c.x, c.y), c.orientation), c.action);
    EXPECT_EQ(s.field, c.wantField);
    EXPECT_EQ(s.column, c.wantColumn);
    EXPECT_EQ(s.row, c.wantRow);
}

INSTANTIATE_TEST_SUITE_P(
    Taps, GridTaps,
    ::testing::Values(
        TapCase{"FirstCell", screen::Portrait, 12, 25, 2, GridAction::ChooseCell, 0, 0},
        TapCase{"LastCell", screen::Portrait, 227, 107, 2, GridAction::ChooseCell, 6, 5},
        TapCase{"MiddleCell", screen::Landscape, 11 + 31 * 4 + 5, 24 + 14 * 2 + 13, 2,
                GridAction::ChooseCell, 4, 2},
        TapCase{"MonthLabel", screen::Portrait, 50, 10, 0, GridAction::OpenList, 3, 3},
        TapCase{"YearLabel", screen::Landscape, 200, 10, 1, GridAction::OpenList, 3, 3},
        TapCase{"HeaderGapChoosesNothing", screen::Portrait, 120, 10, 2, GridAction::None, 3, 3},
        TapCase{"RightMarginChoosesNothing", screen::Portrait, 234, 60, 2, GridAction::None, 3, 3},
        TapCase{"BottomMarginChoosesNothing", screen::Portrait, 100, 109, 2, GridAction::None, 3,
                3},
        TapCase{"LeftMarginChoosesNothing", screen::Portrait, 5, 60, 2, GridAction::None, 3, 3},
        TapCase{"LunarDayBoxPortrait", screen::Portrait, 40, 130, 3, GridAction::OpenList, 3, 3},
        TapCase{"LunarMonthBoxLandscape", screen::Landscape, 280, 50, 4, GridAction::OpenList, 3,
                3},
        TapCase{"LunarYearBoxSquare", screen::Square, 200, 140, 5, GridAction::OpenList, 3, 3},
        TapCase{"EdgeSelectsNothing", screen::Portrait, 1, 50, -1, GridAction::None, 3, 3},
        TapCase{"BetweenBoxesNothing", screen::Portrait, 80, 130, -1, GridAction::None, 3, 3},
        TapCase{"BelowEverything", screen::Landscape, 100, 150, -1, GridAction::None, 3, 3}),
    [](const auto& info) { return std::string(info.param.name); });

// ------------------------------------------------------------- choosing a cell

struct ChooseCase {
    int day, month, year, column, row;
    int wantDay, wantMonth, wantYear;
};

class ChooseCell : public ::testing::TestWithParam<ChooseCase> {};

TEST_P(ChooseCell, MovesToTheCellsDay) {
    const ChooseCase c = GetParam();
    LICHVELMORA rec = solarDay(c.day, c.month, c.year);
    chooseGridCell(rec, c.column, c.row);
    EXPECT_EQ(rec.nNgay, c.wantDay);
    EXPECT_EQ(rec.nThang, c.wantMonth);
    EXPECT_EQ(rec.nNam, c.wantYear);
    const LICHVELMORA fresh = solarDay(c.wantDay, c.wantMonth, c.wantYear);
    EXPECT_EQ(rec.nNgayAm, fresh.nNgayAm);
    EXPECT_EQ(rec.nThangAm, fresh.nThangAm);
    EXPECT_EQ(rec.nCanChiNam, fresh.nCanChiNam);
    EXPECT_EQ(rec.nThu, fresh.nThu);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, ChooseCell,
    ::testing::Values(ChooseCase{26, 1, 2009, 2, 1, 7, 1, 2009},   // inside the month
                      ChooseCase{31, 12, 2009, 4, 4, 1, 1, 2010},  // grey cell after 31 December
                      ChooseCase{15, 2, 2009, 0, 0, 26, 1, 2009},  // grey cell before a Sunday 1st
                      ChooseCase{1, 1, 2009, 0, 0, 29, 12, 2008},  // back into the previous year
                      ChooseCase{1, 3, 2010, 6, 5, 11, 4, 2010})); // the grid's last cell

// ---------------------------------------------------------------- field lists

TEST(AlmanacLists, EntriesAndInitialEntry) {
    const LICHVELMORA rec = solarDay(26, 1, 2009); // Tết Kỷ Sửu: lunar 1/1, year with leap month 5
    struct Expect {
        int field, count;
        const char *first, *last, *initial;
    } const table[] = {
        {AlmanacMonthLabel, 12, "Tháng 1", "Tháng 12", "Tháng 1"},
        {AlmanacYearLabel, 100, "Năm 1959", "Năm 2058", "Năm 2009"},
        {AlmanacLunarDayBox, 30, "1 - Tân Mùi", "30 - Canh Tý", "1 - Tân Mùi"},
        {AlmanacLunarMonthBox, 13, "Tháng 1 (đ)", "Tháng 12 (đ)", "Tháng 1 (đ)"},
        {AlmanacLunarYearBox, 60, "Kỷ Mùi (1979)", "Mậu Ngọ (2038)", "Kỷ Sửu (2009)"},
    };
    for (const Expect& e : table) {
        const ChooserList list = almanacList(e.field, rec);
        ASSERT_EQ(list.entries.size(), e.count) << "field " << e.field;
        EXPECT_EQ(list.entries.first(), QString::fromUtf8(e.first));
        EXPECT_EQ(list.entries.last(), QString::fromUtf8(e.last));
        EXPECT_EQ(list.entries.value(list.initial), QString::fromUtf8(e.initial));
    }
    EXPECT_TRUE(almanacList(AlmanacDayGrid, rec).entries.isEmpty());
    EXPECT_TRUE(
        almanacList(AlmanacLunarMonthBox, rec).entries.contains(QStringLiteral("Tháng 5 n (t)")));
}

struct ApplyCase {
    const char* name;
    int day, month, year;
    int field, n;
    uint32_t flags;
    int wantDay, wantMonth, wantYear; // solar
    int wantLunarDay, wantLunarMonth, wantLeap;
};

class ApplyList : public ::testing::TestWithParam<ApplyCase> {};

TEST_P(ApplyList, ChangesTheDayAndStopsFollowingTheClock) {
    const ApplyCase c = GetParam();
    CurrentDay day;
    day.record = solarDay(c.day, c.month, c.year);
    EXPECT_EQ(almanacListFlags(c.field), c.flags);
    ASSERT_TRUE(applyAlmanacList(c.field, c.n, day));
    EXPECT_FALSE(day.followClock);
    const LICHVELMORA& r = day.record;
    EXPECT_EQ(r.nNgay, c.wantDay);
    EXPECT_EQ(r.nThang, c.wantMonth);
    EXPECT_EQ(r.nNam, c.wantYear);
    EXPECT_EQ(r.nNgayAm, c.wantLunarDay);
    EXPECT_EQ(r.nThangAm, c.wantLunarMonth);
    EXPECT_EQ(r.bNhuan, c.wantLeap);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ApplyList,
    ::testing::Values(
        ApplyCase{"Month", 26, 1, 2009, AlmanacMonthLabel, 5, 0x50, 26, 6, 2009, 4, 5, 1},
        ApplyCase{"Year", 26, 1, 2009, AlmanacYearLabel, 51, 0x60, 26, 1, 2010, 12, 12, 0},
        ApplyCase{"LunarDay", 26, 1, 2009, AlmanacLunarDayBox, 14, 0x08, 9, 2, 2009, 15, 1, 0},
        ApplyCase{"LunarLeapMonth", 26, 1, 2009, AlmanacLunarMonthBox, 5, 0x10, 23, 6, 2009, 1, 5,
                  1},
        ApplyCase{"LunarMonthAfterLeap", 26, 1, 2009, AlmanacLunarMonthBox, 6, 0x10, 22, 7, 2009, 1,
                  6, 0},
        // Lunar 1/1 Kỷ Sửu to lunar 1/1 of 2008: Tết Mậu Tý, 7 February 2008.
        ApplyCase{"YearPillar", 26, 1, 2009, AlmanacLunarYearBox, 29, 0x10, 7, 2, 2008, 1, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ApplyList, NoEntryLeavesTheDayAndTheClock) {
    CurrentDay day;
    day.record = solarDay(26, 1, 2009);
    for (int field : {AlmanacMonthLabel, AlmanacLunarMonthBox, AlmanacDayGrid}) {
        EXPECT_FALSE(applyAlmanacList(field, -1, day));
        EXPECT_TRUE(day.followClock);
    }
    EXPECT_FALSE(applyAlmanacList(AlmanacDayGrid, 3, day));
    EXPECT_FALSE(applyAlmanacList(AlmanacMonthLabel, 12, day)); // past the list's end
    EXPECT_TRUE(day.followClock);
    EXPECT_EQ(day.record.nThang, 1);
}

// The 2034 list starts at the table's month 1 and has the year's twelve months.
TEST(AlmanacLists, LunarMonthsOf2034StartAtMonth1) {
    const LICHVELMORA rec = solarDay(15, 6, 2034);
    ASSERT_NE(rec.nThangSoc[2], 1);
    const ChooserList list = almanacList(AlmanacLunarMonthBox, rec);
    EXPECT_EQ(list.entries.size(), 12);
    EXPECT_TRUE(list.entries.first().startsWith(QStringLiteral("Tháng 1 ")));
    EXPECT_EQ(list.entries.value(list.initial), lunarMonthEntry(rec, rec.nChiSoThang));

    // Picking its first entry goes to month 1 of 2034 (Tết is 19 February 2034).
    CurrentDay day;
    day.record = rec;
    ASSERT_TRUE(applyAlmanacList(AlmanacLunarMonthBox, 0, day));
    EXPECT_EQ(day.record.nThangAm, 1);
    EXPECT_EQ(day.record.bNhuan, 0);
    EXPECT_EQ(day.record.nNam, 2034);
    EXPECT_EQ(day.record.nJD - solarDay(19, 2, 2034).nJD, rec.nNgayAm - 1);
}

struct ListRectCase {
    const char* name;
    screen::ScreenOrientation orientation;
    int field;
    QSize client;
    QRect want;
};

class ListPlacement : public QvgaScreen, public ::testing::WithParamInterface<ListRectCase> {};

TEST_P(ListPlacement, OverTheFieldAndInside) {
    const ListRectCase c = GetParam();
    EXPECT_EQ(velmora::shell::keptInside(almanacListRect(c.field, c.orientation), c.client),
              c.want);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ListPlacement,
    ::testing::Values(ListRectCase{"MonthPortrait", screen::Portrait, 0, QSize(240, 268),
                                   QRect(10, 2, 100, 140)},
                      ListRectCase{"LunarDayPortrait", screen::Portrait, 3, QSize(240, 268),
                                   QRect(1, 112, 118, 140)},
                      ListRectCase{"LunarYearPortraitMovesLeft", screen::Portrait, 5,
                                   QSize(240, 268), QRect(122, 112, 118, 140)},
                      ListRectCase{"LunarYearSquareMovesLeftAndUp", screen::Square, 5,
                                   QSize(240, 188), QRect(122, 48, 118, 140)},
                      ListRectCase{"LunarMonthLandscape", screen::Landscape, 4, QSize(320, 188),
                                   QRect(202, 38, 118, 112)},
                      ListRectCase{"YearLandscape", screen::Landscape, 1, QSize(320, 188),
                                   QRect(130, 2, 99, 112)}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- layout, labels

TEST_F(QvgaScreen, PanelAndViewerPerShape) {
    EXPECT_EQ(monthPanelHeight(screen::Landscape), 110);
    EXPECT_EQ(monthPanelHeight(screen::Portrait), 147);
    // Square keeps its lunar boxes (y 112..147) inside the panel.
    EXPECT_EQ(monthPanelHeight(screen::Square), 147);
    EXPECT_EQ(readingViewerRect(QSize(320, 188), screen::Landscape), QRect(1, 112, 318, 74));
    EXPECT_EQ(readingViewerRect(QSize(240, 268), screen::Portrait), QRect(1, 149, 238, 118));
    EXPECT_EQ(readingViewerRect(QSize(240, 188), screen::Square), QRect(1, 149, 238, 38));
    for (auto o : {screen::Landscape, screen::Portrait, screen::Square})
        for (int f = 0; f < kAlmanacFields; ++f)
            EXPECT_LE(almanacFieldRect(f, o).bottom(), monthPanelHeight(o) - 1) << f;
}

TEST(PanelLabels, TextsOfTheDay) {
    const LICHVELMORA tet = solarDay(26, 1, 2009);
    EXPECT_EQ(solarMonthLabel(tet), QStringLiteral("THÁNG  1"));
    EXPECT_EQ(solarYearLabel(tet), QStringLiteral("NĂM 2009"));
    EXPECT_EQ(lunarDayLabel(tet), QStringLiteral("Ngày 1"));
    EXPECT_EQ(lunarYearLabel(tet), QStringLiteral("Năm 2009"));
    EXPECT_EQ(solarMonthLabel(solarDay(5, 11, 2009)), QStringLiteral("THÁNG 11"));
}

// Before Tết the lunar year is the previous one: its box must not name the solar year.
TEST(PanelLabels, LunarYearBoxBeforeTetNamesTheLunarYear) {
    const LICHVELMORA rec = solarDay(10, 1, 2009); // Mậu Tý 2008, lunar 15/12
    EXPECT_EQ(canChiText(rec.nCanChiNam), QStringLiteral("Mậu Tý"));
    EXPECT_EQ(velmora::lunarYearOf(rec), 2008);
    EXPECT_EQ(lunarYearLabel(rec), QStringLiteral("Năm 2008"));
    EXPECT_EQ(velmora::lunarYearOf(solarDay(31, 12, 2009)), 2009);
}
