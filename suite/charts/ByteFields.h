// Little-endian integers and zero-terminated UTF-16 text fields inside fixed-size records.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velmora::charts {

inline void putInt32(std::span<std::uint8_t> out, std::size_t at, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

inline std::int32_t getInt32(std::span<const std::uint8_t> in, std::size_t at) {
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < 4; ++i) u |= std::uint32_t{in[at + i]} << (8 * i);
    return static_cast<std::int32_t>(u);
}

// The characters of a text field up to its first terminator, or the whole width without one.
inline std::u16string getText(std::span<const std::uint8_t> in, std::size_t at, std::size_t width) {
    std::u16string text;
    for (std::size_t i = 0; i < width; ++i) {
        const auto c = static_cast<char16_t>(in[at + 2 * i] | (in[at + 2 * i + 1] << 8));
        if (c == 0) break;
        text.push_back(c);
    }
    return text;
}

// Writes at most `width` characters; the caller's zeroed record supplies the terminator.
inline void putText(std::span<std::uint8_t> out, std::size_t at, std::size_t width,
                    std::u16string_view text) {
    const std::size_t n = std::min(text.size(), width);
    for (std::size_t i = 0; i < n; ++i) {
        out[at + 2 * i] = static_cast<std::uint8_t>(text[i] & 0xFF);
        out[at + 2 * i + 1] = static_cast<std::uint8_t>(text[i] >> 8);
    }
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
