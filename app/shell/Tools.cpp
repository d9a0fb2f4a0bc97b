// The tool windows the main menu opens, attached to their commands.
#include "app/shell/Tools.h"

#include "app/almanac/AlmanacWindow.h"
#include "app/personal/PersonalInfoDialog.h"
#include "app/res/CommandIds.h"
#include "app/shell/AboutDialog.h"

namespace velmora::app {

void installTools(MainWindow& window) {
    window.setTool(CmdPersonalInfo, [](MainWindow& w) {
        PersonalInfoDialog dialog(&w, w.state().personal);
        dialog.exec();
    });
    window.setTool(CmdAlmanac, [](MainWindow& w) {
        AlmanacWindow almanac(&w, w.state());
        almanac.exec();
    });
    window.setTool(CmdAbout, [](MainWindow& w) {
        AboutDialog dialog(&w);
        dialog.exec();
    });
}

} // namespace velmora::app
