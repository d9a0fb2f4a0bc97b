// The reminders' alarms handed to the device's notification service: each occurrence of a reminder
// with an alarm over the coming years becomes a notice at its alarm moment, so that once one has
// been shown the reminder's next occurrence is already registered.
#pragma once

#include "suite/reminders/Occurrence.h"

#include "platform/notify/NoticeStore.h"

#include <QDateTime>
#include <vector>

namespace velmora::reminders {

// The group the reminder list's notices are registered under; each save replaces it whole.
inline const QString kReminderNoticeGroup = QStringLiteral("LichNhan");
// How far ahead a save registers a reminder's moments.
inline constexpr int kAlarmYears = 10;

// A device-local wall time (device::localNow()'s form) as a LocalMoment, and back.
LocalMoment localMomentOf(const QDateTime& deviceLocal);
QDateTime dateTimeOf(const LocalMoment& moment);

// The notices of the reminders that have an alarm: one per occurrence whose alarm is at or after
// `now`, up to the end of the year kAlarmYears later, in reminder order then date order.
std::vector<notify::Notice> reminderNotices(const std::vector<ReminderRecord>& reminders,
                                            const LocalMoment& now);

// Registers reminderNotices(reminders, now) in place of the previous save's; false when the
// registry could not be written.
bool registerReminderAlarms(const std::vector<ReminderRecord>& reminders, const LocalMoment& now);

} // namespace velmora::reminders
