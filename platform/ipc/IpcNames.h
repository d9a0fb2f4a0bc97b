// Names of the local sockets and lock files through which programs of one device meet.
#pragma once

#include <QString>
#include <cstdint>

namespace velmora::ipc {

using Handle = uint32_t;

// Socket name of the endpoint with this handle on the current device.
QString endpointServerName(Handle handle);
// Socket name of the single instance keyed by key on the current device.
QString instanceServerName(const QString& key);
// Lock file that the owner of a single-instance key holds while it runs.
QString instanceLockPath(const QString& key);

} // namespace velmora::ipc
