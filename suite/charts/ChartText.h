// Small text helpers of the charts: numbers as "%d" and "%02d" write them, in UTF-16.
#pragma once

#include <string>

namespace velmora::charts {

// "%0*d": the number with at least `width` digits, zero-padded after any minus sign.
inline std::u16string zeroPadded(int value, int width) {
    const std::string digits =
        std::to_string(value < 0 ? -static_cast<long long>(value) : static_cast<long long>(value));
    std::u16string out = value < 0 ? u"-" : u"";
    for (int i = static_cast<int>(digits.size()); i < width; ++i) out.push_back(u'0');
    for (const char c : digits) out.push_back(static_cast<char16_t>(c));
    return out;
}

inline std::u16string number(int value) {
    return zeroPadded(value, 0);
}

} // namespace velmora::charts
