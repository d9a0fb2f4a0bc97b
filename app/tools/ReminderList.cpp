// Sorting and editing the rows of the reminder list.
#include "app/tools/ReminderList.h"

#include "app/res/CommandIds.h"

#include <algorithm>

namespace velmora::app {

using namespace velmora::reminders;

int sortCommand(ReminderSort key) {
    switch (key) {
    case ReminderSort::Title:
        return CmdRemindersByTitle;
    case ReminderSort::Date:
        return CmdRemindersByDate;
    case ReminderSort::Kind:
        return CmdRemindersByKind;
    case ReminderSort::Place:
        return CmdRemindersByPlace;
    }
    return CmdRemindersByDate;
}

std::optional<ReminderSort> sortOfCommand(int command) {
    for (ReminderSort key :
         {ReminderSort::Title, ReminderSort::Date, ReminderSort::Kind, ReminderSort::Place})
        if (sortCommand(key) == command) return key;
    return std::nullopt;
}

int compareRows(const ReminderRow& a, const ReminderRow& b, ReminderSort key) {
    switch (key) {
    case ReminderSort::Title:
        return a.columns[ColumnTitle].compare(b.columns[ColumnTitle]);
    case ReminderSort::Place:
        return a.columns[ColumnPlace].compare(b.columns[ColumnPlace]);
    case ReminderSort::Kind:
        return a.image - b.image;
    case ReminderSort::Date: {
        const DayMonth x = dayMonthOf(a), y = dayMonthOf(b);
        return x.month != y.month ? x.month - y.month : x.day - y.day;
    }
    }
    return 0;
}

void ReminderListState::renumber() {
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i].itemData = static_cast<int>(i);
}

void ReminderListState::sortBy(ReminderSort key) {
    sort = key;
    const int selectedData =
        selected >= 0 && selected < int(rows.size()) ? rows[selected].itemData : -1;
    std::stable_sort(rows.begin(), rows.end(), [key](const ReminderRow& a, const ReminderRow& b) {
        return compareRows(a, b, key) < 0;
    });
    selected = -1;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].itemData == selectedData) selected = static_cast<int>(i);
    renumber();
}

bool ReminderListState::removeSelected() {
    if (selected < 0 || selected >= int(rows.size())) return false;
    rows.erase(rows.begin() + selected);
    selected = -1;
    renumber();
    return true;
}

int ReminderListState::append(ReminderRow row) {
    row.itemData = static_cast<int>(rows.size());
    rows.push_back(std::move(row));
    return rows.back().itemData;
}

bool ReminderListState::replace(int index, ReminderRow row) {
    if (index < 0 || index >= int(rows.size())) return false;
    row.itemData = rows[index].itemData;
    rows[index] = std::move(row);
    return true;
}

bool rowHasBell(const ReminderRow& row) {
    return hasAlarm(advanceOf(row));
}

COLORREF rowTextColour(const ReminderRow& row) {
    return isSolar(row) ? kSolarRowColour : kLunarRowColour;
}

} // namespace velmora::app
