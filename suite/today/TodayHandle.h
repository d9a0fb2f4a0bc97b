// Where the Today item keeps its window handle for the main program.
#pragma once

#include <cstdint>

namespace velmora::today {

// The DWORD "VelmoraToday" under HKEY_CURRENT_USER "Software\VelmoraSoft\LichVelmora\", or 0 when
// the key or value is missing.
uint32_t todayItemHandle();

} // namespace velmora::today
