// The almanac reading of a day, for a terminal: plain text or the HTML document.
#pragma once

#include "VelmoraLib.h"

#include <string>
#include <vector>

namespace velmora::cal {

struct AlmanacReport {
    std::string text;                  // UTF-8
    std::vector<std::string> warnings; // Vietnamese, one per missing star file
};

// The star files come from $VELMORA_DATA_DIR, else from the build's data folder.
AlmanacReport almanacReport(const LICHVELMORA& rec, bool html);

} // namespace velmora::cal
