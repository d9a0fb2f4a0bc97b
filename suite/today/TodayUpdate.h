// Asking a running Today item to download the weather now, as its own "Cập nhật" command does.
#pragma once

#include <cstdint>

namespace velmora::today {

// Posts WM_COMMAND with wParam CmdTodayUpdate (TodayMessages.h; lParam 0) to the window whose
// handle the Today item keeps in the DWORD "VelmoraToday" under HKEY_CURRENT_USER
// "Software\VelmoraSoft\LichVelmora\". False when no Today item runs (no value, or a handle nobody
// answers on any more).
bool requestTodayWeatherUpdate(int timeoutMs = 1000);

} // namespace velmora::today
