// Building the two exported calendars.
#include "suite/reminders/CalendarExport.h"

#include "suite/reminders/Festivals.h"
#include "suite/reminders/ICalendar.h"
#include "suite/reminders/LunarYear.h"
#include "suite/reminders/ReminderTexts.h"
#include "suite/text/Utf.h"

#include "VelmoraDay.h"

#include <cstdio>
#include <map>

namespace velmora::reminders {

namespace {

constexpr std::string_view kUidDomain = "@lichvelmora";
constexpr int kExportYears = 10;

std::u16string u16(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

std::string printed(const char* format, int a, int b = 0, int c = 0) {
    char text[64];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

// An all-day event on one date.
void beginDayEvent(ICalendarWriter& ics, const std::string& uid, const LocalMoment& stamp,
                   const CivilDate& date, std::u16string_view summary) {
    ics.begin("VEVENT");
    ics.property("UID", uid);
    ics.property("DTSTAMP", utcDateTimeValue(stamp));
    ics.property("DTSTART;VALUE=DATE", dateValue(date));
    ics.property("DTEND;VALUE=DATE", dateValue(addDays(date, 1)));
    ics.text("SUMMARY", summary);
    ics.property("TRANSP", "TRANSPARENT");
}

uint64_t fnv1a(std::string_view bytes) {
    uint64_t h = 1469598103934665603ULL;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return h;
}

// Seconds from the start (midnight) of the occurrence's date to its alarm.
long long alarmOffset(const Occurrence& o) {
    const long long days =
        static_cast<long long>(JD(o.alarm.date.day, o.alarm.date.month, o.alarm.date.year, 12.0) -
                               JD(o.date.day, o.date.month, o.date.year, 12.0));
    return days * 86400 + o.alarm.hour * 3600 + o.alarm.minute * 60 + o.alarm.second;
}

} // namespace

std::string reminderKey(const ReminderRecord& r, int sameBefore) {
    std::string identity = velmora::text::utf16ToUtf8(fieldText(r.title));
    identity += printed("|%d|%d|%d", r.day, r.month, r.solar) + printed("|%d", r.kind);
    char text[32];
    std::snprintf(text, sizeof text, "%016llx-%d", static_cast<unsigned long long>(fnv1a(identity)),
                  sameBefore);
    return text;
}

std::string remindersCalendar(const std::vector<ReminderRecord>& reminders, const LocalMoment& now,
                              const LocalMoment& stampUtc) {
    ICalendarWriter ics(u"Lịch nhắn");
    const CivilDate until =
        solarDateInYear(now.date.day, now.date.month, now.date.year + kExportYears)
            .value_or(CivilDate{now.date.year + kExportYears, 12, 31});
    std::map<std::string, int> seen;
    for (const ReminderRecord& r : reminders) {
        const std::string key = reminderKey(r, 0);
        const std::string uidBase = reminderKey(r, seen[key]++);
        const std::u16string summary = reminderSummary(r);
        for (const Occurrence& o : occurrencesBetween(r, now.date, until)) {
            beginDayEvent(ics,
                          "nhac-" + uidBase + printed("-%d", o.cycleYear) + std::string(kUidDomain),
                          stampUtc, o.date, summary);
            if (const std::u16string place = fieldText(r.place); !place.empty())
                ics.text("LOCATION", place);
            std::u16string description = reminderDayText(r);
            if (const std::u16string note = fieldText(r.content); !note.empty())
                description += u"\n" + note;
            ics.text("DESCRIPTION", description);
            if (const std::u16string_view kind = kindName(r.kind); !kind.empty())
                ics.text("CATEGORIES", kind);
            if (o.hasAlarm) {
                ics.begin("VALARM");
                ics.property("ACTION", "DISPLAY");
                ics.text("DESCRIPTION", summary);
                ics.property("TRIGGER", durationValue(alarmOffset(o)));
                ics.end("VALARM");
            }
            ics.end("VEVENT");
        }
    }
    return ics.finish();
}

std::string lunarCalendar(int fromYear, int toYear, const LocalMoment& stampUtc) {
    ICalendarWriter ics(u"Âm lịch Việt Nam");
    const CivilDate first{fromYear, 1, 1}, last{toYear, 12, 31};
    const auto inRange = [&](const CivilDate& d) { return first <= d && d <= last; };

    // The lunar year before fromYear still has months 11 and 12 in January of fromYear.
    for (int lunar = fromYear - 1; lunar <= toYear; ++lunar) {
        const LunarYear year(lunar);
        if (!year.isValid()) continue;
        const std::u16string yearName = canChiName(yearCanChiIndex(lunar));
        for (const LunarYear::Month& m : year.months()) {
            for (int day : {1, 15}) {
                int dayCanChi = 0;
                const CivilDate date = year.dateOf(m, day, &dayCanChi);
                if (!inRange(date)) continue;
                const std::u16string month =
                    u"tháng " + lunarMonthName(m.number) + (m.leap ? u" nhuận" : u"");
                const std::u16string summary =
                    (day == 1 ? u"Mùng 1 " : u"Rằm ") + month + u", ngày " + canChiName(dayCanChi);
                beginDayEvent(ics,
                              "am-" + printed("%d-%02d", lunar, m.number) + (m.leap ? "n" : "") +
                                  printed("-%02d", day) + std::string(kUidDomain),
                              stampUtc, date, summary);
                ics.text("DESCRIPTION", u"Ngày " + u16(printed("%d", day)) + u" " + month +
                                            u" năm " + yearName + u" (âm lịch)");
                ics.text("CATEGORIES", u"Âm lịch");
                ics.end("VEVENT");
            }
        }
        for (const FestivalRule& rule : festivalRules()) {
            const std::optional<CivilDate> date = festivalDate(rule, year);
            if (!date || !inRange(*date)) continue;
            beginDayEvent(ics,
                          "le-" + printed("%d-", lunar) + std::string(rule.key) +
                              std::string(kUidDomain),
                          stampUtc, *date, rule.name);
            ics.text("DESCRIPTION", std::u16string(rule.name) + u", năm " + yearName);
            ics.text("CATEGORIES", u"Lễ hội");
            ics.end("VEVENT");
        }
    }

    // The 24 solar terms of each solar year, at the instant the library finds for them.
    for (int solar = fromYear; solar <= toYear; ++solar) {
        const LICHVELMORA rec = freshDay(15, 6, solar);
        for (int m = 1; m <= 12; ++m) {
            for (bool major : {false, true}) {
                const double localJd = major ? rec.dTrungKhi[m] : rec.dTietKhi[m];
                const SYSTEMTIME utc = JD2ST(localJd, -kVietnamZone);
                const SYSTEMTIME local = JD2ST(localJd, 0.0);
                const LocalMoment at{
                    {utc.wYear, utc.wMonth, utc.wDay}, utc.wHour, utc.wMinute, utc.wSecond};
                const std::u16string name(major ? g_sTrungKhi[m - 1] : g_sTietKhi[m - 1]);
                ics.begin("VEVENT");
                ics.property("UID", "tiet-" + printed("%d-%02d-", solar, m) +
                                        (major ? "trung" : "tiet") + std::string(kUidDomain));
                ics.property("DTSTAMP", utcDateTimeValue(stampUtc));
                ics.property("DTSTART", utcDateTimeValue(at));
                ics.text("SUMMARY", name);
                ics.text("DESCRIPTION",
                         name + u16(printed(" lúc %02d:%02d", local.wHour, local.wMinute)) +
                             u16(printed(" ngày %02d/%02d/%04d", local.wDay, local.wMonth,
                                         local.wYear)) +
                             u" (giờ Việt Nam)");
                ics.text("CATEGORIES", u"Tiết khí");
                ics.property("TRANSP", "TRANSPARENT");
                ics.end("VEVENT");
            }
        }
    }
    return ics.finish();
}

} // namespace velmora::reminders
