// The readable hexagram source: one block per hexagram in King Wen order,
// "== number | pattern | name", then the overview, the reading of each matter and of each line.
#pragma once

#include "suite/fengshui/HexagramRecord.h"
#include "tools/fengshui-compile/src/SourceBlocks.h"

#include <array>
#include <string_view>
#include <vector>

namespace fengshui_compile {

inline constexpr std::string_view kOverviewLabel = "Tổng quan";
// The matters of "Giải theo việc", in the order they are stored.
inline constexpr std::array<std::string_view, 8> kMatterLabels{
    "Công việc", "Tài lộc",  "Tình duyên", "Gia đạo",
    "Xuất hành", "Sức khỏe", "Kiện tụng",  "Thi cử"};
// Lines of "Giải theo hào" are labelled "Hào 1" (bottom) to "Hào 6".
inline constexpr int kLineReadings = 6;

// Readings inside a stored text are separated by a line break as the device's edit shows it.
inline constexpr std::u16string_view kBreak = u"\r\n";

struct HexagramSourceResult {
    std::vector<velmora::fengshui::HexagramRecord> records;
    std::vector<std::string> errors;
};

// Every rule of the source is checked: 64 blocks numbered 1..64, the pattern and the name of each
// as King Wen order gives them, no pattern twice, every reading present once and no other,
// every text within its field.
HexagramSourceResult compileHexagramSource(std::string_view text, std::string_view fileName);

// The block a record came from, as logical lines: the header, then "label: text" lines.
std::vector<std::string> formatHexagramBlock(int number,
                                             const velmora::fengshui::HexagramRecord& record);

} // namespace fengshui_compile
