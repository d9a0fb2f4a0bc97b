// The tool windows the main menu opens, attached to their commands.
#include "app/shell/Tools.h"

#include "app/almanac/AlmanacWindow.h"
#include "app/personal/PersonalInfoDialog.h"
#include "app/res/CommandIds.h"
#include "app/shell/AboutDialog.h"
#include "app/tools/BiorhythmWindow.h"
#include "app/tools/ClockSyncDialog.h"
#include "app/tools/PersonalToolState.h"
#include "app/tools/ReminderListDialog.h"
#include "app/tools/WeatherWindow.h"

#include <memory>

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
    auto tools = std::make_shared<PersonalToolState>(); // lives as long as the tools do
    window.setTool(CmdBiorhythm, [tools](MainWindow& w) {
        BiorhythmWindow dialog(&w, w.state().programFolder, w.state().personal.birth,
                               tools->biorhythm);
        dialog.exec();
    });
    window.setTool(CmdReminders, [](MainWindow& w) {
        ReminderListDialog dialog(&w, w.state().reminderChangeMessage);
        dialog.exec();
    });
    window.setTool(CmdWeather, [tools](MainWindow& w) {
        WeatherWindow dialog(&w, w.state(), tools->weatherCity);
        dialog.exec();
    });
    window.setTool(CmdClockSync, [](MainWindow& w) {
        ClockSyncDialog dialog(&w);
        dialog.exec();
    });
    window.setTool(CmdAbout, [](MainWindow& w) {
        AboutDialog dialog(&w);
        dialog.exec();
    });
}

} // namespace velmora::app
