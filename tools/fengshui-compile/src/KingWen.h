// The 64 hexagrams in King Wen order: their trigrams and names, the reference the hexagram
// source is checked against.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace fengshui_compile {

// Trigram indices in plum-blossom order: 0 Càn, 1 Đoài, 2 Ly, 3 Chấn, 4 Tốn, 5 Khảm, 6 Cấn,
// 7 Khôn (their lines are velmora::fengshui::kCastingTrigrams).
struct KingWenEntry {
    int upper;
    int lower;
    std::string_view shortName; // empty for a doubled trigram, named "Thuần" + the trigram
};

inline constexpr std::size_t kKingWenCount = 64;
const std::array<KingWenEntry, kKingWenCount>& kingWenOrder();

// The stored pattern: the lower trigram's lines, then the upper's, bottom line first.
std::u16string kingWenPattern(int number); // number 1..64
// The image of the upper trigram, that of the lower and the short name, as "Thủy Lôi Truân";
// a doubled trigram is "Thuần Khảm".
std::string kingWenName(int number);

} // namespace fengshui_compile
