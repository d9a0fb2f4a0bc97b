// Small valid sources built from the rules, for the error cases to spoil one thing at a time.
#pragma once

#include "suite/text/Utf.h"
#include "tools/fengshui-compile/src/HexagramSource.h"
#include "tools/fengshui-compile/src/KingWen.h"

#include <string>

namespace fengshui_compile::test {

// One block with a short reading for every label.
inline std::string hexagramBlock(int number) {
    std::string block = "== " + std::to_string(number) + " | " +
                        velmora::text::utf16ToUtf8(kingWenPattern(number)) + " | " +
                        kingWenName(number) + "\n";
    block += std::string(kOverviewLabel) + ": Tổng quan của quẻ.\n";
    for (std::string_view label : kMatterLabels) block += std::string(label) + ": Bình thường.\n";
    for (int line = 1; line <= kLineReadings; ++line)
        block += "Hào " + std::to_string(line) + ": Lời hào.\n";
    return block;
}

inline std::string hexagramSource() {
    std::string text = "# Nguồn thử.\n";
    for (int number = 1; number <= 64; ++number) text += hexagramBlock(number) + "\n";
    return text;
}

// The nine stars with their keys for men and women.
inline std::string nineStarSource() {
    const struct {
        const char* name;
        int man, woman;
    } stars[] = {{"La Hầu", 1, 6},    {"Thổ Tú", 2, 5},     {"Thủy Diệu", 3, 9},
                 {"Thái Bạch", 4, 8}, {"Thái Dương", 5, 7}, {"Vân Hớn", 6, 2},
                 {"Kế Đô", 7, 1},     {"Thái Âm", 8, 4},    {"Mộc Đức", 9, 3}};
    std::string text;
    int picture = 0;
    for (const auto& s : stars) {
        text += "== " + std::string(s.name) + " | hình " + std::to_string(picture++) + " | nam " +
                std::to_string(s.man) + " | nữ " + std::to_string(s.woman) + "\nLời giải.\n\n";
    }
    return text;
}

} // namespace fengshui_compile::test
