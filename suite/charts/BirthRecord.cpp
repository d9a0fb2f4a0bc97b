// The birth record's byte form and the values derived from its date.
#include "suite/charts/BirthRecord.h"

#include "VelmoraDay.h"
#include "suite/charts/ByteFields.h"

#include <cstring>

namespace velmora::charts {

namespace {

struct TextField {
    std::size_t offset;
    std::size_t width;
    char16_t* (*field)(BirthRecord&);
};

// Every text field with its place in the stored bytes.
const TextField kTextFields[] = {
    {0, kBirthTextWidth, [](BirthRecord& r) -> char16_t* { return r.name; }},
    {100, kBirthTextWidth, [](BirthRecord& r) -> char16_t* { return r.organisation; }},
    {200, kBirthTextWidth, [](BirthRecord& r) -> char16_t* { return r.address; }},
    {300, kBirthTextWidth, [](BirthRecord& r) -> char16_t* { return r.telephone; }},
    {400, kBirthTextWidth, [](BirthRecord& r) -> char16_t* { return r.email; }},
    {500, kCodeNumberWidth, [](BirthRecord& r) -> char16_t* { return r.codeNumber; }},
};

constexpr std::size_t kYearOffset = 548;
constexpr std::size_t kSmallFieldsOffset = 552; // month .. sex, one byte each
constexpr std::size_t kSmallFieldCount = 11;

std::int8_t* smallField(BirthRecord& r, std::size_t i) {
    std::int8_t* fields[kSmallFieldCount] = {
        &r.month,    &r.day,       &r.hour,       &r.minute,   &r.yearIndex, &r.monthIndex,
        &r.dayIndex, &r.hourIndex, &r.lunarMonth, &r.lunarDay, &r.sex};
    return fields[i];
}

} // namespace

BirthRecord decodeBirthRecord(std::span<const std::uint8_t, kBirthRecordSize> bytes) {
    BirthRecord record{};
    for (const TextField& f : kTextFields) {
        const std::u16string text = getText(bytes, f.offset, f.width);
        std::memcpy(f.field(record), text.data(), text.size() * sizeof(char16_t));
    }
    record.year = getInt32(bytes, kYearOffset);
    for (std::size_t i = 0; i < kSmallFieldCount; ++i)
        *smallField(record, i) = static_cast<std::int8_t>(bytes[kSmallFieldsOffset + i]);
    record.reserved = bytes[563];
    return record;
}

BirthRecordBytes encodeBirthRecord(const BirthRecord& record) {
    BirthRecordBytes bytes{};
    BirthRecord copy = record;
    for (const TextField& f : kTextFields) {
        const char16_t* field = f.field(copy);
        std::size_t n = 0;
        while (n < f.width && field[n] != u'\0') ++n;
        putText(bytes, f.offset, f.width, std::u16string_view(field, n));
    }
    putInt32(bytes, kYearOffset, record.year);
    for (std::size_t i = 0; i < kSmallFieldCount; ++i)
        bytes[kSmallFieldsOffset + i] = static_cast<std::uint8_t>(*smallField(copy, i));
    bytes[563] = record.reserved;
    return bytes;
}

bool isValidBirthMoment(const BirthRecord& r) {
    return r.year >= kFirstChartYear && r.year <= kLastChartYear && r.month >= 1 && r.month <= 12 &&
           r.day >= 1 && r.day <= SoNgayCuaThang(r.month, r.year) && r.hour >= 0 && r.hour <= 23 &&
           r.minute >= 0 && r.minute <= 59;
}

bool isMale(const BirthRecord& record) {
    return record.sex != 0;
}

bool fillDerivedValues(BirthRecord& r) {
    if (!isValidBirthMoment(r)) return false;
    const LICHVELMORA day = freshDay(r.day, r.month, r.year, r.hour, r.minute);
    r.yearIndex = static_cast<std::int8_t>(day.nCanChiNam);
    r.monthIndex = static_cast<std::int8_t>(day.nCanChiThang);
    r.dayIndex = static_cast<std::int8_t>(day.nCanChiNgay);
    r.hourIndex = static_cast<std::int8_t>(day.nCanChiGio);
    r.lunarMonth = static_cast<std::int8_t>(day.nThangAm);
    r.lunarDay = static_cast<std::int8_t>(day.nNgayAm);
    return true;
}

} // namespace velmora::charts
