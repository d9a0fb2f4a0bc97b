// Command ids of LichVelmora's menus and soft keys, and the windows' private messages.
#pragma once

namespace velmora::app {

enum Command : int {
    CmdLeftSoftKey = 40000,      // "Lịch vạn sự" / "Hôm nay" / "Lịch Vạn Sự"
    CmdMainMenu = 40001,         // "Mục chọn"
    CmdExit = 40002,             // "Kết thúc", Ctrl+Q
    CmdAlmanac = 40011,          // "Lịch vạn sự"
    CmdHouseTrigram = 40014,     // "Bát trạch"
    CmdLoBanRuler = 40015,       // "Thước Lỗ Ban"
    CmdPurpleStar = 40016,       // "Tử vi - Đẩu số"
    CmdNineStar = 40017,         // "Hạn theo Cửu diệu"
    CmdSixtyCycle = 40018,       // "Lục thập hoa giáp"
    CmdBiorhythm = 40021,        // "Nhịp sinh học"
    CmdReminders = 40022,        // "Lịch nhắn, lễ hội"
    CmdAbout = 40024,            // "Thông tin"
    CmdPersonalInfo = 40026,     // "Thông tin cá nhân"
    CmdFourPillars = 40173,      // "Tử bình - Tứ trụ"
    CmdWeather = 40181,          // "Dự báo thời tiết"
    CmdIChing = 40198,           // the I Ching reading
    CmdClockSync = 40204,        // "Cập nhật thời gian"
    CmdSavedCharts = 40237,      // "Xem lưu kiện lá số"
};

// The day page's clock timer.
inline constexpr int kClockTimerId = 1054;
inline constexpr int kClockTimerMs = 500;

} // namespace velmora::app
