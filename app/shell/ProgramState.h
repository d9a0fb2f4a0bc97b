// What LichVelmora keeps program-wide: the day shown, the program folder, the personal
// record and the weather of the shown city.
#pragma once

#include "app/shell/CurrentDay.h"
#include "suite/personal/PersonalFile.h"
#include "suite/personal/PersonalRecord.h"
#include "suite/weather/WeatherView.h"

#include <QString>
#include <QStringList>

namespace velmora::app {

struct ProgramState {
    CurrentDay currentDay;
    QString programFolder; // device path, no trailing backslash
    // Read once at start-up; the personal dialog edits it.
    personal::PersonalRecord personal{};
    // What went wrong while starting (installation, the registry, userinfo.dat), in Vietnamese:
    // the main window tells it once it is up.
    QStringList startUpProblems;
    // The number of the registered message "VL_LICHNHAN_CHANGE" that announces a change of the
    // reminders to the Today item; registered at start-up.
    uint32_t reminderChangeMessage = 0;
    // The city both programs show ("ThanhPho"), read from the stored forecast at start-up and
    // refreshed by the weather window; all zero without a stored forecast.
    velmora::weather::WeatherView weather{};
};

// Reads what start-up reads: the personal record (zero when its file is missing, short or
// garbled), the stored forecast of the shown city (zero without one) and the number of
// "VL_LICHNHAN_CHANGE".
void loadProgramState(ProgramState& state);

} // namespace velmora::app
