// What LichVelmora keeps program-wide: the day shown, the program folder, the personal
// record and the weather of the shown city.
#pragma once

#include "app/shell/CurrentDay.h"
#include "suite/personal/PersonalRecord.h"
#include "suite/weather/WeatherView.h"

#include <QString>

namespace velmora::app {

struct ProgramState {
    CurrentDay currentDay;
    QString programFolder;     // device path, no trailing backslash
    PersonalRecord personal{}; // read once at start-up; the personal dialog edits it
    // The city shown by the weather window; all zero until that window fills it.
    velmora::weather::WeatherView weather{};
};

// Reads what start-up reads: the personal record (zero when its file is missing,
// short or garbled).
void loadProgramState(ProgramState& state);

} // namespace velmora::app
