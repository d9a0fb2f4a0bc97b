// One reminder as lichnhan.dat stores it: the record tagLICHNHAN (1428 bytes, little-endian,
// UTF-16 texts), its kinds and what its advance value says about the alarm.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace velmora::reminders {

// Field widths in UTF-16 units, terminator included.
inline constexpr int kTitleWidth = 100;
inline constexpr int kPlaceWidth = 100;
inline constexpr int kContentWidth = 500;

struct tagLICHNHAN {
    uint8_t reserved0[4];  // written as zero, ignored when read
    uint16_t day;          // day of the month, 1..30
    uint16_t month;        // 1..12
    int16_t kind;          // 1..4 (kindName); 0 or below marks an empty slot
    uint8_t solar;         // 1: day and month are solar; 0: lunar
    uint8_t reserved11[7]; // written as zero
    uint16_t advance;      // whether the alarm is on and how many days ahead (hasAlarm)
    uint16_t hour;         // alarm time, kept when the alarm is off
    uint16_t minute;
    uint16_t second;
    uint8_t reserved26[2]; // written as zero
    char16_t title[kTitleWidth];
    char16_t place[kPlaceWidth];
    char16_t content[kContentWidth];
};
using ReminderRecord = tagLICHNHAN;

inline constexpr int kReminderRecordSize = 1428;
static_assert(std::is_standard_layout_v<ReminderRecord> &&
              std::is_trivially_copyable_v<ReminderRecord>);
static_assert(sizeof(ReminderRecord) == kReminderRecordSize);
static_assert(offsetof(ReminderRecord, day) == 4 && offsetof(ReminderRecord, month) == 6 &&
              offsetof(ReminderRecord, kind) == 8 && offsetof(ReminderRecord, solar) == 10 &&
              offsetof(ReminderRecord, reserved11) == 11 &&
              offsetof(ReminderRecord, advance) == 18 && offsetof(ReminderRecord, hour) == 20 &&
              offsetof(ReminderRecord, minute) == 22 && offsetof(ReminderRecord, second) == 24 &&
              offsetof(ReminderRecord, title) == 28 && offsetof(ReminderRecord, place) == 228 &&
              offsetof(ReminderRecord, content) == 428);

// Kinds; the kind is also the index of the row's icon in the reminder image strip.
enum ReminderKind : int {
    KindHoliday = 1,
    KindFestival = 2,
    KindAnniversary = 3,
    KindAppointment = 4
};
inline constexpr int kKindCount = 4;

// "Ngày lễ", "Ngày hội", "Ngày giỗ", "Ngày hẹn" for kinds 1..4; empty for any other kind.
std::u16string_view kindName(int kind);

// Advance values: 0 means the user never picked a number of days (an alarm on the day itself);
// 1..10 is an alarm (value - 1) days before the date; 15 and anything else above 10 is no alarm.
// The editor stores its choice "9 days before" as 10, so 10 is an alarm 9 days before too.
inline constexpr int kAdvanceLastAlarm = 10;
inline constexpr int kAdvanceNoAlarm = 15;
inline bool hasAlarm(int advance) {
    return advance >= 0 && advance <= kAdvanceLastAlarm;
}
inline int daysBefore(int advance) {
    return advance > 1 ? advance - 1 : 0;
}

// The record stored in bytes[0..1427]. Reserved bytes are read as zero; each text keeps what
// precedes its first terminator (its whole width when it has none) and the rest is zeroed.
ReminderRecord decodeReminder(const unsigned char* bytes);
// The 1428 stored bytes; reserved bytes are zero.
std::array<unsigned char, kReminderRecordSize> encodeReminder(const ReminderRecord& record);

// A text field as text, never reading past its width.
template <std::size_t N> std::u16string fieldText(const char16_t (&field)[N]) {
    std::size_t n = 0;
    while (n < N && field[n] != u'\0') ++n;
    return std::u16string(field, n);
}

// Copies at most width - 1 units of text (a surrogate pair is never split), zero-filling the rest.
void setFieldText(char16_t* field, int width, std::u16string_view text);
template <std::size_t N> void setFieldText(char16_t (&field)[N], std::u16string_view text) {
    setFieldText(field, static_cast<int>(N), text);
}

} // namespace velmora::reminders
