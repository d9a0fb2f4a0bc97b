// Tests of the stored reminder: its bytes built by hand, its row form, texts cut to their field,
// columns that do not parse, and what each advance value means.
#include "suite/reminders/ReminderRow.h"
#include "suite/reminders/tests/ReminderSamples.h"

#include <gtest/gtest.h>
#include <vector>

using namespace velmora::reminders;
using velmora::reminders::testing::reminder;

namespace {

void put16(std::vector<unsigned char>& b, std::size_t at, unsigned v) {
    b[at] = static_cast<unsigned char>(v & 0xFF);
    b[at + 1] = static_cast<unsigned char>(v >> 8);
}

void putText(std::vector<unsigned char>& b, std::size_t at, std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) put16(b, at + 2 * i, text[i]);
}

// A record as the device writes it, with the reserved bytes dirty.
std::vector<unsigned char> handMadeRecord() {
    std::vector<unsigned char> b(1428, 0);
    for (std::size_t i : {0, 1, 2, 3, 11, 12, 17, 26, 27}) b[i] = 0xAA;
    put16(b, 4, 15); // day
    put16(b, 6, 8);  // month
    put16(b, 8, 3);  // kind: Ngày giỗ
    b[10] = 0;       // lunar
    put16(b, 18, 2); // one day before
    put16(b, 20, 7); // 07:30:05
    put16(b, 22, 30);
    put16(b, 24, 5);
    putText(b, 28, u"Giỗ bà nội");
    putText(b, 228, u"Nhà thờ họ, Huế");
    // The note fills all 500 units, with no terminator.
    putText(b, 428, std::u16string(500, u'ệ'));
    return b;
}

TEST(ReminderRecord, DecodesTheDevicesBytesAndWritesReservedBytesAsZero) {
    const std::vector<unsigned char> bytes = handMadeRecord();
    const ReminderRecord r = decodeReminder(bytes.data());
    EXPECT_EQ(r.day, 15);
    EXPECT_EQ(r.month, 8);
    EXPECT_EQ(r.kind, KindAnniversary);
    EXPECT_EQ(r.solar, 0);
    EXPECT_EQ(r.advance, 2);
    EXPECT_EQ(r.hour, 7);
    EXPECT_EQ(r.minute, 30);
    EXPECT_EQ(r.second, 5);
    EXPECT_EQ(fieldText(r.title), u"Giỗ bà nội");
    EXPECT_EQ(fieldText(r.place), u"Nhà thờ họ, Huế");
    EXPECT_EQ(fieldText(r.content), std::u16string(500, u'ệ'));

    std::vector<unsigned char> expected = bytes;
    for (std::size_t i : {0, 1, 2, 3, 11, 12, 17, 26, 27}) expected[i] = 0;
    const auto encoded = encodeReminder(r);
    EXPECT_EQ(std::vector<unsigned char>(encoded.begin(), encoded.end()), expected);
}

TEST(ReminderRecord, ANegativeKindIsReadAsSigned) {
    std::vector<unsigned char> bytes = handMadeRecord();
    put16(bytes, 8, 0xFFFF);
    EXPECT_EQ(decodeReminder(bytes.data()).kind, -1);
}

TEST(ReminderRow, ColumnsOfARecordAndBack) {
    const ReminderRecord r = reminder(
        {u"Tết Trung thu", 15, 8, false, KindFestival, 3, 19, 0, 0, u"Sân đình", u"Rước đèn"});
    const ReminderRow row = rowFromRecord(r, 4);
    EXPECT_EQ(row.columns[ColumnTitle], u"Tết Trung thu");
    EXPECT_EQ(row.columns[ColumnDate], u"15/08");
    EXPECT_EQ(row.columns[ColumnCalendar], u"-");
    EXPECT_EQ(row.columns[ColumnPlace], u"Sân đình");
    EXPECT_EQ(row.columns[ColumnContent], u"Rước đèn");
    EXPECT_EQ(row.columns[ColumnTime], u"19:00:00");
    EXPECT_EQ(row.columns[ColumnAdvance], u"3");
    EXPECT_EQ(row.image, KindFestival);
    EXPECT_EQ(row.itemData, 4);
    EXPECT_EQ(encodeReminder(recordFromRow(row)), encodeReminder(r));
    ReminderRecord solar = r;
    solar.solar = 1;
    EXPECT_EQ(rowFromRecord(solar, 0).columns[ColumnCalendar], u"+");
    solar.solar = 7; // only 1 is solar
    EXPECT_EQ(rowFromRecord(solar, 0).columns[ColumnCalendar], u"-");
}

