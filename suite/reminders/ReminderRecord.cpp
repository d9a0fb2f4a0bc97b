// Decoding and encoding tagLICHNHAN byte by byte, so the layout never depends on the host.
#include "suite/reminders/ReminderRecord.h"

#include <algorithm>

namespace velmora::reminders {

namespace {

uint16_t u16At(const unsigned char* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

void putU16(unsigned char* p, uint16_t v) {
    p[0] = static_cast<unsigned char>(v & 0xFF);
    p[1] = static_cast<unsigned char>(v >> 8);
}

template <std::size_t N> void readText(char16_t (&field)[N], const unsigned char* p) {
    for (std::size_t i = 0; i < N; ++i) {
        const char16_t c = u16At(p + 2 * i);
        if (c == u'\0') break;
        field[i] = c;
    }
}

template <std::size_t N> void writeText(const char16_t (&field)[N], unsigned char* p) {
    for (std::size_t i = 0; i < N; ++i) putU16(p + 2 * i, field[i]);
}

} // namespace

std::u16string_view kindName(int kind) {
    // The four kinds the editor offers, in its order.
    static constexpr std::u16string_view names[kKindCount] = {u"Ngày lễ", u"Ngày hội", u"Ngày giỗ",
                                                              u"Ngày hẹn"};
    return kind >= 1 && kind <= kKindCount ? names[kind - 1] : std::u16string_view();
}

ReminderRecord decodeReminder(const unsigned char* p) {
    ReminderRecord r{};
    r.day = u16At(p + offsetof(ReminderRecord, day));
    r.month = u16At(p + offsetof(ReminderRecord, month));
    r.kind = static_cast<int16_t>(u16At(p + offsetof(ReminderRecord, kind)));
    r.solar = p[offsetof(ReminderRecord, solar)];
    r.advance = u16At(p + offsetof(ReminderRecord, advance));
    r.hour = u16At(p + offsetof(ReminderRecord, hour));
    r.minute = u16At(p + offsetof(ReminderRecord, minute));
    r.second = u16At(p + offsetof(ReminderRecord, second));
    readText(r.title, p + offsetof(ReminderRecord, title));
    readText(r.place, p + offsetof(ReminderRecord, place));
    readText(r.content, p + offsetof(ReminderRecord, content));
    return r;
}

std::array<unsigned char, kReminderRecordSize> encodeReminder(const ReminderRecord& r) {
    std::array<unsigned char, kReminderRecordSize> bytes{};
    unsigned char* p = bytes.data();
    putU16(p + offsetof(ReminderRecord, day), r.day);
    putU16(p + offsetof(ReminderRecord, month), r.month);
    putU16(p + offsetof(ReminderRecord, kind), static_cast<uint16_t>(r.kind));
    p[offsetof(ReminderRecord, solar)] = r.solar;
    putU16(p + offsetof(ReminderRecord, advance), r.advance);
    putU16(p + offsetof(ReminderRecord, hour), r.hour);
    putU16(p + offsetof(ReminderRecord, minute), r.minute);
    putU16(p + offsetof(ReminderRecord, second), r.second);
    writeText(r.title, p + offsetof(ReminderRecord, title));
    writeText(r.place, p + offsetof(ReminderRecord, place));
    writeText(r.content, p + offsetof(ReminderRecord, content));
    return bytes;
}

void setFieldText(char16_t* field, int width, std::u16string_view text) {
    std::fill(field, field + width, u'\0');
    std::size_t n = std::min<std::size_t>(text.size(), static_cast<std::size_t>(width - 1));
    // A high surrogate whose partner would be cut off is left out as well.
    if (n > 0 && n < text.size() && text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF) --n;
    std::copy_n(text.data(), n, field);
}

} // namespace velmora::reminders
