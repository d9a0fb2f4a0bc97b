// The reminder editor's rules, without a screen: what its controls show for a row, the row they
// make, and where the controls go in the landscape and the upright arrangement.
#pragma once

#include "suite/reminders/ReminderRow.h"

#include <QRect>
#include <QTime>
#include <string>
#include <vector>

namespace velmora::app {

using reminders::ReminderRow;

// How much of each text the editor takes.
inline constexpr int kEditorTitleLimit = 99;
inline constexpr int kEditorPlaceLimit = 99;
inline constexpr int kEditorContentLimit = 259;
inline constexpr int kEditorDays = 30;       // "1" .. "30", for solar reminders too
inline constexpr int kEditorDaysBefore = 10; // "0" .. "9"

// The controls' state; an entry of -1 means nothing is selected in that list.
struct ReminderEditorValues {
    std::u16string title;
    std::u16string place;
    std::u16string content;
    int dayEntry = -1;   // day - 1
    int monthEntry = -1; // month - 1
    bool lunar = false;  // "Âm lịch"
    int kindEntry = 0;   // kind - 1; "Ngày lễ" at first
    bool alarmOn = true; // the time picker's check box
    QTime time;          // the time picker's time
    int daysBeforeEntry = -1;
};

// A new reminder: nothing chosen, the alarm checked at the present time.
ReminderEditorValues newReminderValues(const QTime& now);
// The controls for an existing row; without an alarm the picker is unchecked at `now`.
ReminderEditorValues editorValuesOf(const ReminderRow& row, const QTime& now);
// The row the controls make. `previous` is the row being edited (null for a new one): with the
// alarm unchecked its time column is kept, and its kind when no kind is selected (a kind the list
// does not offer, from an older file, stays as it was instead of becoming an empty slot).
ReminderRow rowOfEditor(const ReminderEditorValues& values, const ReminderRow* previous);

// A control's rectangle in 96-dpi units.
struct EditorPlacement {
    int id;
    QRect rect;
};
// Every control of the editor, placed for the landscape arrangement (a screen wider than 1.3
// times its height) or the upright one; clientHeight (96-dpi units) sizes the upright note.
std::vector<EditorPlacement> reminderEditorLayout(bool landscape, int clientHeight);

} // namespace velmora::app
