// The Today screen's soft-key bar and its commands.
#include "platform/today/TodayScreenCommands.h"

#include "platform/shell/SoftKeyBar.h"

#include <QApplication>

namespace velmora::todayscreen {

shell::MenuBarDescription todayKeys(const TodayScreen& screen) {
    shell::MenuBarDescription keys;
    keys.leftId = CmdTodayOptions;
    keys.leftText = QStringLiteral("Tùy chọn");
    keys.rightText = QStringLiteral("Mục chọn");
    for (int index : screen.itemsWithOptions())
        keys.rightMenu.push_back({CmdTodayItemOptions + index,
                                  QStringLiteral("Tùy chọn %1")
                                      .arg(QString::fromUtf16(screen.itemDescription(index)->name)),
                                  0,
                                  {}});
    if (!keys.rightMenu.empty()) keys.rightMenu.push_back({0, {}, shell::MenuSeparator, {}});
    keys.rightMenu.push_back({CmdTodayQuit, QStringLiteral("Thoát"), 0, {}});
    return keys;
}

int optionsTarget(const TodayScreen& screen) {
    const std::vector<int> withOptions = screen.itemsWithOptions();
    if (withOptions.empty()) return -1;
    for (int index : withOptions)
        if (index == screen.selected()) return index;
    return withOptions.front();
}

void installTodayCommands(shell::DeviceFrame& frame, TodayScreen& screen) {
    shell::SoftKeyBar* bar = shell::SoftKeyBar::create(todayKeys(screen));
    if (!bar) return;
    frame.setMenuBar(bar);
    QObject::connect(bar, &shell::SoftKeyBar::command, &screen, [&screen](int id) {
        if (id == CmdTodayQuit) {
            QApplication::quit();
        } else if (id == CmdTodayOptions) {
            screen.openOptions(optionsTarget(screen));
        } else if (id >= CmdTodayItemOptions) {
            screen.openOptions(id - CmdTodayItemOptions);
        }
    });
}

} // namespace velmora::todayscreen
