// Sending VL_LICHNHAN_CHANGE.
#include "suite/today/ReminderChange.h"

#include "suite/today/TodayHandle.h"

#include "platform/ipc/Messaging.h"

namespace velmora::today {

bool AnnounceReminderChange(uint32_t message, int timeoutMs) {
    const uint32_t handle = todayItemHandle();
    return message != 0 && handle != 0 && ipc::send(handle, message, 0, 0, timeoutMs);
}

} // namespace velmora::today
