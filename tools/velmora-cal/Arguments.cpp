// Parsing the terminal calendar's dates and numbers.
#include "tools/velmora-cal/Arguments.h"

#include "VelmoraLib.h"
#include "tools/velmora-cal/Text.h"

#include <charconv>
#include <cmath>

namespace velmora::cal {

namespace {

// Reads exactly `width` digits (or 1..width when width is negative) from the front.
bool takeNumber(std::string_view& s, int width, int& value) {
    size_t n = 0;
    const size_t limit = static_cast<size_t>(width < 0 ? -width : width);
    while (n < s.size() && n < limit && s[n] >= '0' && s[n] <= '9') ++n;
    if (n == 0 || (width > 0 && n != limit)) return false;
    value = 0;
    for (size_t i = 0; i < n; ++i) value = value * 10 + (s[i] - '0');
    s.remove_prefix(n);
    return true;
}

bool takeChar(std::string_view& s, char c) {
    if (s.empty() || s.front() != c) return false;
    s.remove_prefix(1);
    return true;
}

bool yearInRange(int year, std::string& error) {
    if (year >= kFirstYear && year <= kLastYear) return true;
    error = format("Năm %d nằm ngoài khoảng %d–%d", year, kFirstYear, kLastYear);
    return false;
}

} // namespace

std::optional<DateTime> parseDateTime(std::string_view text, std::string& error) {
    const std::string original(text);
    DateTime t;
    std::string_view s = text;
    if (!takeNumber(s, 4, t.year) || !takeChar(s, '-') || !takeNumber(s, 2, t.month) ||
        !takeChar(s, '-') || !takeNumber(s, 2, t.day)) {
        error =
            "Ngày không hợp lệ: \"" + original + "\" (cần dạng YYYY-MM-DD hoặc YYYY-MM-DDTHH:MM)";
        return std::nullopt;
    }
    if (!s.empty()) {
        if (!takeChar(s, 'T') || !takeNumber(s, 2, t.hour) || !takeChar(s, ':') ||
            !takeNumber(s, 2, t.minute) || !s.empty()) {
            error = "Giờ không hợp lệ: \"" + original + "\" (cần dạng YYYY-MM-DDTHH:MM)";
            return std::nullopt;
        }
        if (t.hour > 23 || t.minute > 59) {
            error = format("Giờ %02d:%02d không tồn tại", t.hour, t.minute);
            return std::nullopt;
        }
    }
    if (!yearInRange(t.year, error)) return std::nullopt;
    if (t.month < 1 || t.month > 12) {
        error = format("Tháng %d không tồn tại", t.month);
        return std::nullopt;
    }
    if (t.day < 1 || t.day > SoNgayCuaThang(t.month, t.year)) {
        error = format("Tháng %d năm %d không có ngày %d", t.month, t.year, t.day);
        return std::nullopt;
    }
    return t;
}

std::optional<YearMonth> parseYearMonth(std::string_view text, std::string& error) {
    YearMonth ym;
    std::string_view s = text;
    if (!takeNumber(s, 4, ym.year) || !takeChar(s, '-') || !takeNumber(s, 2, ym.month) ||
        !s.empty()) {
        error = "Tháng không hợp lệ: \"" + std::string(text) + "\" (cần dạng YYYY-MM)";
        return std::nullopt;
    }
    if (!yearInRange(ym.year, error)) return std::nullopt;
    if (ym.month < 1 || ym.month > 12) {
        error = format("Tháng %d không tồn tại", ym.month);
        return std::nullopt;
    }
    return ym;
}

std::optional<LunarDate> parseLunarDate(std::string_view text, std::string& error) {
    LunarDate d;
    std::string_view s = text;
    if (!takeNumber(s, -2, d.day) || !takeChar(s, '/') || !takeNumber(s, -2, d.month) ||
        !takeChar(s, '/') || !takeNumber(s, 4, d.year) || !s.empty()) {
        error = "Ngày âm lịch không hợp lệ: \"" + std::string(text) + "\" (cần dạng D/M/YYYY)";
        return std::nullopt;
    }
    // The last lunar months of 1799 begin in January 1800: their solar days are checked later.
    if (d.year != kFirstYear - 1 && !yearInRange(d.year, error)) return std::nullopt;
    if (d.month < 1 || d.month > 12) {
        error = format("Tháng âm lịch %d không tồn tại", d.month);
        return std::nullopt;
    }
    if (d.day < 1 || d.day > 30) {
        error = format("Ngày âm lịch %d không tồn tại", d.day);
        return std::nullopt;
    }
    return d;
}

std::optional<double> parseNumber(std::string_view text, double low, double high, const char* what,
                                  std::string& error) {
    double value = 0;
    // "+7" and "+21" are written as often as "7" and "21".
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+')
        text.remove_prefix(1);
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        error = format("%s không hợp lệ: \"%s\"", what, std::string(text).c_str());
        return std::nullopt;
    }
    if (value < low || value > high) {
        error = format("%s phải nằm trong khoảng %g đến %g", what, low, high);
        return std::nullopt;
    }
    return value;
}

} // namespace velmora::cal
