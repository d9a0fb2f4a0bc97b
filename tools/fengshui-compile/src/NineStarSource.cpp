// Compiling the nine-star source into records, and printing records back as source blocks.
#include "tools/fengshui-compile/src/NineStarSource.h"

#include "suite/text/Utf.h"
#include "tools/fengshui-compile/src/SourceBlocks.h"

#include <array>

namespace fengshui_compile {
namespace {

using velmora::fengshui::NineStarRecord;

constexpr std::u16string_view kParagraphBreak = u"\r\n";

// "hình 3" and the like: the number after the word, or false.
bool numberAfter(std::string_view field, std::string_view word, int& value) {
    if (!field.starts_with(word)) return false;
    return parseInt(field.substr(word.size()), value);
}

// Tracks that each of 0..8 (or 1..9) is used once.
struct Once {
    int first;
    std::array<bool, 9> used{};
    bool take(int value) {
        if (value < first || value >= first + 9 || used[std::size_t(value - first)]) return false;
        used[std::size_t(value - first)] = true;
        return true;
    }
};

} // namespace

NineStarSourceResult compileNineStarSource(std::string_view text, std::string_view fileName) {
    NineStarSourceResult result;
    Diagnostics diagnostics{std::string(fileName), {}};
    Once pictures{0}, manKeys{1}, womanKeys{1};
    for (const SourceBlock& block : sourceBlocks(text, diagnostics)) {
        const std::vector<std::string> header = splitFields(block.header);
        NineStarRecord record;
        if (header.size() != 4 || !numberAfter(header[1], "hình ", record.picture) ||
            !numberAfter(header[2], "nam ", record.manKey) ||
            !numberAfter(header[3], "nữ ", record.womanKey)) {
            diagnostics.fail(block.line, "header is not \"name | hình N | nam K | nữ K\"");
            continue;
        }
        record.name = checkedText(header[0], block.line, diagnostics);
        if (record.name.empty()) diagnostics.fail(block.line, "a star needs a name");
        checkWidth(record.name, velmora::fengshui::kStarNameWidth, "name", block.line, diagnostics);
        if (!pictures.take(record.picture))
            diagnostics.fail(block.line, "picture " + std::to_string(record.picture) +
                                             " is outside 0..8 or used twice");
        if (!manKeys.take(record.manKey))
            diagnostics.fail(block.line, "man's key " + std::to_string(record.manKey) +
                                             " is outside 1..9 or used twice");
        if (!womanKeys.take(record.womanKey))
            diagnostics.fail(block.line, "woman's key " + std::to_string(record.womanKey) +
                                             " is outside 1..9 or used twice");
        for (const SourceLine& line : block.body) {
            if (!record.reading.empty()) record.reading += kParagraphBreak;
            record.reading += checkedText(line.text, line.line, diagnostics);
        }
        if (record.reading.empty())
            diagnostics.fail(block.line, "star " + header[0] + " has no reading");
        checkWidth(record.reading, velmora::fengshui::kReadingWidth, "reading", block.line,
                   diagnostics);
        result.records.push_back(std::move(record));
    }
    if (result.records.size() != velmora::fengshui::kNineStarCount)
        diagnostics.fail(1, "the source has " + std::to_string(result.records.size()) +
                                " stars, not 9");
    result.errors = std::move(diagnostics.errors);
    return result;
}

std::vector<std::string> formatNineStarBlock(const NineStarRecord& record) {
    std::vector<std::string> lines{"== " + velmora::text::utf16ToUtf8(record.name) + " | hình " +
                                   std::to_string(record.picture) + " | nam " +
                                   std::to_string(record.manKey) + " | nữ " +
                                   std::to_string(record.womanKey)};
    std::size_t start = 0;
    while (true) {
        const std::size_t at = record.reading.find(kParagraphBreak, start);
        lines.push_back(velmora::text::utf16ToUtf8(
            record.reading.substr(start, at == std::u16string::npos ? at : at - start)));
        if (at == std::u16string::npos) break;
        start = at + kParagraphBreak.size();
    }
    return lines;
}

} // namespace fengshui_compile
