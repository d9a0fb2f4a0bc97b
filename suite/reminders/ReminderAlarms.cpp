// Turning reminders into registered notices.
#include "suite/reminders/ReminderAlarms.h"

#include "suite/reminders/ReminderTexts.h"

namespace velmora::reminders {

LocalMoment localMomentOf(const QDateTime& t) {
    return LocalMoment{{t.date().year(), t.date().month(), t.date().day()},
                       t.time().hour(),
                       t.time().minute(),
                       t.time().second()};
}

QDateTime dateTimeOf(const LocalMoment& m) {
    return QDateTime(QDate(m.date.year, m.date.month, m.date.day),
                     QTime(m.hour, m.minute, m.second), Qt::UTC);
}

std::vector<notify::Notice> reminderNotices(const std::vector<ReminderRecord>& reminders,
                                            const LocalMoment& now) {
    std::vector<notify::Notice> notices;
    const CivilDate until{now.date.year + kAlarmYears + 1, 1, 1};
    for (const ReminderRecord& r : reminders) {
        if (r.kind <= 0 || !hasAlarm(r.advance)) continue;
        const QString title = QString::fromStdU16String(reminderSummary(r));
        // One notice per occurrence, each saying its own date; the later ones wait their turn.
        for (const Occurrence& o : occurrencesBetween(r, now.date, until))
            if (o.hasAlarm && now <= o.alarm)
                notices.push_back(notify::Notice{title,
                                                 QString::fromStdU16String(notificationBody(r, o)),
                                                 {dateTimeOf(o.alarm)}});
    }
    return notices;
}

bool registerReminderAlarms(const std::vector<ReminderRecord>& reminders, const LocalMoment& now) {
    return notify::registerNotices(kReminderNoticeGroup, reminderNotices(reminders, now));
}

} // namespace velmora::reminders
