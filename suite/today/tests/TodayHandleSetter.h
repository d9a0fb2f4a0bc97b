// For tests of programs that tell the Today item: stores the item's window handle where the item
// keeps it, as a running item would.
#pragma once

#include "platform/registry/RegistryKey.h"
#include "suite/today/TodayMessages.h"

#include <cstdint>

namespace velmora::today::testing {

// Writes handle into the DWORD the programs read the item's handle from; false on failure.
inline bool setTodayHandle(uint32_t handle) {
    registry::RegistryKey key;
    return registry::RegistryKey::currentUser().create(QString::fromUtf16(kHandleKey), &key) ==
               registry::Status::Success &&
           key.setDword(QString::fromUtf16(kHandleValue), handle) == registry::Status::Success;
}

} // namespace velmora::today::testing
