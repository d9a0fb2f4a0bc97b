// Converting between a stored reminder and its row of texts.
#include "suite/reminders/ReminderRow.h"

#include <cstdio>

namespace velmora::reminders {

namespace {

std::u16string ascii(const char* text) {
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

// Reads a decimal number as scanf's %d (or %Nd with a width) does: spaces skipped, an optional
// sign, at least one digit. False, leaving value alone, when there is none.
bool scanNumber(std::u16string_view s, std::size_t& pos, int& value, int width = 0) {
    std::size_t i = pos;
    while (i < s.size() && (s[i] == u' ' || s[i] == u'\t' || s[i] == u'\n')) ++i;
    const std::size_t start = i;
    const auto limitReached = [&] { return width > 0 && i - start >= std::size_t(width); };
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-') && !limitReached())
        negative = s[i++] == u'-';
    long long n = 0;
    std::size_t digits = 0;
    while (i < s.size() && s[i] >= u'0' && s[i] <= u'9' && !limitReached()) {
        if (n < 100000000000LL) n = n * 10 + (s[i] - u'0');
        ++i;
        ++digits;
    }
    if (digits == 0) return false;
    value = static_cast<int>(negative ? -n : n); // wraps as the C library does, never traps
    pos = i;
    return true;
}

bool scanLiteral(std::u16string_view s, std::size_t& pos, char16_t c) {
    if (pos >= s.size() || s[pos] != c) return false;
    ++pos;
    return true;
}

} // namespace

std::u16string dateColumn(int day, int month) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d", day, month);
    return ascii(text);
}

std::u16string timeColumn(int hour, int minute, int second) {
    char text[48];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hour, minute, second);
    return ascii(text);
}

std::u16string numberColumn(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return ascii(text);
}

ReminderRow rowFromRecord(const ReminderRecord& r, int itemData) {
    ReminderRow row;
    row.columns[ColumnTitle] = fieldText(r.title);
    row.columns[ColumnDate] = dateColumn(r.day, r.month);
    row.columns[ColumnCalendar] = r.solar == 1 ? u"+" : u"-";
    row.columns[ColumnPlace] = fieldText(r.place);
    row.columns[ColumnContent] = fieldText(r.content);
    row.columns[ColumnTime] = timeColumn(r.hour, r.minute, r.second);
    row.columns[ColumnAdvance] = numberColumn(r.advance);
    row.image = r.kind;
    row.itemData = itemData;
    return row;
}

DayMonth dayMonthOf(const ReminderRow& row) {
    DayMonth d;
    const std::u16string_view s = row.columns[ColumnDate];
    std::size_t pos = 0;
    if (scanNumber(s, pos, d.day) && scanLiteral(s, pos, u'/')) scanNumber(s, pos, d.month);
    return d;
}

int advanceOf(const ReminderRow& row) {
    int value = 0;
    std::size_t pos = 0;
    scanNumber(row.columns[ColumnAdvance], pos, value);
    return value;
}

bool isSolar(const ReminderRow& row) {
    return !row.columns[ColumnCalendar].empty() && row.columns[ColumnCalendar][0] == u'+';
}

ReminderRecord recordFromRow(const ReminderRow& row) {
    ReminderRecord r{};
    setFieldText(r.title, row.columns[ColumnTitle]);
    const DayMonth dm = dayMonthOf(row);
    r.day = static_cast<uint16_t>(dm.day);
    r.month = static_cast<uint16_t>(dm.month);
    r.solar = isSolar(row) ? 1 : 0;
    setFieldText(r.place, row.columns[ColumnPlace]);
    setFieldText(r.content, row.columns[ColumnContent]);
    int hour = 0, minute = 0, second = 0;
    const std::u16string_view time = row.columns[ColumnTime];
    std::size_t pos = 0;
    if (scanNumber(time, pos, hour, 2) && scanLiteral(time, pos, u':') &&
        scanNumber(time, pos, minute, 2) && scanLiteral(time, pos, u':'))
        scanNumber(time, pos, second, 2);
    r.hour = static_cast<uint16_t>(hour);
    r.minute = static_cast<uint16_t>(minute);
    r.second = static_cast<uint16_t>(second);
    r.advance = static_cast<uint16_t>(advanceOf(row));
    r.kind = static_cast<int16_t>(row.image);
    return r;
}

} // namespace velmora::reminders
