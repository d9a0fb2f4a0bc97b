// What the personal information dialog shows, and how it maps to and from the record.
#pragma once

#include "suite/personal/PersonalRecord.h"

#include <QDateTime>
#include <QString>

namespace velmora::personal {

// The values of the dialog's controls. Times are wall-clock fields carried as UTC, so no host
// time zone can shift or reject them.
struct PersonalFields {
    QString name;
    QString company;
    QString address;
    QString telephone;
    QString email;
    QDateTime birth; // always valid
    bool male = false;
};

// The range the birth date picker offers, the years the calendar is reckoned for (1800-2199); a
// stored date outside it shows as the default.
QDateTime earliestBirth();
QDateTime latestBirth();
// Shown for a record without a usable birth date: 01/01/1990 00:00:00, a plausible adult's birth
// year close to where most users will pick theirs.
QDateTime defaultBirth();

// The stored birth date as wall-clock fields; defaultBirth() when it is zero, not a real date or
// time, or outside the picker's range.
QDateTime birthOf(const SYSTEMTIME& stored);
// The SYSTEMTIME of a wall-clock time, with its weekday (0 = Sunday) and no milliseconds.
SYSTEMTIME systemTimeOf(const QDateTime& wallClock);

PersonalFields fieldsOf(const PersonalRecord& record);
// Copies fields into record as the dialog saves them: each text cut to its field's limit (the
// terminator included), sex 1 for male else 0, the birth date; the unused bytes are kept.
void applyFields(PersonalRecord& record, const PersonalFields& fields);

} // namespace velmora::personal
