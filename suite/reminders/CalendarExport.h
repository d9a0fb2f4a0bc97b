// Calendars other programs can import: the user's reminders, and the lunar calendar itself (the
// first and fifteenth of every lunar month, the 24 solar terms, the traditional festivals).
#pragma once

#include "suite/reminders/Occurrence.h"

#include <string>
#include <vector>

namespace velmora::reminders {

// The reminders as iCalendar events, one per occurrence from today (the date of `now`, device
// local time) up to the same date ten years later, each with its alarm when it has one. Reminders
// whose day and month make no date are left out. stampUtc is the DTSTAMP of every event.
std::string remindersCalendar(const std::vector<ReminderRecord>& reminders, const LocalMoment& now,
                              const LocalMoment& stampUtc);

// The lunar calendar of the solar years fromYear..toYear (inside the calendar's years).
std::string lunarCalendar(int fromYear, int toYear, const LocalMoment& stampUtc);

// The stable UID part of a reminder: a hash of what identifies it (title, day, month, calendar,
// kind) and how many identical reminders came before it in the list.
std::string reminderKey(const ReminderRecord& reminder, int sameBefore);

} // namespace velmora::reminders
