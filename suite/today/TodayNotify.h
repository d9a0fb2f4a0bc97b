// Telling a running Today item that the personal record changed, so it reloads it.
#pragma once

#include "suite/today/TodayMessages.h"

#include <cstdint>

namespace velmora::today {

inline constexpr uint32_t kTodayReloadMessage = WM_VL_RELOAD; // WM_USER+52

// Sends kTodayReloadMessage (both parameters 0) to the window whose handle the Today item keeps
// in the DWORD "VelmoraToday" under HKEY_CURRENT_USER "Software\VelmoraSoft\LichVelmora\",
// waiting at most timeoutMs. True when it was delivered; a missing value or a handle nobody
// answers on any more is skipped quietly.
bool notifyTodayItem(int timeoutMs = 500);

} // namespace velmora::today
