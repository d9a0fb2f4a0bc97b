// The iCalendar writer.
#include "suite/reminders/ICalendar.h"

#include "suite/text/Utf.h"

#include <cstdio>

namespace velmora::reminders {

namespace {
constexpr std::size_t kMaxLineOctets = 75;
} // namespace

std::string escapeText(std::u16string_view text) {
    std::string out;
    const std::string utf8 = velmora::text::utf16ToUtf8(text);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case ';':
            out += "\\;";
            break;
        case ',':
            out += "\\,";
            break;
        case '\r':
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
            out += "\\n";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            // Other control characters are not allowed in a TEXT value.
            if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) out += c;
            break;
        }
    }
    return out;
}

std::string foldLine(std::string_view line) {
    std::string out;
    std::size_t limit = kMaxLineOctets; // the continuation lines lose one octet to the space
    while (line.size() > limit) {
        std::size_t cut = limit;
        // Back off to the start of a UTF-8 sequence.
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
        out.append(line.substr(0, cut));
        out += "\r\n ";
        line.remove_prefix(cut);
        limit = kMaxLineOctets - 1;
    }
    out.append(line);
    out += "\r\n";
    return out;
}

std::string dateValue(const CivilDate& d) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", d.year, d.month, d.day);
    return text;
}

std::string utcDateTimeValue(const LocalMoment& m) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", m.date.year, m.date.month,
                  m.date.day, m.hour, m.minute, m.second);
    return text;
}

std::string durationValue(long long seconds) {
    std::string out = seconds < 0 ? "-P" : "P";
    const unsigned long long s = static_cast<unsigned long long>(seconds < 0 ? -seconds : seconds);
    const unsigned long long days = s / 86400, parts[3] = {s / 3600 % 24, s / 60 % 60, s % 60};
    if (days) out += std::to_string(days) + "D";
    // The time part runs from its first to its last non-zero unit without gaps ("16H0M30S"),
    // as the grammar allows no hour followed directly by seconds.
    int first = 0, last = 2;
    while (first < 3 && parts[first] == 0) ++first;
    while (last >= 0 && parts[last] == 0) --last;
    if (first > last) return days ? out : out + "T0S";
    static constexpr char units[3] = {'H', 'M', 'S'};
    out += 'T';
    for (int i = first; i <= last; ++i) out += std::to_string(parts[i]) + units[i];
    return out;
}

ICalendarWriter::ICalendarWriter(std::u16string_view calendarName) {
    begin("VCALENDAR");
    property("VERSION", "2.0");
    property("PRODID", "-//VelmoraSoft//Lich Velmora 3.0//VI");
    property("CALSCALE", "GREGORIAN");
    property("METHOD", "PUBLISH");
    text("X-WR-CALNAME", calendarName);
}

void ICalendarWriter::begin(std::string_view component) {
    property("BEGIN", component);
}

void ICalendarWriter::end(std::string_view component) {
    property("END", component);
}

void ICalendarWriter::property(std::string_view nameAndParams, std::string_view value) {
    std::string line(nameAndParams);
    line += ':';
    line.append(value);
    out_ += foldLine(line);
}

void ICalendarWriter::text(std::string_view name, std::u16string_view value) {
    property(name, escapeText(value));
}

std::string ICalendarWriter::finish() {
    end("VCALENDAR");
    return std::move(out_);
}

} // namespace velmora::reminders
