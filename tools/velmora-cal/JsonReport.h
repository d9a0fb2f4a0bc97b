// Every field of the day record as one JSON object.
#pragma once

#include "VelmoraLib.h"

#include <string>

namespace velmora::cal {

std::string jsonReport(const LICHVELMORA& rec);

} // namespace velmora::cal
