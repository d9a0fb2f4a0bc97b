// The messages the Today item's window answers and where its window handle is kept: one
// definition for the item and for the programs that address it.
#pragma once

#include <cstdint>

namespace velmora::today {

inline constexpr uint32_t WM_USER = 0x0400;
// A menu command, as the device numbers it: wParam is the command id, lParam 0.
inline constexpr uint32_t WM_COMMAND = 0x0111;

// Progress of a weather update; wParam is an UpdateStatus.
inline constexpr uint32_t WM_VL_STATUS = WM_USER + 10;
// Repaint the whole item.
inline constexpr uint32_t WM_VL_REDRAW = WM_USER + 51;
// Reload the settings, the personal data and the shown city's forecast, then repaint.
inline constexpr uint32_t WM_VL_RELOAD = WM_USER + 52;

enum UpdateStatus : uint32_t {
    UpdateIdle = 0,
    UpdateStarted = 1,   // shown as "Đang kết nối"
    UpdateConnected = 2, // no effect on the item
    UpdateFinished = 4,  // the item reloads its forecast
    UpdateFailed = 5,    // no connection; no effect on the item
};

// Commands of the item's menu that other programs may send with WM_COMMAND.
inline constexpr uint32_t CmdTodayUpdate = 40005; // "Cập nhật": start a weather update

// The DWORD value holding the item's window handle, under HKEY_CURRENT_USER.
inline constexpr char16_t kHandleKey[] = u"Software\\VelmoraSoft\\LichVelmora\\";
inline constexpr char16_t kHandleValue[] = u"VelmoraToday";

} // namespace velmora::today
