// Composing a reminder's texts.
#include "suite/reminders/ReminderTexts.h"

#include "suite/text/Utf.h"

#include "VelmoraLib.h"

#include <cstdio>

namespace velmora::reminders {

namespace {

std::u16string ascii(const char* text) {
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

std::u16string dayMonthYear(const CivilDate& d) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", d.day, d.month, d.year);
    return ascii(text);
}

} // namespace

std::u16string reminderSummary(const ReminderRecord& r) {
    std::u16string title = fieldText(r.title);
    if (title.empty()) title = std::u16string(kindName(r.kind));
    return title.empty() ? u"Lịch nhắn" : title;
}

std::u16string reminderDayText(const ReminderRecord& r) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d ", r.day, r.month);
    return ascii(text) + (r.solar == 1 ? u"dương lịch" : u"âm lịch");
}

std::u16string solarDateText(const CivilDate& date) {
    return std::u16string(g_sThu[weekdayOf(date)]) + u", " + dayMonthYear(date);
}

std::u16string momentText(const LocalMoment& m) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", m.hour, m.minute, m.second);
    return ascii(text) + u" ngày " + dayMonthYear(m.date);
}

std::u16string notificationBody(const ReminderRecord& r, const Occurrence& o) {
    std::u16string body;
    const std::u16string_view kind = kindName(r.kind);
    if (!kind.empty()) body += std::u16string(kind) + u", ";
    body += reminderDayText(r) + u": " + solarDateText(o.date);
    if (const int ahead = daysBefore(r.advance); o.hasAlarm && ahead > 0) {
        char text[32];
        std::snprintf(text, sizeof text, " (còn %d ngày)", ahead);
        body += velmora::text::utf8ToUtf16(text);
    }
    if (const std::u16string place = fieldText(r.place); !place.empty())
        body += u"\nĐịa điểm: " + place;
    if (const std::u16string note = fieldText(r.content); !note.empty()) body += u"\n" + note;
    return body;
}

} // namespace velmora::reminders
