// Reminders built the way the editor fills them, and the file that holds them, shared by the
// reminder tests.
#pragma once

#include "suite/reminders/ReminderRecord.h"

#include <string_view>
#include <vector>

namespace velmora::reminders::testing {

struct Sample {
    std::u16string_view title;
    int day;
    int month;
    bool solar;
    int kind = KindAnniversary;
    int advance = kAdvanceNoAlarm;
    int hour = 0, minute = 0, second = 0;
    std::u16string_view place = u"";
    std::u16string_view content = u"";
};

inline ReminderRecord reminder(const Sample& s) {
    ReminderRecord r{};
    setFieldText(r.title, s.title);
    setFieldText(r.place, s.place);
    setFieldText(r.content, s.content);
    r.day = static_cast<uint16_t>(s.day);
    r.month = static_cast<uint16_t>(s.month);
    r.solar = s.solar ? 1 : 0;
    r.kind = static_cast<int16_t>(s.kind);
    r.advance = static_cast<uint16_t>(s.advance);
    r.hour = static_cast<uint16_t>(s.hour);
    r.minute = static_cast<uint16_t>(s.minute);
    r.second = static_cast<uint16_t>(s.second);
    return r;
}

// The bytes of a reminder file holding records in order, each encoded on its own. Bytes is any
// byte string with append(const char*, size): std::string, or QByteArray for the device root.
template <typename Bytes> Bytes fileBytes(const std::vector<ReminderRecord>& records) {
    Bytes bytes;
    for (const ReminderRecord& r : records) {
        const auto b = encodeReminder(r);
        bytes.append(reinterpret_cast<const char*>(b.data()), b.size());
    }
    return bytes;
}

} // namespace velmora::reminders::testing
