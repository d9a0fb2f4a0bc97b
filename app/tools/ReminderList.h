// The reminder list's rules, without a screen: its rows in the row form of the reminder store, the
// four sorts, deleting, adding and replacing rows, and what a row looks like.
#pragma once

#include "suite/reminders/ReminderRow.h"

#include "VelmoraLib.h"

#include <optional>
#include <vector>

namespace velmora::app {

using reminders::ReminderRow;

enum class ReminderSort { Title = 0, Date = 1, Kind = 2, Place = 3 };

// The menu command of a sort key, and the key of a command.
int sortCommand(ReminderSort key);
std::optional<ReminderSort> sortOfCommand(int command);

// How two rows compare under a key, as a negative, zero or positive number: titles and places by
// their UTF-16 code units; dates by month, then day, solar and lunar mixed by their numbers
// alone; kinds by their numbers.
int compareRows(const ReminderRow& a, const ReminderRow& b, ReminderSort key);

struct ReminderListState {
    std::vector<ReminderRow> rows;
    int selected = -1; // the row the editor and "Xóa" work on; -1 for none
    ReminderSort sort = ReminderSort::Date;
    bool fullScreen = false;

    // Sorts the rows (rows that compare equal keep their order), renumbers their item data and
    // keeps the selection on its row.
    void sortBy(ReminderSort key);
    // Deletes the selected row and renumbers; false, changing nothing, when none is selected.
    bool removeSelected();
    // Appends a row with item data equal to its index; returns the index.
    int append(ReminderRow row);
    // Overwrites row `index` (its item data stays); false for an index out of range.
    bool replace(int index, ReminderRow row);
    // Item data 0 .. n-1 in row order.
    void renumber();
};

// Rows are 30 px high (96-dpi units).
inline constexpr int kReminderRowHeight = 30;
// The bell is drawn when the row's advance value gives an alarm.
bool rowHasBell(const ReminderRow& row);
// Dark blue for a solar reminder, brown for a lunar one.
inline constexpr COLORREF kSolarRowColour = 0x990000;
inline constexpr COLORREF kLunarRowColour = 0x003366;
COLORREF rowTextColour(const ReminderRow& row);

} // namespace velmora::app
