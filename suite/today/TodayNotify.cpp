// Finding the Today item's window handle in the registry and sending it the reload message.
#include "suite/today/TodayNotify.h"

#include "platform/ipc/Messaging.h"
#include "platform/registry/RegistryKey.h"

namespace velmora::today {

bool notifyTodayItem(int timeoutMs) {
    using registry::RegistryKey;
    using registry::Status;
    RegistryKey key;
    uint32_t handle = 0;
    if (RegistryKey::currentUser().open(QString::fromUtf16(kHandleKey), &key) != Status::Success ||
        key.getDword(QString::fromUtf16(kHandleValue), &handle) != Status::Success || handle == 0)
        return false;
    return ipc::send(handle, kTodayReloadMessage, 0, 0, timeoutMs);
}

} // namespace velmora::today
