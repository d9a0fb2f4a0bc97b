// Writing iCalendar (RFC 5545) text: content lines folded at 75 octets, CRLF line ends, escaped
// texts, and the date, date-time and duration values the calendars here need.
#pragma once

#include "suite/reminders/Occurrence.h"

#include <string>
#include <string_view>

namespace velmora::reminders {

class ICalendarWriter {
  public:
    // Opens the VCALENDAR with its version, product id and the calendar's display name.
    explicit ICalendarWriter(std::u16string_view calendarName);

    void begin(std::string_view component);
    void end(std::string_view component);
    // One content line "NAME[;params]:value"; value is written as given (already escaped).
    void property(std::string_view nameAndParams, std::string_view value);
    // A TEXT value, escaped.
    void text(std::string_view name, std::u16string_view value);

    // Closes the VCALENDAR and returns the whole text.
    std::string finish();

  private:
    std::string out_;
};

// TEXT escaping: backslash, semicolon and comma escaped, line breaks as "\n".
std::string escapeText(std::u16string_view text);
// One content line folded so that no line exceeds 75 octets, never inside a UTF-8 sequence.
std::string foldLine(std::string_view line);

// "YYYYMMDD", a DATE value.
std::string dateValue(const CivilDate& date);
// "YYYYMMDDTHHMMSSZ", a UTC DATE-TIME value.
std::string utcDateTimeValue(const LocalMoment& utc);
// A DURATION such as "-P8DT16H30M", "PT7H30M" or "PT0S", from a signed number of seconds.
std::string durationValue(long long seconds);

} // namespace velmora::reminders
