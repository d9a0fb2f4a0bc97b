// Reading the device's reminder file and printing or exporting its reminders.
#include "tools/velmora-cal/ReminderReport.h"

#include "tools/velmora-cal/ExportModes.h"

#include "platform/device/DeviceClock.h"
#include "suite/reminders/CalendarExport.h"
#include "suite/reminders/ReminderAlarms.h"
#include "suite/reminders/ReminderFile.h"
#include "suite/reminders/ReminderTexts.h"
#include "suite/text/Utf.h"

#include <cstdio>

namespace velmora::cal {

using namespace velmora::reminders;

namespace {

std::string utf8(std::u16string_view text) {
    return velmora::text::utf16ToUtf8(text);
}

} // namespace

int printDeviceReminders(const std::string& icsPath) {
    std::vector<ReminderRecord> records;
    if (!readReminderRecords(records)) {
        std::fprintf(stderr, "velmora-cal: Không tìm thấy file lichnhan.dat\n");
        return 1;
    }
    std::erase_if(records, [](const ReminderRecord& r) { return r.kind <= 0; });
    const QDateTime deviceNow = device::localNow();
    const LocalMoment now = localMomentOf(deviceNow);

    std::printf("Lịch nhắn của thiết bị: %zu, hôm nay %s\n", records.size(),
                utf8(solarDateText(now.date)).c_str());
    for (const ReminderRecord& r : records) {
        std::string line = utf8(reminderSummary(r)) + " — ";
        if (const std::u16string_view kind = kindName(r.kind); !kind.empty())
            line += utf8(kind) + ", ";
        line += utf8(reminderDayText(r));
        std::printf("%s\n", line.c_str());
        const std::optional<Occurrence> next = nextOccurrence(r, now);
        if (!next) {
            const bool validDate =
                r.month >= 1 && r.month <= 12 && r.day >= 1 && r.day <= (r.solar == 1 ? 31 : 30);
            std::printf(validDate ? "    không có ngày tới trong khoảng 1800–2199\n"
                                  : "    không có ngày tới (ngày hoặc tháng không hợp lệ)\n");
            continue;
        }
        std::printf("    ngày tới: %s; %s\n", utf8(solarDateText(next->date)).c_str(),
                    next->hasAlarm ? ("báo lúc " + utf8(momentText(next->alarm))).c_str()
                                   : "không báo");
    }
    if (icsPath.empty()) return 0;
    const QDateTime stamp = deviceNow.addSecs(-qint64(device::zoneHours()) * 3600);
    std::string error;
    if (!writeOutput(icsPath, remindersCalendar(records, now, localMomentOf(stamp)), error)) {
        std::fprintf(stderr, "velmora-cal: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

} // namespace velmora::cal
