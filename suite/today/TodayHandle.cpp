// Reading the Today item's handle value.
#include "suite/today/TodayHandle.h"

#include "platform/registry/RegistryKey.h"

namespace velmora::today {

uint32_t todayItemHandle() {
    using registry::RegistryKey;
    using registry::Status;
    RegistryKey key;
    uint32_t handle = 0;
    if (RegistryKey::currentUser().open(QStringLiteral("Software\\VelmoraSoft\\LichVelmora\\"),
                                        &key) != Status::Success ||
        key.getDword(QStringLiteral("VelmoraToday"), &handle) != Status::Success)
        return 0;
    return handle;
}

} // namespace velmora::today
