// Solar dates of reminders: solar ones by clamping into the month, lunar ones through the lunar
// year's month table.
#include "suite/reminders/Occurrence.h"

#include "suite/reminders/LunarYear.h"

#include "VelmoraDay.h"

#include <algorithm>

namespace velmora::reminders {

namespace {

int dayNumberOf(const CivilDate& d) {
    return static_cast<int>(JD(d.day, d.month, d.year, 12.0));
}

CivilDate dateOfDayNumber(int dayNumber) {
    const SYSTEMTIME t = JD2ST(static_cast<double>(dayNumber), 0.0); // noon of that day
    return CivilDate{t.wYear, t.wMonth, t.wDay};
}

bool inCalendarRange(int year) {
    return isSupportedYear(year);
}

// How many cycle years to look past now's year before giving up: a lunar year's months 11 and 12
// reach into the next solar year, and an alarm may lie 9 days before a January date.
constexpr int kYearsAhead = 3;

} // namespace

CivilDate addDays(const CivilDate& date, int days) {
    return dateOfDayNumber(dayNumberOf(date) + days);
}

int weekdayOf(const CivilDate& date) {
    return dayNumberOf(date) % 7;
}

std::optional<CivilDate> solarDateInYear(int day, int month, int year) {
    if (month < 1 || month > 12 || day < 1 || day > 31 || !inCalendarRange(year))
        return std::nullopt;
    return CivilDate{year, month, std::min(day, SoNgayCuaThang(month, year))};
}

std::optional<CivilDate> solarDateOfLunar(int day, int month, int lunarYear) {
    if (month < 1 || month > 12 || day < 1 || day > 30) return std::nullopt;
    const LunarYear year(lunarYear);
    // A leap month carries the number it repeats, but only the ordinary month is the reminder's.
    const std::optional<LunarYear::Month> m = year.ordinaryMonth(month);
    if (!m) return std::nullopt;
    // The last lunar year's last months reach past the calendar's last solar year: the solar day
    // must lie inside it too, as for every lunar look-up.
    const CivilDate date = year.dateOf(*m, std::min(day, m->length));
    if (!inCalendarRange(date.year)) return std::nullopt;
    return date;
}

std::optional<Occurrence> occurrenceInYear(const ReminderRecord& r, int year) {
    const std::optional<CivilDate> date = r.solar == 1 ? solarDateInYear(r.day, r.month, year)
                                                       : solarDateOfLunar(r.day, r.month, year);
    if (!date) return std::nullopt;
    Occurrence o;
    o.cycleYear = year;
    o.date = *date;
    o.hasAlarm = hasAlarm(r.advance) && r.hour <= 23 && r.minute <= 59 && r.second <= 59;
    if (o.hasAlarm)
        o.alarm = LocalMoment{addDays(*date, -daysBefore(r.advance)), r.hour, r.minute, r.second};
    return o;
}

namespace {

bool isAhead(const Occurrence& o, const LocalMoment& now) {
    return o.hasAlarm ? now <= o.alarm : now.date <= o.date;
}

} // namespace

std::optional<Occurrence> nextOccurrence(const ReminderRecord& r, const LocalMoment& now) {
    // A lunar year begins in late January or February, so the lunar year before now's year may
    // still have its months 11 and 12 ahead.
    const int firstYear = std::max(kFirstSupportedYear, now.date.year - 1);
    for (int year = firstYear; year <= now.date.year + kYearsAhead && inCalendarRange(year);
         ++year) {
        const std::optional<Occurrence> o = occurrenceInYear(r, year);
        if (o && isAhead(*o, now)) return o;
    }
    return std::nullopt;
}

std::vector<Occurrence> occurrencesBetween(const ReminderRecord& r, const CivilDate& from,
                                           const CivilDate& until) {
    std::vector<Occurrence> list;
    // The lunar year before from's year may still have its months 11 and 12 ahead.
    for (int year = std::max(kFirstSupportedYear, from.year - 1);
         year < until.year + 1 && inCalendarRange(year); ++year) {
        const std::optional<Occurrence> o = occurrenceInYear(r, year);
        if (o && from <= o->date && o->date < until) list.push_back(*o);
    }
    return list;
}

} // namespace velmora::reminders
