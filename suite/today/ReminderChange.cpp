// Sending VL_LICHNHAN_CHANGE.
#include "suite/today/ReminderChange.h"

#include "suite/today/TodayHandle.h"

#include "platform/ipc/Messaging.h"
#include "platform/ipc/RegisteredMessage.h"

namespace velmora::app {

bool AnnounceReminderChange(int timeoutMs) {
    // The name maps to the same number in every program of the device, so asking again gives the
    // number start-up registered.
    const uint32_t message = ipc::registerMessage(kReminderChangeMessageName);
    const uint32_t handle = todayItemHandle();
    return message != 0 && handle != 0 && ipc::send(handle, message, 0, 0, timeoutMs);
}

} // namespace velmora::app
