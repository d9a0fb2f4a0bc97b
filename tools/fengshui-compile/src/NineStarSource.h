// The readable nine-star source: one block per star, "== name | hình N | nam K | nữ K", then the
// reading's paragraphs, one per line.
#pragma once

#include "suite/fengshui/NineStarRecord.h"

#include <string>
#include <string_view>
#include <vector>

namespace fengshui_compile {

struct NineStarSourceResult {
    std::vector<velmora::fengshui::NineStarRecord> records;
    std::vector<std::string> errors;
};

// Nine stars; pictures 0..8, men's keys 1..9 and women's keys 1..9 each used once; every star
// has a reading; names and readings within their fields.
NineStarSourceResult compileNineStarSource(std::string_view text, std::string_view fileName);

// The block a record came from, as logical lines.
std::vector<std::string> formatNineStarBlock(const velmora::fengshui::NineStarRecord& record);

} // namespace fengshui_compile
