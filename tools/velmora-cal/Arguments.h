// Parsing the terminal calendar's dates and numbers, with Vietnamese error messages.
#pragma once

#include "VelmoraDay.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora::cal {

// The range of years the calendar computes.
inline constexpr int kFirstYear = velmora::kFirstSupportedYear;
inline constexpr int kLastYear = velmora::kLastSupportedYear;

struct DateTime {
    int year = 0, month = 0, day = 0, hour = 12, minute = 0;
};

// "YYYY-MM-DD" or "YYYY-MM-DDTHH:MM"; without a time, 12:00.
std::optional<DateTime> parseDateTime(std::string_view text, std::string& error);

struct YearMonth {
    int year = 0, month = 0;
};

// "YYYY-MM".
std::optional<YearMonth> parseYearMonth(std::string_view text, std::string& error);

struct LunarDate {
    int day = 0, month = 0, year = 0;
};

// "D/M/YYYY".
std::optional<LunarDate> parseLunarDate(std::string_view text, std::string& error);

// A decimal number within [low, high]; `what` names it in the message.
std::optional<double> parseNumber(std::string_view text, double low, double high, const char* what,
                                  std::string& error);

} // namespace velmora::cal
