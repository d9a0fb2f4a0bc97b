// A person whose chart is drawn (564 bytes): the record both chart windows receive and the
// saved-charts file holds, with its exact little-endian byte form.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>

namespace velmora::charts {

// Text widths in characters, terminator included.
inline constexpr std::size_t kBirthTextWidth = 50;
inline constexpr std::size_t kCodeNumberWidth = 24;

struct BirthRecord {
    char16_t name[kBirthTextWidth];         // "Họ tên"
    char16_t organisation[kBirthTextWidth]; // "Cơ quan" (entry label "Công ty")
    char16_t address[kBirthTextWidth];      // "Địa chỉ"
    char16_t telephone[kBirthTextWidth];    // "Điện thoại"
    char16_t email[kBirthTextWidth];        // "Email"
    char16_t codeNumber[kCodeNumberWidth];  // "Mã số": shown and saved, filled by no dialog
    std::int32_t year;                      // solar birth year, 1800..2199 for a chart
    std::int8_t month;                      // 1..12
    std::int8_t day;                        // 1..31
    std::int8_t hour;                       // 0..23
    std::int8_t minute;                     // 0..59
    // Derived when a chart is drawn: sexagenary indices 0..59 of the lunar year, lunar month,
    // day and hour, then the lunar month 1..12 and the lunar day 1..30.
    std::int8_t yearIndex;
    std::int8_t monthIndex;
    std::int8_t dayIndex;
    std::int8_t hourIndex;
    std::int8_t lunarMonth;
    std::int8_t lunarDay;
    std::int8_t sex;       // 1 male, 0 female
    std::uint8_t reserved; // kept as read
};

inline constexpr std::size_t kBirthRecordSize = 564;
static_assert(std::is_standard_layout_v<BirthRecord> && std::is_trivially_copyable_v<BirthRecord>);
static_assert(sizeof(BirthRecord) == kBirthRecordSize);
static_assert(offsetof(BirthRecord, organisation) == 100 && offsetof(BirthRecord, address) == 200 &&
              offsetof(BirthRecord, telephone) == 300 && offsetof(BirthRecord, email) == 400 &&
              offsetof(BirthRecord, codeNumber) == 500 && offsetof(BirthRecord, year) == 548 &&
              offsetof(BirthRecord, month) == 552 && offsetof(BirthRecord, day) == 553 &&
              offsetof(BirthRecord, hour) == 554 && offsetof(BirthRecord, minute) == 555 &&
              offsetof(BirthRecord, yearIndex) == 556 && offsetof(BirthRecord, lunarDay) == 561 &&
              offsetof(BirthRecord, sex) == 562 && offsetof(BirthRecord, reserved) == 563);

using BirthRecordBytes = std::array<std::uint8_t, kBirthRecordSize>;

// The record stored in 564 bytes. Each text keeps what precedes its first terminator (its whole
// width when it has none); the rest of its field is zeroed.
BirthRecord decodeBirthRecord(std::span<const std::uint8_t, kBirthRecordSize> bytes);
BirthRecordBytes encodeBirthRecord(const BirthRecord& record);

// The range of years the calendar computes.
inline constexpr int kFirstChartYear = 1800;
inline constexpr int kLastChartYear = 2199;

// True when the solar date and time exist and the year lies in 1800..2199: only then can a chart
// be drawn. Records from files may hold anything.
bool isValidBirthMoment(const BirthRecord& record);

bool isMale(const BirthRecord& record);

// Recomputes the six derived values from the birth date and time (zone +7); false, leaving them
// alone, when the moment is not valid.
bool fillDerivedValues(BirthRecord& record);

} // namespace velmora::charts
