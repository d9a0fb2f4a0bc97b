// The destiny charts for a terminal: the purple-star chart (--tu-vi) and the four pillars
// (--tu-tru) of a birth moment, as text or JSON, from the same code and data files as the windows.
#pragma once

#include <string>
#include <vector>

namespace velmora::cal {

struct ChartReport {
    bool ok = false;
    std::string text;                  // UTF-8, when ok
    std::string error;                 // one Vietnamese line, when not ok
    std::vector<std::string> warnings; // a missing star file: the chart goes on without stars
};

// mode is "--tu-vi" or "--tu-tru"; args hold "YYYY-MM-DDTHH:MM", "--nam" or "--nu", and an
// optional "--json". currentYearIndex (the lunar year of now) places the stars of the current
// year. The star file comes from $VELMORA_DATA_DIR, else from the build's data folder.
ChartReport chartReport(const std::string& mode, const std::vector<std::string>& args,
                        int currentYearIndex);

} // namespace velmora::cal
