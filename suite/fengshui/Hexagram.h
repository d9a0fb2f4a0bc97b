// Hexagrams as strings of six line symbols, bottom line first: reading the symbols, the resulting
// and mutual hexagrams, and casting by coins or by the plum-blossom numbers.
#pragma once

#include "VelmoraLib.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::fengshui {

inline constexpr std::size_t kHexagramLines = 6;

// Line symbols: yin "0" or ":", yang "1" or "|", moving yin "x", moving yang "o". Stored
// patterns use ":" and "|" only.
bool isLineSymbol(char16_t c);
bool isYang(char16_t c);   // "1", "|", "o"
bool isMoving(char16_t c); // "x", "o"

// Exactly six line symbols.
bool isHexagram(std::u16string_view lines);

// The stored form: "0" and "x" become ":", "1" and "o" become "|"; other characters stay.
std::u16string normalizePattern(std::u16string_view lines);

// Moving lines change: "o" becomes "0" and "x" becomes "1"; the rest stays as entered.
std::u16string resultingHexagram(std::u16string_view lines);

// Lines 2, 3, 4 as the lower trigram and 3, 4, 5 as the upper, in the stored form; empty unless
// the text is a hexagram.
std::u16string mutualHexagram(std::u16string_view lines);

// The eight trigrams in plum-blossom order (Càn, Đoài, Ly, Chấn, Tốn, Khảm, Cấn, Khôn), bottom
// line first.
inline constexpr std::array<std::u16string_view, 8> kCastingTrigrams{
    u"|||", u"||:", u"|:|", u"|::", u":||", u":|:", u"::|", u":::"};

// A line from three coins, by how many show their back ("sấp"): 0 moving yin "x", 1 yang "|",
// 2 yin ":", 3 moving yang "o".
char16_t coinLine(int backs);

// Three coins from three random bytes: a byte with its lowest bit set shows the back.
struct CoinThrow {
    std::array<bool, 3> back{};
    int backs() const { return int(back[0]) + int(back[1]) + int(back[2]); }
    char16_t line() const { return coinLine(backs()); }
};
CoinThrow coinThrow(const std::array<std::uint8_t, 3>& bytes);

// A plum-blossom cast: trigram indices into kCastingTrigrams and the moving line (0 = bottom).
struct PlumCast {
    int upper = 0;
    int lower = 0;
    int movingLine = 0;
};

// What the picked moment gives: lunar day and month, the year's and the hour's branch (0 = Tý).
struct PlumMoment {
    int lunarDay = 1;
    int lunarMonth = 1;
    int yearBranch = 0;
    int hourBranch = 0;
};

// The moment converted in zone +7.
PlumMoment plumMoment(const SYSTEMTIME& moment);

// By date and hour: s1 = year branch + lunar month + lunar day, s2 = s1 + hour branch.
PlumCast castByDate(const PlumMoment& moment);
// By a chosen number N and the hour.
PlumCast castByNumber(std::int64_t number, int hourBranch);

// The lower trigram's lines, then the upper's, with the moving line marked "o" or "x".
std::u16string castLines(const PlumCast& cast);

} // namespace velmora::fengshui
