// Conversions between UTF-8 (files, terminal) and UTF-16 (the calendar's texts).
#pragma once

#include <string>
#include <string_view>

namespace almanac {

// Malformed UTF-8 sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);

// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

} // namespace almanac
