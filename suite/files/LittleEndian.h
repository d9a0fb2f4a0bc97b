// Little-endian integers and UTF-16 text slots inside fixed-size records: the byte order every
// record file of the device is written in.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velmora::files {

inline void putInt32(std::span<std::uint8_t> out, std::size_t at, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

inline std::int32_t getInt32(std::span<const std::uint8_t> in, std::size_t at) {
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < 4; ++i) u |= std::uint32_t{in[at + i]} << (8 * i);
    return static_cast<std::int32_t>(u);
}

inline char16_t getUnit(std::span<const std::uint8_t> in, std::size_t at) {
    return static_cast<char16_t>(in[at] | (in[at + 1] << 8));
}

// Writes at most `limit` UTF-16 units of text from `at`, nothing after them; returns how many.
inline std::size_t putUnits(std::span<std::uint8_t> out, std::size_t at, std::size_t limit,
                            std::u16string_view text) {
    const std::size_t n = std::min(text.size(), limit);
    for (std::size_t i = 0; i < n; ++i) {
        out[at + 2 * i] = static_cast<std::uint8_t>(text[i] & 0xFF);
        out[at + 2 * i + 1] = static_cast<std::uint8_t>(text[i] >> 8);
    }
    return n;
}

// The units of a slot of `width` units before its first zero, or the whole slot without one.
inline std::u16string getText(std::span<const std::uint8_t> in, std::size_t at, std::size_t width) {
    std::u16string text;
    for (std::size_t i = 0; i < width; ++i) {
        const char16_t c = getUnit(in, at + 2 * i);
        if (c == 0) break;
        text.push_back(c);
    }
    return text;
}

} // namespace velmora::files
