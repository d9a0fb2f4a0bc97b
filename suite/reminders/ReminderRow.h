// A reminder as a row of the reminder list: seven text columns and an image index, converted to
// and from the stored record the way the list always has.
#pragma once

#include "suite/reminders/ReminderRecord.h"

#include <array>
#include <string>
#include <string_view>

namespace velmora::reminders {

enum ReminderColumn : int {
    ColumnTitle = 0,    // the title
    ColumnDate = 1,     // "%02d/%02d", day first
    ColumnCalendar = 2, // "+" solar, "-" lunar
    ColumnPlace = 3,
    ColumnContent = 4,
    ColumnTime = 5,    // "%02d:%02d:%02d" of the alarm time
    ColumnAdvance = 6, // "%d" of the advance value
};
inline constexpr int kColumnCount = 7;

struct ReminderRow {
    std::array<std::u16string, kColumnCount> columns;
    int image = 0;    // the kind
    int itemData = 0; // the row's index, which sorting looks rows up by
};

// The row of a record, with item data itemData.
ReminderRow rowFromRecord(const ReminderRecord& record, int itemData);
// The record of a row: column 1 read as "%d/%d", column 5 as "%02d:%02d:%02d", column 6 as "%d"
// (as the C library's scanf reads them: a field that does not parse stays 0); texts cut to their
// field less the terminator; reserved bytes zero.
ReminderRecord recordFromRow(const ReminderRow& row);

struct DayMonth {
    int day = 0;
    int month = 0;
};
// Column 1 read as "%d/%d", day first.
DayMonth dayMonthOf(const ReminderRow& row);
// Column 6 read as "%d".
int advanceOf(const ReminderRow& row);
// Column 2 begins with "+".
bool isSolar(const ReminderRow& row);

// "%02d/%02d", "%02d:%02d:%02d", "%d" as the columns carry them.
std::u16string dateColumn(int day, int month);
std::u16string timeColumn(int hour, int minute, int second);
std::u16string numberColumn(int value);

} // namespace velmora::reminders
