// VelmoraToday's own ids: its timer, menu commands, dialogs and controls, and the names of the
// panel contents (string resources 100 to 109).
#pragma once

#include "suite/today/TodayMessages.h"

namespace velmora::today {

inline constexpr int kClockTimerId = 1064; // the 1-second tick
inline constexpr int kTickMs = 1000;
inline constexpr int kHoldSeconds = 60; // a browsed date stays this long after the last browse
inline constexpr int kStrokeUnits = 26; // a pen movement up to this is a tap

// Menu 103, shown on tap-and-hold (pop-up "Muc chon").
enum : int {
    CmdTodayOptions = 40001,     // "Tùy chọn"
    CmdTodayChoosePage = 40004,  // "Trang 1" … "Trang 4" under "Chọn trang"
    CmdTodayMainProgram = 40007, // "Lịch Velmora"
    CmdTodayToday = 40009,       // "Hôm nay"
};
static_assert(CmdTodayUpdate == 40005); // "Cập nhật", in suite/today/TodayMessages.h

// Dialogs.
enum : int {
    IddWeatherPopup = 109,
    IddOptions = 500,
    IddOptionsDisplay = 104,
    IddOptionsFormat = 105,
    IddOptionsPlaces = 501,
    IddOptionsUpdate = 502,
    IddOptionsAbout = 503,
    IddColorPicker = 106,
    IdrOptionsMenuBar = 108,
};

// Controls of the options dialog, by page.
enum : int {
    IdcOptionsTabs = 1002,
    // "Hiển thị": lists 1001 + 2p (page p's left panel) and 1002 + 2p (its right panel).
    IdcDisplayFirstList = 1001,
    // "Định dạng": font row r (0..2) has its size edit at 1004 + 4r, then "Đậm", "Nghiêng",
    // "Mịn"; the colour buttons are 1024 … 1029.
    IdcFormatFirstSize = 1004,
    IdcFormatFirstColor = 1024,
    // "Địa điểm".
    IdcPlacesCities = 1008,
    IdcPlacesAdd = 1009,
    IdcPlacesDelete = 1010,
    IdcPlacesUp = 1011,
    IdcPlacesDown = 1012,
    IdcPlacesCountry = 1013,
    IdcPlacesCityNames = 1014,
    // "Cập nhật".
    IdcUpdateAutomatic = 1015,
    IdcUpdateChooseNetwork = 1016,
    IdcUpdateAutoConnect = 1017,
    IdcUpdateNetworks = 1066,
    IdcUpdateNetworksSpin = 1067,
    IdcUpdateIntervals = 1068,
    IdcUpdateIntervalsSpin = 1069,
    // The colour picker.
    IdcPickerDefault = 1028,
};

// The name of a panel content code in the options' lists (string resources 100 + code).
inline constexpr const char16_t* kContentNames[] = {
    u"Không",       u"Lịch Velmora",    u"Thời tiết", u"Đồng hồ số",  u"Thông tin cá nhân",
    u"Đồng hồ kim", u"Sự kiện nổi bật", u"Tỷ giá",    u"Chứng khoán", u"Lịch phát sóng",
};
inline constexpr int kContentCount = 10;

} // namespace velmora::today
