// When a reminder falls: its solar date in a given year (a lunar reminder converted through the
// calendar library), the moment of its alarm, and its next occurrence after a moment.
#pragma once

#include "suite/reminders/ReminderRecord.h"

#include <optional>
#include <tuple>
#include <vector>

namespace velmora::reminders {

struct CivilDate {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    auto key() const { return std::tie(year, month, day); }
    bool operator==(const CivilDate& o) const { return key() == o.key(); }
    bool operator<(const CivilDate& o) const { return key() < o.key(); }
    bool operator<=(const CivilDate& o) const { return key() <= o.key(); }
};

// A device-local wall-clock moment.
struct LocalMoment {
    CivilDate date;
    int hour = 0;
    int minute = 0;
    int second = 0;
    auto key() const { return std::tie(date.year, date.month, date.day, hour, minute, second); }
    bool operator==(const LocalMoment& o) const { return key() == o.key(); }
    bool operator<(const LocalMoment& o) const { return key() < o.key(); }
    bool operator<=(const LocalMoment& o) const { return key() <= o.key(); }
};

// The date `days` later (earlier when negative), through the Julian day number.
CivilDate addDays(const CivilDate& date, int days);
// 0 Monday .. 6 Sunday, the index of g_sThu.
int weekdayOf(const CivilDate& date);

// Day `day` of solar month `month` of `year`; a day past the month's end falls on its last day
// (so 29 February falls on 28 February in a common year). Nullopt when day or month is not one.
std::optional<CivilDate> solarDateInYear(int day, int month, int year);

// Day `day` of the ordinary lunar month `month` of lunar year `lunarYear` (the year whose month 1
// begins in solar year lunarYear), reckoned in Vietnam's zone. Day 30 of a 29-day month falls on
// its 29th; in a year with a leap month `month` the reminder falls in the ordinary month only.
// Nullopt outside the calendar's years or when day or month is not one.
std::optional<CivilDate> solarDateOfLunar(int day, int month, int lunarYear);

struct Occurrence {
    int cycleYear = 0; // the solar year, or the lunar year, that this occurrence belongs to
    CivilDate date;    // the solar date the reminder falls on
    bool hasAlarm = false;
    LocalMoment alarm; // the alarm time on the date, moved back by the days before
};

// The reminder's occurrence in cycle year `year`; nullopt when its day and month make no date
// that year. An alarm whose time is not a time of day (from a damaged file) is left out.
std::optional<Occurrence> occurrenceInYear(const ReminderRecord& reminder, int year);

// The first occurrence still ahead at `now`: with an alarm, the first whose alarm is at or after
// now; without, the first whose date is today or later. Nullopt when there is none within the
// calendar's years.
std::optional<Occurrence> nextOccurrence(const ReminderRecord& reminder, const LocalMoment& now);

// Every occurrence whose date lies from `from` (inclusive) to `until` (exclusive), in order.
std::vector<Occurrence> occurrencesBetween(const ReminderRecord& reminder, const CivilDate& from,
                                           const CivilDate& until);

} // namespace velmora::reminders
