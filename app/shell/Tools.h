// The tool windows the main menu opens, attached to their commands.
#pragma once

#include "app/shell/MainWindow.h"

namespace velmora::app {

void installTools(MainWindow& window);

} // namespace velmora::app
