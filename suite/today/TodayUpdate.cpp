// Posting the Today item its update command.
#include "suite/today/TodayUpdate.h"

#include "suite/today/TodayHandle.h"
#include "suite/today/TodayMessages.h"

#include "platform/ipc/Messaging.h"

namespace velmora::today {

bool requestTodayWeatherUpdate(int timeoutMs) {
    const uint32_t handle = todayItemHandle();
    return handle != 0 && ipc::post(handle, WM_COMMAND, CmdTodayUpdate, 0, timeoutMs);
}

} // namespace velmora::today
