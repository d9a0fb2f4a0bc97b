// Names of stems and branches from the library's tables, so the data uses the calendar's spelling.
#include "tools/vansu-compile/src/ValueNames.h"

#include "VelmoraLib.h"
#include "suite/text/Utf.h"

#include <charconv>

namespace velmora::vansu {
namespace {

template <std::size_t N, std::size_t W>
std::optional<int> findName(const char16_t (&table)[N][W], std::u16string_view name) {
    for (std::size_t i = 0; i < N; ++i)
        if (name == std::u16string_view(table[i])) return static_cast<int>(i);
    return std::nullopt;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

} // namespace

bool isDayCode(std::int32_t value) {
    return (value >= 101 && value <= 130) || (value >= 200 && value <= 259);
}

ValueParse parseValue(std::string_view text) {
    if (text == "-") return {-1, {}};
    constexpr std::string_view kDay = "ngày ";
    if (text.starts_with(kDay)) {
        const std::string_view digits = text.substr(kDay.size());
        int n = 0;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
        if (ec != std::errc{} || end != digits.data() + digits.size() || n < 1 || n > 30)
            return {std::nullopt, "lunar day must be 1 to 30 in " + quoted(text)};
        return {100 + n, {}};
    }
    const std::u16string name = velmora::text::utf8ToUtf16(text);
    const auto space = name.find(u' ');
    if (space == std::u16string::npos) {
        if (const auto branch = findName(g_sChi, name)) return {*branch, {}};
        if (const auto stem = findName(g_sCan, name)) return {20 + *stem, {}};
        return {std::nullopt, "unknown name " + quoted(text)};
    }
    const auto stem = findName(g_sCan, std::u16string_view(name).substr(0, space));
    const auto branch = findName(g_sChi, std::u16string_view(name).substr(space + 1));
    if (!stem || !branch) return {std::nullopt, "unknown name " + quoted(text)};
    if (*stem % 2 != *branch % 2)
        return {std::nullopt,
                quoted(text) + " is no sexagenary day (stem and branch parity differ)"};
    for (int i = 0; i < 60; ++i)
        if (i % 10 == *stem && i % 12 == *branch) return {200 + i, {}};
    return {std::nullopt, "unknown name " + quoted(text)};
}

} // namespace velmora::vansu
