// The user's personal record (490 bytes) and its exact little-endian byte form.
#pragma once

#include "VelmoraLib.h"
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace velmora::personal {

// Widths in characters, terminator included.
inline constexpr int kNameWidth = 50;
inline constexpr int kCompanyWidth = 50;
inline constexpr int kAddressWidth = 50;
inline constexpr int kTelephoneWidth = 20;
inline constexpr int kEmailWidth = 50;
inline constexpr int kUnusedBytes = 33;

struct PersonalRecord {
    char16_t name[kNameWidth];
    char16_t company[kCompanyWidth];
    char16_t address[kAddressWidth];
    char16_t telephone[kTelephoneWidth];
    char16_t email[kEmailWidth];
    SYSTEMTIME birth;             // local birth date and time; all zero when never set
    uint8_t sex;                  // 1 male, 0 female
    uint8_t unused[kUnusedBytes]; // kept as read, written back unchanged
};

inline constexpr int kPersonalRecordSize = 490;
static_assert(std::is_standard_layout_v<PersonalRecord> &&
              std::is_trivially_copyable_v<PersonalRecord>);
static_assert(sizeof(PersonalRecord) == kPersonalRecordSize);
static_assert(offsetof(PersonalRecord, company) == 100 &&
              offsetof(PersonalRecord, address) == 200 &&
              offsetof(PersonalRecord, telephone) == 300 &&
              offsetof(PersonalRecord, email) == 340 && offsetof(PersonalRecord, birth) == 440 &&
              offsetof(PersonalRecord, sex) == 456 && offsetof(PersonalRecord, unused) == 457);

// The record in the first 490 bytes; all zero when there are fewer. Each text keeps what precedes
// its first terminator (its whole width when it has none), cleaned of invalid UTF-16 and control
// characters; the rest of its field is zeroed. *garbled tells whether a text had no terminator or
// such characters, or the birth date is neither zero nor a real date and time.
PersonalRecord decodePersonalRecord(const QByteArray& bytes, bool* garbled = nullptr);
// The 490 stored bytes of record.
QByteArray encodePersonalRecord(const PersonalRecord& record);

// A text field as text, never reading past its width.
template <std::size_t N> QString fieldText(const char16_t (&field)[N]) {
    std::size_t n = 0;
    while (n < N && field[n] != u'\0') ++n;
    return QString::fromUtf16(field, static_cast<qsizetype>(n));
}

// Copies at most limit - 1 characters of text (limit counts the terminator, as the edit controls
// do) into field, zero-filling the rest; a surrogate pair is never split.
void setFieldText(char16_t* field, int width, const QString& text, int limit);
template <std::size_t N> void setFieldText(char16_t (&field)[N], const QString& text) {
    setFieldText(field, static_cast<int>(N), text, static_cast<int>(N));
}

} // namespace velmora::personal
