// The main window's soft-key bar and main menu.
#include "app/res/MainMenu.h"

#include "app/res/CommandIds.h"

namespace velmora::app {

using velmora::shell::MenuItem;
using velmora::shell::MenuSeparator;

velmora::shell::MenuBarDescription mainMenuBar() {
    velmora::shell::MenuBarDescription bar;
    bar.leftId = CmdLeftSoftKey;
    bar.leftText = QStringLiteral("Chọn nhanh");
    bar.rightId = CmdMainMenu;
    bar.rightText = QStringLiteral("Mục chọn");
    bar.rightMenu = {
        {0,
         QStringLiteral("Hàng ngày"),
         0,
         {{CmdBiorhythm, QStringLiteral("Nhịp sinh học"), 0, {}},
          {CmdReminders, QStringLiteral("Lịch nhắn, lễ hội"), 0, {}},
          {CmdWeather, QStringLiteral("Dự báo thời tiết"), 0, {}}}},
        {0, QStringLiteral("Lịch pháp"), 0, {{CmdAlmanac, QStringLiteral("Lịch vạn sự"), 0, {}}}},
        {0,
         QStringLiteral("Phong thủy"),
         0,
         {{CmdHouseTrigram, QStringLiteral("Bát trạch"), 0, {}},
          {CmdLoBanRuler, QStringLiteral("Thước Lỗ Ban"), 0, {}}}},
        {0,
         QStringLiteral("Chiêm tinh"),
         0,
         {{CmdPurpleStar, QStringLiteral("Tử vi - Đẩu số"), 0, {}},
          {CmdFourPillars, QStringLiteral("Tử bình - Tứ trụ"), 0, {}},
          {CmdNineStar, QStringLiteral("Hạn theo Cửu diệu"), 0, {}},
          {CmdSixtyCycle, QStringLiteral("Lục thập hoa giáp"), 0, {}},
          {CmdIChing, QStringLiteral("Giải quẻ dịch"), 0, {}}}},
        {0, QString(), MenuSeparator, {}},
        {0,
         QStringLiteral("Tiện ích"),
         0,
         {{CmdSavedCharts, QStringLiteral("Xem lưu kiện lá số"), 0, {}},
          {CmdClockSync, QStringLiteral("Cập nhật thời gian"), 0, {}}}},
        {0,
         QStringLiteral("Thiết lập"),
         0,
         {{CmdPersonalInfo, QStringLiteral("Thông tin cá nhân"), 0, {}}}},
        {CmdAbout, QStringLiteral("Thông tin"), 0, {}},
        {0, QString(), MenuSeparator, {}},
        {CmdExit, QStringLiteral("Kết thúc"), 0, {}},
    };
    return bar;
}

} // namespace velmora::app
