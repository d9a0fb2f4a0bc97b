// The readable sixty-cycle source: one row per year of the cycle from 1924,
// "row | can chi | icon element | house trigram | element text".
#pragma once

#include "suite/fengshui/SixtyCycleRecord.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace fengshui_compile {

// The icons of the list's strip, by the element of the year's sound in generating order.
inline constexpr std::array<std::string_view, 5> kElementNames{"Thủy", "Mộc", "Hỏa", "Thổ", "Kim"};

struct SixtyCycleSourceResult {
    std::vector<velmora::fengshui::SixtyCycleRecord> records;
    std::vector<std::string> errors;
};

// Sixty rows in cycle order. Row r is the year 1924 + r: its name is that of sexagenary index r,
// its icon the element of its sound (nạp âm), its house trigram the man's trigram of that year,
// and its element text the sound's name; each is checked against those rules.
SixtyCycleSourceResult compileSixtyCycleSource(std::string_view text, std::string_view fileName);

// The row a record came from.
std::string formatSixtyCycleRow(int row, const velmora::fengshui::SixtyCycleRecord& record);

} // namespace fengshui_compile
