// The tool windows the main menu opens, attached to their commands.
#include "app/shell/Tools.h"

#include "app/almanac/AlmanacWindow.h"
#include "app/charts/FourPillarsWindow.h"
#include "app/charts/PurpleStarWindow.h"
#include "app/charts/SavedChartsWindow.h"
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
    window.setTool(CmdPurpleStar, [](MainWindow& w) {
        PurpleStarWindow chart(&w, w.state());
        chart.exec();
    });
    window.setTool(CmdFourPillars, [](MainWindow& w) {
        FourPillarsWindow chart(&w, w.state());
        chart.exec();
    });
    // From the main menu, "OK" on a person opens that person's purple-star chart.
    window.setTool(CmdSavedCharts, [](MainWindow& w) {
        SavedChartsWindow list(&w, w.state().programFolder);
        if (list.exec() != velmora::shell::IDOK || !list.chosen()) return;
        PurpleStarWindow chart(&w, w.state());
        if (chart.open() && chart.receiveBirth(*list.chosen())) chart.exec();
    });
    window.setTool(CmdAbout, [](MainWindow& w) {
        AboutDialog dialog(&w);
        dialog.exec();
    });
}

} // namespace velmora::app
