// Converting between the personal record and the values of the dialog's controls.
#include "suite/personal/PersonalFields.h"

namespace velmora::personal {

QDateTime earliestBirth() {
    return QDateTime(QDate(1800, 1, 1), QTime(0, 0), Qt::UTC);
}
QDateTime latestBirth() {
    return QDateTime(QDate(2199, 12, 31), QTime(23, 59, 59), Qt::UTC);
}
QDateTime defaultBirth() {
    return QDateTime(QDate(1990, 1, 1), QTime(0, 0), Qt::UTC);
}

QDateTime birthOf(const SYSTEMTIME& s) {
    const QDate date(s.wYear, s.wMonth, s.wDay);
    const QTime time(s.wHour, s.wMinute, s.wSecond);
    if (!date.isValid() || !time.isValid()) return defaultBirth();
    const QDateTime birth(date, time, Qt::UTC);
    if (birth < earliestBirth() || birth > latestBirth()) return defaultBirth();
    return birth;
}

SYSTEMTIME systemTimeOf(const QDateTime& wallClock) {
    const QDate d = wallClock.date();
    const QTime t = wallClock.time();
    SYSTEMTIME s{};
    s.wYear = static_cast<uint16_t>(d.year());
    s.wMonth = static_cast<uint16_t>(d.month());
    s.wDayOfWeek = static_cast<uint16_t>(d.dayOfWeek() % 7);
    s.wDay = static_cast<uint16_t>(d.day());
    s.wHour = static_cast<uint16_t>(t.hour());
    s.wMinute = static_cast<uint16_t>(t.minute());
    s.wSecond = static_cast<uint16_t>(t.second());
    return s;
}

PersonalFields fieldsOf(const PersonalRecord& r) {
    return PersonalFields{fieldText(r.name),
                          fieldText(r.company),
                          fieldText(r.address),
                          fieldText(r.telephone),
                          fieldText(r.email),
                          birthOf(r.birth),
                          r.sex != 0};
}

void applyFields(PersonalRecord& r, const PersonalFields& f) {
    setFieldText(r.name, f.name);
    setFieldText(r.company, f.company);
    setFieldText(r.address, f.address);
    setFieldText(r.telephone, f.telephone);
    setFieldText(r.email, f.email);
    r.sex = f.male ? 1 : 0;
    if (f.birth.isValid()) r.birth = systemTimeOf(f.birth);
}

} // namespace velmora::personal
