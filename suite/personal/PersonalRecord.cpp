// Decoding and encoding the personal record, field by field.
#include "suite/personal/PersonalRecord.h"

#include "suite/text/Utf.h"

#include <QDate>
#include <QTime>
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

PersonalRecord decodePersonalRecord(const QByteArray& bytes, bool* garbled) {
    PersonalRecord r{};
    if (garbled) *garbled = false;
    if (bytes.size() < kPersonalRecordSize) return r;
    const char* p = bytes.constData();
    bool bad = false;
    for (const TextSpan& t : kTexts) {
        std::u16string stored;
        bool ended = false;
        for (int i = 0; i < t.width && !ended; ++i) {
            const char16_t c = qFromLittleEndian<quint16>(p + t.offset + 2 * i);
            ended = c == u'\0';
            if (!ended) stored.push_back(c);
        }
        // Every writer ends its texts within their fields and writes only printable text.
        const std::u16string clean = velmora::text::cleanText(stored);
        bad = bad || !ended || clean != stored;
        std::copy_n(clean.begin(), std::min<std::size_t>(clean.size(), t.width),
                    textAt(r, t.offset));
    }
    int offset = kBirthOffset;
    for (auto f : kTimeFields) {
        r.birth.*f = qFromLittleEndian<quint16>(p + offset);
        offset += 2;
    }
    const SYSTEMTIME& b = r.birth;
    const bool noBirth = b.wYear == 0 && b.wMonth == 0 && b.wDay == 0 && b.wHour == 0 &&
                         b.wMinute == 0 && b.wSecond == 0;
    bad = bad || (!noBirth && (!QDate(b.wYear, b.wMonth, b.wDay).isValid() ||
                               !QTime(b.wHour, b.wMinute, b.wSecond).isValid()));
    if (garbled) *garbled = bad;
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
