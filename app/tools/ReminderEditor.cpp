// Reading a row into the editor's controls and back, and the two arrangements.
#include "app/tools/ReminderEditor.h"

#include "app/res/CommandIds.h"

namespace velmora::app {

using namespace velmora::reminders;

ReminderEditorValues newReminderValues(const QTime& now) {
    ReminderEditorValues v;
    v.time = now;
    return v;
}

ReminderEditorValues editorValuesOf(const ReminderRow& row, const QTime& now) {
    ReminderEditorValues v;
    v.title = row.columns[ColumnTitle];
    v.place = row.columns[ColumnPlace];
    v.content = row.columns[ColumnContent];
    const DayMonth dm = dayMonthOf(row);
    v.dayEntry = dm.day >= 1 && dm.day <= kEditorDays ? dm.day - 1 : -1;
    v.monthEntry = dm.month >= 1 && dm.month <= 12 ? dm.month - 1 : -1;
    v.lunar = !row.columns[ColumnCalendar].empty() && row.columns[ColumnCalendar][0] == u'-';
    v.kindEntry = row.image >= 1 && row.image <= kKindCount ? row.image - 1 : -1;
    const int advance = advanceOf(row);
    v.alarmOn = hasAlarm(advance);
    v.time = now;
    if (v.alarmOn) {
        const ReminderRecord r = recordFromRow(row);
        const QTime alarm(r.hour, r.minute, r.second);
        if (alarm.isValid()) v.time = alarm;
        v.daysBeforeEntry = advance >= 1 && advance <= kEditorDaysBefore ? advance - 1 : -1;
    }
    return v;
}

ReminderRow rowOfEditor(const ReminderEditorValues& v, const ReminderRow* previous) {
    ReminderRow row;
    if (previous) row = *previous;
    row.columns[ColumnTitle] = v.title.substr(0, kEditorTitleLimit);
    row.columns[ColumnDate] = dateColumn(v.dayEntry + 1, v.monthEntry + 1);
    row.columns[ColumnPlace] = v.place.substr(0, kEditorPlaceLimit);
    row.columns[ColumnContent] = v.content; // the editor holds it to its limit
    row.columns[ColumnCalendar] = v.lunar ? u"-" : u"+";
    if (v.kindEntry >= 0 || !previous) row.image = v.kindEntry + 1;
    if (!v.alarmOn) {
        row.columns[ColumnAdvance] = numberColumn(kAdvanceNoAlarm);
    } else {
        row.columns[ColumnTime] = timeColumn(v.time.hour(), v.time.minute(), v.time.second());
        row.columns[ColumnAdvance] = numberColumn(v.daysBeforeEntry + 1);
    }
    return row;
}

std::vector<EditorPlacement> reminderEditorLayout(bool landscape, int clientHeight) {
    // Two columns of rectangles: landscape, upright.
    struct Row {
        int id;
        QRect landscape, upright;
    };
    const Row rows[] = {
        {IdcReminderTitleLabel, {2, 4, 50, 18}, {2, 4, 50, 18}},
        {IdcReminderTitle, {50, 2, 268, 18}, {50, 2, 188, 18}},
        {IdcReminderPlaceLabel, {2, 24, 50, 18}, {2, 24, 50, 18}},
        {IdcReminderPlace, {50, 22, 268, 18}, {50, 22, 188, 18}},
        {IdcReminderDayLabel, {2, 44, 50, 18}, {2, 44, 50, 18}},
        {IdcReminderDay, {50, 42, 30, 150}, {50, 42, 30, 150}},
        {IdcReminderMonthLabel, {82, 44, 35, 18}, {82, 44, 35, 18}},
        {IdcReminderMonth, {120, 42, 30, 150}, {120, 42, 30, 150}},
        {IdcReminderLunar, {155, 42, 62, 18}, {155, 42, 83, 18}},
        {IdcReminderKindLabel, {222, 44, 25, 18}, {2, 84, 25, 18}},
        {IdcReminderKind, {250, 42, 68, 150}, {50, 84, 68, 150}},
        {IdcReminderAlarmLabel, {2, 64, 50, 18}, {2, 64, 50, 18}},
        {IdcReminderAlarm, {48, 64, 100, 18}, {48, 64, 100, 18}},
        {IdcReminderBeforeLabel, {155, 64, 30, 18}, {155, 64, 30, 18}},
        {IdcReminderDaysBefore, {187, 62, 30, 100}, {185, 62, 25, 100}},
        {IdcReminderDaysLabel, {222, 64, 25, 18}, {212, 64, 25, 18}},
        {IdcReminderPrevious, {250, 64, 18, 18}, {185, 84, 18, 18}},
        {IdcReminderNext, {300, 64, 18, 18}, {220, 84, 18, 18}},
        {IdcReminderContent, {2, 84, 316, 102}, {2, 106, 236, clientHeight - 108}},
    };
    std::vector<EditorPlacement> out;
    for (const Row& r : rows) out.push_back({r.id, landscape ? r.landscape : r.upright});
    return out;
}

} // namespace velmora::app
