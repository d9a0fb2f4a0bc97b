// Text helpers for the terminal calendar: UTF-16 to UTF-8 and printf-style formatting.
#pragma once

#include "VelmoraLib.h"

#include <string>

namespace velmora::cal {

std::string utf8(const char16_t* text);

// printf into a std::string.
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// "Giáp Tý" for a sexagenary index.
std::string canChi(int index);

// "dd/mm/yyyy hh:mm" of a local Julian date.
std::string localDateTime(double localJd);

// "hh:mm" from hours, or "--:--".
std::string clockTime(double hours);

} // namespace velmora::cal
