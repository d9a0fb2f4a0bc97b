// Registered message numbers, allocated and remembered in the device registry.
#include "platform/ipc/RegisteredMessage.h"

#include "platform/registry/RegistryKey.h"

namespace velmora::ipc {

uint32_t registerMessage(const QString& name) {
    using namespace registry;
    constexpr uint32_t first = 0xC000, last = 0xFFFF;
    if (name.isEmpty()) return 0;
    RegistryKey key;
    if (RegistryKey::currentUser().create(QStringLiteral("Device\\Messages"), &key) !=
        Status::Success)
        return 0;
    uint32_t number = 0;
    // Looking up and allocating in one transaction: two programs registering the same new name
    // at once still get one number.
    const Status s = key.transaction([&] {
        if (key.getDword(name, &number) == Status::Success) return Status::Success;
        // One past the highest number given so far, so a removed entry never leads to a reuse.
        uint32_t highest = first - 1;
        QString other;
        for (uint32_t i = 0; key.enumValue(i, &other) == Status::Success; ++i) {
            uint32_t taken = 0;
            if (key.getDword(other, &taken) == Status::Success) highest = qMax(highest, taken);
        }
        if (highest >= last) return Status::NoMoreItems;
        number = highest + 1;
        return key.setDword(name, number);
    });
    return s == Status::Success ? number : 0;
}

} // namespace velmora::ipc
