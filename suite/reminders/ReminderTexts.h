// The texts a reminder is shown with outside its list: in notifications, in the terminal
// calendar and in exported calendars.
#pragma once

#include "suite/reminders/Occurrence.h"

#include <string>

namespace velmora::reminders {

// The title; the kind's name when the title is empty; "Lịch nhắn" when that is empty too.
std::u16string reminderSummary(const ReminderRecord& reminder);
// "10/03 âm lịch" or "29/02 dương lịch".
std::u16string reminderDayText(const ReminderRecord& reminder);
// "Chủ nhật, 06/04/2025".
std::u16string solarDateText(const CivilDate& date);
// "07:30:00 ngày 27/03/2025".
std::u16string momentText(const LocalMoment& moment);
// What a notification of an occurrence says under its summary: the kind and day, the date, the
// place and the note, one per line (empty parts left out).
std::u16string notificationBody(const ReminderRecord& reminder, const Occurrence& occurrence);

} // namespace velmora::reminders
