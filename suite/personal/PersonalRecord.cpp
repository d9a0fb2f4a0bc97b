// Decoding and encoding the personal record, field by field.
#include "suite/personal/PersonalRecord.h"

#include <QtEndian>
#include <algorithm>

namespace velmora::personal {

namespace {

// The text fields; their stored offsets equal their offsets in the struct (asserted in the header).
struct TextSpan {
    std::size_t offset;
    int width;
};
constexpr TextSpan kTexts[] = {{offsetof(PersonalRecord, name), kNameWidth},
                               {offsetof(PersonalRecord, company), kCompanyWidth},
                               {offsetof(PersonalRecord, address), kAddressWidth},
                               {offsetof(PersonalRecord, telephone), kTelephoneWidth},
                               {offsetof(PersonalRecord, email), kEmailWidth}};

char16_t* textAt(PersonalRecord& r, std::size_t offset) {
    return reinterpret_cast<char16_t*>(reinterpret_cast<unsigned char*>(&r) + offset);
}
const char16_t* textAt(const PersonalRecord& r, std::size_t offset) {
    return reinterpret_cast<const char16_t*>(reinterpret_cast<const unsigned char*>(&r) + offset);
}

uint16_t SYSTEMTIME::*const kTimeFields[] = {
    &SYSTEMTIME::wYear, &SYSTEMTIME::wMonth,  &SYSTEMTIME::wDayOfWeek, &SYSTEMTIME::wDay,
    &SYSTEMTIME::wHour, &SYSTEMTIME::wMinute, &SYSTEMTIME::wSecond,    &SYSTEMTIME::wMilliseconds};
constexpr int kBirthOffset = 440;
constexpr int kSexOffset = 456;
constexpr int kUnusedOffset = 457;

} // namespace

PersonalRecord decodePersonalRecord(const QByteArray& bytes) {
    PersonalRecord r{};
    if (bytes.size() < kPersonalRecordSize) return r;
    const char* p = bytes.constData();
    for (const TextSpan& t : kTexts) {
        char16_t* field = textAt(r, t.offset);
        for (int i = 0; i < t.width; ++i) {
            const char16_t c = qFromLittleEndian<quint16>(p + t.offset + 2 * i);
            if (c == u'\0') break;
            field[i] = c;
        }
    }
    int offset = kBirthOffset;
    for (auto f : kTimeFields) {
        r.birth.*f = qFromLittleEndian<quint16>(p + offset);
        offset += 2;
    }
    r.sex = static_cast<uint8_t>(p[kSexOffset]);
    std::copy_n(p + kUnusedOffset, kUnusedBytes, reinterpret_cast<char*>(r.unused));
    return r;
}

QByteArray encodePersonalRecord(const PersonalRecord& r) {
    QByteArray bytes(kPersonalRecordSize, '\0');
    char* p = bytes.data();
    for (const TextSpan& t : kTexts) {
        const char16_t* field = textAt(r, t.offset);
        for (int i = 0; i < t.width; ++i) qToLittleEndian<quint16>(field[i], p + t.offset + 2 * i);
    }
    int offset = kBirthOffset;
    for (auto f : kTimeFields) {
        qToLittleEndian<quint16>(r.birth.*f, p + offset);
        offset += 2;
    }
    p[kSexOffset] = static_cast<char>(r.sex);
    std::copy_n(reinterpret_cast<const char*>(r.unused), kUnusedBytes, p + kUnusedOffset);
    return bytes;
}

void setFieldText(char16_t* field, int width, const QString& text, int limit) {
    std::fill_n(field, width, u'\0');
    qsizetype n = std::min<qsizetype>(text.size(), std::min(limit, width) - 1);
    if (n <= 0) return;
    if (n < text.size() && text.at(n - 1).isHighSurrogate()) --n;
    std::copy_n(reinterpret_cast<const char16_t*>(text.utf16()), n, field);
}

} // namespace velmora::personal
