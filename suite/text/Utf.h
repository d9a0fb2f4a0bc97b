// Conversions between UTF-8 (files, terminal) and UTF-16 (the calendar's texts).
#pragma once

#include <string>
#include <string_view>

namespace velmora::text {

// Malformed UTF-8 sequences become U+FFFD.
std::u16string utf8ToUtf16(std::string_view utf8);

// Unpaired surrogates become U+FFFD.
std::string utf16ToUtf8(std::u16string_view utf16);

// A text read from a file, made safe to show: unpaired surrogates become U+FFFD and control
// characters (C0, DEL and C1) are dropped, so none reaches a terminal or an HTML page.
std::u16string cleanText(std::u16string_view text);

} // namespace velmora::text
