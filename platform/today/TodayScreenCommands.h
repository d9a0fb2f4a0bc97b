// The Today screen's soft keys: "Tùy chọn" opens the options of the selected item (or of the
// first that has some), "Mục chọn" lists every item's options and "Thoát".
#pragma once

#include "platform/shell/DeviceFrame.h"
#include "platform/today/TodayScreen.h"

namespace velmora::todayscreen {

enum : int {
    CmdTodayOptions = 100, // the left key
    CmdTodayQuit = 101,
    CmdTodayItemOptions = 200, // + the item's index
};

// The soft keys as a description: the items with options are listed by name.
shell::MenuBarDescription todayKeys(const TodayScreen& screen);
// The item whose options the left key opens: the selected one when it has options, otherwise
// the first that has; -1 for none.
int optionsTarget(const TodayScreen& screen);

// Puts the soft-key bar into the frame and carries out its commands.
void installTodayCommands(shell::DeviceFrame& frame, TodayScreen& screen);

} // namespace velmora::todayscreen
