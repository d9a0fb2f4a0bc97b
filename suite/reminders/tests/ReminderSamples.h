// Reminders built the way the editor fills them, shared by the reminder tests.
#pragma once

#include "suite/reminders/ReminderRecord.h"

#include <string_view>

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

} // namespace velmora::reminders::testing
