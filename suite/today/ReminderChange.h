// Telling the Today item that the reminder file has changed.
#pragma once

#include <cstdint>

namespace velmora::today {

// Sends `message`, the number start-up registered for "VL_LICHNHAN_CHANGE", with both parameters
// 0 to the Today item's window and waits until it has been handled, at most timeoutMs. False,
// quietly, when no Today item runs or the number is 0 (its registration failed).
bool AnnounceReminderChange(uint32_t message, int timeoutMs = 1000);

} // namespace velmora::today