TEST(ReminderRow, LongTextsAreCutToTheirFieldLessTheTerminator) {
    ReminderRow row = rowFromRecord(reminder({u"", 1, 1, true}), 0);
    row.columns[ColumnTitle] = std::u16string(120, u'Ạ');
    row.columns[ColumnPlace] = std::u16string(98, u'a') + u"😀";    // the pair fits: 100 units
    row.columns[ColumnContent] = std::u16string(498, u'b') + u"😀"; // it does not: cut before it
    const ReminderRecord r = recordFromRow(row);
    EXPECT_EQ(fieldText(r.title), std::u16string(99, u'Ạ'));
    EXPECT_EQ(fieldText(r.place), std::u16string(98, u'a'));
    EXPECT_EQ(fieldText(r.content), std::u16string(498, u'b'));
    EXPECT_EQ(r.title[99], u'\0');
}

struct ParseCase {
    const char* name;
    std::u16string_view date, time, advance;
    int day, month, hour, minute, second, storedAdvance;
};

class ColumnParsing : public ::testing::TestWithParam<ParseCase> {};

// Columns are read as the C library's scanf reads them: what does not parse stays 0.
TEST_P(ColumnParsing, ReadsAsScanfDoes) {
    const ParseCase& c = GetParam();
    ReminderRow row = rowFromRecord(reminder({u"x", 1, 1, true}), 0);
    row.columns[ColumnDate] = c.date;
    row.columns[ColumnTime] = c.time;
    row.columns[ColumnAdvance] = c.advance;
    const ReminderRecord r = recordFromRow(row);
    EXPECT_EQ(r.day, c.day);
    EXPECT_EQ(r.month, c.month);
    EXPECT_EQ(r.hour, c.hour);
    EXPECT_EQ(r.minute, c.minute);
    EXPECT_EQ(r.second, c.second);
    EXPECT_EQ(r.advance, c.storedAdvance);
}

INSTANTIATE_TEST_SUITE_P(
    ReminderRow, ColumnParsing,
    ::testing::Values(ParseCase{"editorForm", u"05/09", u"07:30:00", u"2", 5, 9, 7, 30, 0, 2},
                      ParseCase{"noneChosen", u"00/00", u"00:00:00", u"0", 0, 0, 0, 0, 0, 0},
                      ParseCase{"unpadded", u" 7/9", u"7:5:3", u"15", 7, 9, 7, 5, 3, 15},
                      ParseCase{"letters", u"ab/cd", u"giờ", u"x", 0, 0, 0, 0, 0, 0},
                      ParseCase{"dayOnly", u"12/", u"23:59", u"", 12, 0, 23, 59, 0, 0},
                      ParseCase{"spaceBeforeSlash", u"7 /9", u"073000", u"+4", 7, 0, 7, 0, 0, 4},
                      ParseCase{"negativeAdvanceWraps", u"1/1", u"-1:00:00", u"-3", 1, 1, 65535, 0,
                                0, 65533}),
    [](const auto& info) { return std::string(info.param.name); });

struct AdvanceCase {
    int advance;
    bool alarm;
    int daysBefore;
};

class Advance : public ::testing::TestWithParam<AdvanceCase> {};

// 0 is an alarm on the day; 1..9 and 15 keep their meaning; 10, which the editor stores for
// "9 days before", is an alarm 9 days before.
TEST_P(Advance, SaysWhetherAndHowFarAhead) {
    const AdvanceCase& c = GetParam();
    EXPECT_EQ(hasAlarm(c.advance), c.alarm) << c.advance;
    if (c.alarm) {
        EXPECT_EQ(daysBefore(c.advance), c.daysBefore) << c.advance;
    }
}

INSTANTIATE_TEST_SUITE_P(ReminderRecord, Advance,
                         ::testing::Values(AdvanceCase{0, true, 0}, AdvanceCase{1, true, 0},
                                           AdvanceCase{2, true, 1}, AdvanceCase{9, true, 8},
                                           AdvanceCase{10, true, 9}, AdvanceCase{11, false, 0},
                                           AdvanceCase{15, false, 0}, AdvanceCase{65535, false, 0},
                                           AdvanceCase{-1, false, 0}));

} // namespace
