// Message numbers that programs of the device agree on by name.
#pragma once

#include <QString>
#include <cstdint>

namespace velmora::ipc {

// The number for name (case-blind), the same in every program of the device: 0xC000 and up in
// order of first registration, kept in the registry. 0 for an empty name, when the range is used
// up, or when the registry fails.
uint32_t registerMessage(const QString& name);

} // namespace velmora::ipc
