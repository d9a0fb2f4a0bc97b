// The tool windows the main menu opens, attached to their commands.
#include "app/shell/Tools.h"

#include "app/almanac/AlmanacWindow.h"
#include "app/charts/FourPillarsWindow.h"
#include "app/charts/PurpleStarWindow.h"
#include "app/charts/SavedChartsWindow.h"
#include "app/fengshui/HouseTrigramDialog.h"
#include "app/fengshui/IChingDialog.h"
#include "app/fengshui/LoBanRulerDialog.h"
#include "app/fengshui/NineStarDialog.h"
#include "app/fengshui/SixtyCycleDialog.h"
#include "app/personal/PersonalInfoDialog.h"
#include "app/res/CommandIds.h"
#include "app/shell/AboutDialog.h"
#include "app/tools/BiorhythmWindow.h"
#include "app/tools/ClockSyncDialog.h"
#include "app/tools/PersonalToolState.h"
#include "app/tools/ReminderListDialog.h"
#include "app/tools/WeatherWindow.h"
#include "platform/device/RandomBytes.h"
#include "suite/personal/PersonalFields.h"

#include <memory>

namespace velmora::app {

namespace {

// The owner's birth date as the personal record holds it (01/01/1990 until one is set).
QDate ownerBirth(MainWindow& w) {
    return personal::birthOf(w.state().personal.birth).date();
}

// The day page's day and time.
QDateTime dayPageMoment(MainWindow& w) {
    const LICHVELMORA& day = w.state().currentDay.record;
    return QDateTime(QDate(day.nNam, day.nThang, day.nNgay), QTime(day.nGio, day.nPhut), Qt::UTC);
}

} // namespace

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
    window.setTool(CmdHouseTrigram, [](MainWindow& w) {
        HouseTrigramDialog dialog(&w, ownerBirth(w));
        dialog.exec();
    });
    window.setTool(CmdLoBanRuler, [](MainWindow& w) {
        LoBanRulerDialog dialog(&w);
        dialog.exec();
    });
    window.setTool(CmdIChing, [](MainWindow& w) {
        IChingDialog dialog(&w, w.state().programFolder, dayPageMoment(w), device::randomBytes);
        dialog.exec();
    });
    window.setTool(CmdNineStar, [](MainWindow& w) {
        NineStarDialog dialog(&w, w.state().programFolder, ownerBirth(w), dayPageMoment(w).date());
        dialog.exec();
    });
    window.setTool(CmdSixtyCycle, [](MainWindow& w) {
        SixtyCycleDialog dialog(&w, w.state().programFolder);
        dialog.exec();
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
