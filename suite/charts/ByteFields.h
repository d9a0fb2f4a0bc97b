// Little-endian integers and zero-terminated UTF-16 text fields inside fixed-size records.
#pragma once

#include "suite/files/LittleEndian.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velmora::charts {

using files::getInt32;
using files::getText;
using files::putInt32;

// Writes at most `width` characters; the caller's zeroed record supplies the terminator.
inline void putText(std::span<std::uint8_t> out, std::size_t at, std::size_t width,
                    std::u16string_view text) {
    files::putUnits(out, at, width, text);
}

// The text of a fixed-width field in memory, never reading past its width.
template <std::size_t N> std::u16string fieldText(const char16_t (&field)[N]) {
    std::size_t n = 0;
    while (n < N && field[n] != u'\0') ++n;
    return std::u16string(field, n);
}

// At most `limit` characters of text, cut before a lone high surrogate.
inline std::u16string_view cutText(std::u16string_view text, std::size_t limit) {
    if (text.size() <= limit) return text;
    const bool splitsPair = limit > 0 && text[limit - 1] >= 0xD800 && text[limit - 1] <= 0xDBFF;
    return text.substr(0, splitsPair ? limit - 1 : limit);
}

// Copies at most N - 1 characters (a surrogate pair is never split) and zero-fills the rest, so
// the field stays terminated.
template <std::size_t N> void setFieldText(char16_t (&field)[N], std::u16string_view text) {
    const std::u16string_view kept = cutText(text, N - 1);
    std::fill(std::begin(field), std::end(field), u'\0');
    std::copy(kept.begin(), kept.end(), field);
}

} // namespace velmora::charts
