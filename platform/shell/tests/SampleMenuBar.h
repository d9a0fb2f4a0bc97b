// The soft-key bar the shell's tests put on a frame: a left key and a right menu with a checked
// item, a separator, a submenu of radio items and a grayed item.
#pragma once

#include "platform/shell/SoftKeyBar.h"

namespace velmora::shell::test {

inline MenuBarDescription sampleMenuBar() {
    MenuBarDescription keys;
    keys.leftId = 101;
    keys.leftText = QStringLiteral("Hôm nay");
    keys.rightText = QStringLiteral("Menu");
    keys.rightMenu = {{201, QStringLiteral("Xem ngày"), MenuChecked, {}},
                      {0, {}, MenuSeparator, {}},
                      {0,
                       QStringLiteral("Công cụ"),
                       0,
                       {{301, QStringLiteral("Nhịp sinh học"), MenuRadio | MenuChecked, {}},
                        {302, QStringLiteral("Thời tiết"), MenuRadio, {}}}},
                      {202, QStringLiteral("Đồng bộ giờ"), MenuGrayed, {}},
                      {203, QStringLiteral("Thoát"), 0, {}}};
    return keys;
}

} // namespace velmora::shell::test
