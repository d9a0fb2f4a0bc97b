// Sending and posting messages to an endpoint of any program of the device.
#pragma once

#include "platform/ipc/IpcNames.h"

#include <cstdint>

namespace velmora::ipc {

// Delivers the message and waits up to timeoutMs for the receiver's result. False, quietly, when
// nobody listens on the handle or no answer came in time. A handle of this very process is
// called directly, as the device does for its own thread.
bool send(Handle handle, uint32_t msg, uint32_t wParam, int32_t lParam, int timeoutMs,
          int32_t* result = nullptr);

// Hands the message over without waiting for it to be handled; false, quietly, when nobody
// listens on the handle. A handle of this process gets it from its event loop.
bool post(Handle handle, uint32_t msg, uint32_t wParam, int32_t lParam, int timeoutMs = 1000);

} // namespace velmora::ipc
