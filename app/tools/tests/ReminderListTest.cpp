// The reminder list's and editor's rules without a screen: the four sorts, deleting and
// renumbering, the bell and the colours, what the editor shows for a row and the row it makes,
// and the two arrangements of its controls.
#include "app/tools/ReminderList.h"
#include "app/res/CommandIds.h"
#include "app/tools/ReminderEditor.h"
#include "suite/reminders/tests/ReminderSamples.h"

#include <gtest/gtest.h>
#include <set>

using namespace velmora::app;
using namespace velmora::reminders;
using velmora::reminders::testing::reminder;

namespace {

ReminderListState listOf(std::initializer_list<ReminderRecord> records) {
    ReminderListState state;
    for (const ReminderRecord& r : records) state.append(rowFromRecord(r, 0));
    return state;
}

std::vector<std::u16string> column(const ReminderListState& s, int c) {
    std::vector<std::u16string> out;
    for (const ReminderRow& row : s.rows) out.push_back(row.columns[c]);
    return out;
}

void expectNumbered(const ReminderListState& s) {
    for (std::size_t i = 0; i < s.rows.size(); ++i) EXPECT_EQ(s.rows[i].itemData, int(i));
}

TEST(ReminderList, DatesSortByMonthThenDaySolarAndLunarMixed) {
    ReminderListState s =
        listOf({reminder({u"Quốc khánh", 5, 9, true}), reminder({u"Tết", 1, 1, false}),
                reminder({u"Trung thu", 15, 8, false}), reminder({u"Chưa chọn", 0, 0, true}),
                reminder({u"Cuối tháng", 30, 8, true})});
    s.sortBy(ReminderSort::Date);
    EXPECT_EQ(column(s, ColumnDate),
              (std::vector<std::u16string>{u"00/00", u"01/01", u"15/08", u"30/08", u"05/09"}));
    expectNumbered(s);
}

TEST(ReminderList, TitlesAndPlacesSortByCodeUnits) {
    // Code units: 'A' 0x41 < 'B' 0x42 < 'Ă' 0x102 < 'ă' 0x103.
    ReminderListState s =
        listOf({reminder({u"ăn chay", 1, 1, true, 1, 15, 0, 0, 0, u"Ba Vì"}),
                reminder({u"Ăn Tết", 1, 1, true, 1, 15, 0, 0, 0, u"Ấp Bắc"}),
                reminder({u"Bảo dưỡng xe", 1, 1, true, 1, 15, 0, 0, 0, u"An Giang"}),
                reminder({u"An táng", 1, 1, true, 1, 15, 0, 0, 0, u""})});
    s.sortBy(ReminderSort::Title);
    EXPECT_EQ(column(s, ColumnTitle),
              (std::vector<std::u16string>{u"An táng", u"Bảo dưỡng xe", u"Ăn Tết", u"ăn chay"}));
    s.sortBy(ReminderSort::Place);
    EXPECT_EQ(column(s, ColumnPlace),
              (std::vector<std::u16string>{u"", u"An Giang", u"Ba Vì", u"Ấp Bắc"}));
    expectNumbered(s);
}

TEST(ReminderList, KindsSortByNumberAndTiesKeepTheirOrder) {
    ReminderListState s = listOf({reminder({u"hẹn 1", 1, 1, true, KindAppointment}),
                                  reminder({u"giỗ", 1, 1, true, KindAnniversary}),
                                  reminder({u"hẹn 2", 1, 1, true, KindAppointment}),
                                  reminder({u"lễ", 1, 1, true, KindHoliday})});
    s.sortBy(ReminderSort::Kind);
    EXPECT_EQ(column(s, ColumnTitle),
              (std::vector<std::u16string>{u"lễ", u"giỗ", u"hẹn 1", u"hẹn 2"}));
    EXPECT_EQ(s.sort, ReminderSort::Kind);
}

TEST(ReminderList, DeletingTheSecondOfThreeThenSortingByTitle) {
    ReminderListState s = listOf({reminder({u"Cưới", 2, 2, true}), reminder({u"Bỏ", 3, 3, true}),
                                  reminder({u"An", 4, 4, true})});
    EXPECT_FALSE(s.removeSelected()); // nothing selected: nothing happens
    EXPECT_EQ(s.rows.size(), 3u);
    s.selected = 1;
    EXPECT_TRUE(s.removeSelected());
    EXPECT_EQ(s.selected, -1);
    expectNumbered(s);
    s.sortBy(ReminderSort::Title);
    EXPECT_EQ(column(s, ColumnTitle), (std::vector<std::u16string>{u"An", u"Cưới"}));
    expectNumbered(s);
}

TEST(ReminderList, TheSelectionFollowsItsRowThroughASort) {
    ReminderListState s = listOf(
        {reminder({u"c", 3, 1, true}), reminder({u"a", 2, 1, true}), reminder({u"b", 1, 1, true})});
    s.selected = 0; // "c"
    s.sortBy(ReminderSort::Title);
    EXPECT_EQ(s.rows[s.selected].columns[ColumnTitle], u"c");
    s.sortBy(ReminderSort::Date);
    EXPECT_EQ(s.rows[s.selected].columns[ColumnTitle], u"c");
}

TEST(ReminderList, AddedRowsGoLastAndReplacedRowsKeepTheirPlace) {
    ReminderListState s = listOf({reminder({u"a", 1, 1, true})});
    EXPECT_EQ(s.append(rowFromRecord(reminder({u"b", 2, 2, true}), 99)), 1);
    EXPECT_EQ(s.rows[1].itemData, 1);
    EXPECT_TRUE(s.replace(0, rowFromRecord(reminder({u"a2", 1, 1, true}), 42)));
    EXPECT_EQ(s.rows[0].columns[ColumnTitle], u"a2");
    EXPECT_EQ(s.rows[0].itemData, 0);
    EXPECT_FALSE(s.replace(2, s.rows[0]));
}

struct BellCase {
    int advance;
    bool bell;
};
class Bell : public ::testing::TestWithParam<BellCase> {};

TEST_P(Bell, RingsForEveryAlarm) {
    const ReminderRow row = rowFromRecord(reminder({u"x", 1, 1, true, 1, GetParam().advance}), 0);
    EXPECT_EQ(rowHasBell(row), GetParam().bell) << GetParam().advance;
}

INSTANTIATE_TEST_SUITE_P(ReminderList, Bell,
                         ::testing::Values(BellCase{0, true}, BellCase{1, true}, BellCase{9, true},
                                           BellCase{10, true}, BellCase{11, false},
                                           BellCase{15, false}));

TEST(ReminderList, SolarRowsAreDarkBlueAndLunarRowsBrown) {
    EXPECT_EQ(rowTextColour(rowFromRecord(reminder({u"x", 1, 1, true}), 0)), 0x990000u);
    EXPECT_EQ(rowTextColour(rowFromRecord(reminder({u"x", 1, 1, false}), 0)), 0x003366u);
}

TEST(ReminderEditor, ANewReminderWithNothingChosenIsDated0000AndRings) {
    const ReminderRow row = rowOfEditor(newReminderValues(QTime(9, 41, 5)), nullptr);
    EXPECT_EQ(row.columns[ColumnDate], u"00/00");
    EXPECT_EQ(row.columns[ColumnCalendar], u"+");
    EXPECT_EQ(row.columns[ColumnTime], u"09:41:05");
    EXPECT_EQ(row.columns[ColumnAdvance], u"0");
    EXPECT_EQ(row.image, KindHoliday);
    EXPECT_TRUE(rowHasBell(row));
}

TEST(ReminderEditor, ClearingTheAlarmKeepsItsTime) {
    const ReminderRow before =
        rowFromRecord(reminder({u"Giỗ", 10, 3, false, KindAnniversary, 3, 7, 30, 0}), 2);
    ReminderEditorValues v = editorValuesOf(before, QTime(12, 0));
    EXPECT_TRUE(v.alarmOn);
    EXPECT_EQ(v.time, QTime(7, 30, 0));
    EXPECT_EQ(v.daysBeforeEntry, 2);
    EXPECT_TRUE(v.lunar);
    EXPECT_EQ(v.dayEntry, 9);
    EXPECT_EQ(v.monthEntry, 2);
    EXPECT_EQ(v.kindEntry, 2);
    v.alarmOn = false;
    const ReminderRow after = rowOfEditor(v, &before);
    EXPECT_FALSE(rowHasBell(after));
    const ReminderRecord r = recordFromRow(after);
    EXPECT_EQ(r.advance, 15);
    EXPECT_EQ(r.hour, 7);
    EXPECT_EQ(r.minute, 30);
    EXPECT_EQ(r.second, 0);
    EXPECT_EQ(after.itemData, 2);
}

TEST(ReminderEditor, NineDaysBeforeReadsBackAsNineDaysBefore) {
    ReminderEditorValues v = newReminderValues(QTime(8, 0));
    v.dayEntry = 4;
    v.monthEntry = 0;
    v.daysBeforeEntry = 9; // "9"
    const ReminderRow row = rowOfEditor(v, nullptr);
    EXPECT_EQ(row.columns[ColumnAdvance], u"10");
    EXPECT_TRUE(rowHasBell(row));
    const ReminderEditorValues back = editorValuesOf(row, QTime(12, 0));
    EXPECT_TRUE(back.alarmOn);
    EXPECT_EQ(back.daysBeforeEntry, 9);
    EXPECT_EQ(back.time, QTime(8, 0));
}

TEST(ReminderEditor, WithoutAnAlarmThePickerIsUncheckedAtTheCurrentTime) {
    const ReminderRow row = rowFromRecord(reminder({u"x", 1, 1, true, 1, 15, 6, 0, 0}), 0);
    const ReminderEditorValues v = editorValuesOf(row, QTime(14, 15, 16));
    EXPECT_FALSE(v.alarmOn);
    EXPECT_EQ(v.time, QTime(14, 15, 16));
    EXPECT_EQ(v.daysBeforeEntry, -1);
}

// A kind the list does not offer, from an older file, is kept: with no kind selected the
// row would otherwise become an empty slot and vanish at the next load.
TEST(ReminderEditor, AnUnofferedKindIsKeptInsteadOfBecomingAnEmptySlot) {
    const ReminderRow before = rowFromRecord(reminder({u"Loại 7", 1, 1, true, 7}), 0);
    const ReminderEditorValues v = editorValuesOf(before, QTime(12, 0));
    EXPECT_EQ(v.kindEntry, -1);
    EXPECT_EQ(rowOfEditor(v, &before).image, 7);
}

TEST(ReminderEditor, TextsAreTakenUpToTheirLimits) {
    ReminderEditorValues v = newReminderValues(QTime(8, 0));
    v.title = std::u16string(150, u'ạ');
    v.place = std::u16string(150, u'b');
    const ReminderRow row = rowOfEditor(v, nullptr);
    EXPECT_EQ(row.columns[ColumnTitle].size(), 99u);
    EXPECT_EQ(row.columns[ColumnPlace].size(), 99u);
}

class EditorLayout : public ::testing::TestWithParam<bool> {};

// Every control lies inside the 96-dpi screen it was drawn for (320 wide on its side, 240
// upright); no two input controls overlap (drop-down lists counted closed, one 18-unit line),
// nor two labels; a label reaches at most 4 units under the control beside it.
TEST_P(EditorLayout, ControlsFitAndNeverOverlap) {
    const bool landscape = GetParam();
    const int width = landscape ? 320 : 240, height = landscape ? 190 : 270;
    const std::vector<EditorPlacement> all = reminderEditorLayout(landscape, height);
    ASSERT_EQ(all.size(), 19u);
    const std::set<int> dropDowns = {IdcReminderDay, IdcReminderMonth, IdcReminderKind,
                                     IdcReminderDaysBefore};
    std::vector<QRect> closed;
    for (const EditorPlacement& p : all) {
        QRect r = p.rect;
        if (dropDowns.count(p.id)) r.setHeight(18);
        EXPECT_TRUE(QRect(0, 0, width, height).contains(r)) << p.id;
        closed.push_back(r);
    }
    const std::set<int> labels = {
        IdcReminderTitleLabel, IdcReminderPlaceLabel, IdcReminderDayLabel,    IdcReminderMonthLabel,
        IdcReminderKindLabel,  IdcReminderAlarmLabel, IdcReminderBeforeLabel, IdcReminderDaysLabel};
    for (std::size_t i = 0; i < closed.size(); ++i)
        for (std::size_t j = i + 1; j < closed.size(); ++j) {
            const bool labelI = labels.count(all[i].id), labelJ = labels.count(all[j].id);
            const QRect both = closed[i].intersected(closed[j]);
            if (labelI != labelJ)
                EXPECT_LE(both.isEmpty() ? 0 : both.width(), 4)
                    << all[i].id << " and " << all[j].id;
            else
                EXPECT_TRUE(both.isEmpty()) << all[i].id << " and " << all[j].id;
        }
    const auto content = std::find_if(all.begin(), all.end(), [](const EditorPlacement& p) {
        return p.id == IdcReminderContent;
    });
    EXPECT_EQ(content->rect, landscape ? QRect(2, 84, 316, 102) : QRect(2, 106, 236, height - 108));
}

INSTANTIATE_TEST_SUITE_P(ReminderEditor, EditorLayout, ::testing::Bool());

} // namespace
