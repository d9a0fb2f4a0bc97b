// A solar month as a grid, Monday first, each day with its lunar day.
#pragma once

#include <string>

namespace velmora::cal {

std::string monthGrid(int year, int month);

} // namespace velmora::cal
