// Compiling the hexagram source into records, and printing records back as source blocks.
#include "tools/fengshui-compile/src/HexagramSource.h"

#include "suite/text/Utf.h"
#include "tools/fengshui-compile/src/KingWen.h"

#include <algorithm>
#include <map>
#include <set>

namespace fengshui_compile {
namespace {

using velmora::fengshui::HexagramRecord;

std::string lineLabel(int line) {
    return "Hào " + std::to_string(line);
}

std::u16string labelled(std::string_view label, const std::u16string& text) {
    return velmora::text::utf8ToUtf16(label) + u": " + text;
}

// The texts of one block by label, each found once.
struct BlockFields {
    std::map<std::string, std::pair<int, std::u16string>> byLabel;
};

void compileBlock(const SourceBlock& block, int number, Diagnostics& diagnostics,
                  std::set<std::u16string>& patterns, HexagramSourceResult& result) {
    const std::vector<std::string> header = splitSpacedFields(block.header);
    int declared = 0;
    if (header.size() != 3 || !parseInt(header[0], declared)) {
        diagnostics.fail(block.line, "header is not \"number | pattern | name\"");
        return;
    }
    if (declared != number)
        diagnostics.fail(block.line,
                         "hexagram " + header[0] + " where " + std::to_string(number) + " is due");
    HexagramRecord record;
    record.pattern = checkedText(header[1], block.line, diagnostics);
    record.name = checkedText(header[2], block.line, diagnostics);
    if (number <= int(kKingWenCount)) {
        if (record.pattern != kingWenPattern(number))
            diagnostics.fail(block.line, "pattern " + header[1] + " is not that of hexagram " +
                                             std::to_string(number) + " (" +
                                             velmora::text::utf16ToUtf8(kingWenPattern(number)) +
                                             ")");
        if (header[2] != kingWenName(number))
            diagnostics.fail(block.line, "name \"" + header[2] + "\" differs from \"" +
                                             kingWenName(number) + "\"");
    }
    if (!patterns.insert(record.pattern).second)
        diagnostics.fail(block.line, "pattern " + header[1] + " appears twice");
    checkWidth(record.name, velmora::fengshui::kHexagramNameWidth, "name", block.line, diagnostics);

    BlockFields fields;
    for (const SourceLine& line : block.body) {
        const Field field = splitField(line.text);
        if (field.label.empty() || field.text.empty()) {
            diagnostics.fail(line.line, "not \"label: text\"");
            continue;
        }
        const bool known = field.label == kOverviewLabel ||
                           std::find(kMatterLabels.begin(), kMatterLabels.end(), field.label) !=
                               kMatterLabels.end() ||
                           [&] {
                               for (int k = 1; k <= kLineReadings; ++k)
                                   if (field.label == lineLabel(k)) return true;
                               return false;
                           }();
        if (!known) {
            diagnostics.fail(line.line, "unknown reading \"" + field.label + "\"");
            continue;
        }
        if (fields.byLabel.count(field.label)) {
            diagnostics.fail(line.line, "reading \"" + field.label + "\" given twice");
            continue;
        }
        fields.byLabel[field.label] = {line.line, checkedText(field.text, line.line, diagnostics)};
    }

    const auto take = [&](const std::string& label) -> std::u16string {
        const auto found = fields.byLabel.find(label);
        if (found != fields.byLabel.end()) return found->second.second;
        diagnostics.fail(block.line, "hexagram " + std::to_string(number) + " has no reading \"" +
                                         label + "\"");
        return {};
    };
    record.overview = take(std::string(kOverviewLabel));
    for (std::string_view label : kMatterLabels) {
        if (!record.byMatter.empty()) record.byMatter += kBreak;
        record.byMatter += labelled(label, take(std::string(label)));
    }
    for (int k = 1; k <= kLineReadings; ++k) {
        if (!record.byLine.empty()) record.byLine += kBreak;
        record.byLine += labelled(lineLabel(k), take(lineLabel(k)));
    }
    checkWidth(record.overview, velmora::fengshui::kOverviewWidth, "overview", block.line,
               diagnostics);
    checkWidth(record.byMatter, velmora::fengshui::kByMatterWidth, "reading by matter", block.line,
               diagnostics);
    checkWidth(record.byLine, velmora::fengshui::kByLineWidth, "reading by line", block.line,
               diagnostics);
    result.records.push_back(std::move(record));
}

// Splits a stored text at its breaks.
std::vector<std::u16string> paragraphs(const std::u16string& text) {
    std::vector<std::u16string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(kBreak, start);
        parts.push_back(text.substr(start, at == std::u16string::npos ? at : at - start));
        if (at == std::u16string::npos) break;
        start = at + kBreak.size();
    }
    return parts;
}

} // namespace

HexagramSourceResult compileHexagramSource(std::string_view text, std::string_view fileName) {
    HexagramSourceResult result;
    Diagnostics diagnostics{std::string(fileName), {}};
    const std::vector<SourceBlock> blocks = sourceBlocks(text, diagnostics);
    std::set<std::u16string> patterns;
    for (std::size_t i = 0; i < blocks.size(); ++i)
        compileBlock(blocks[i], int(i) + 1, diagnostics, patterns, result);
    if (blocks.size() != kKingWenCount)
        diagnostics.fail(1,
                         "the source has " + std::to_string(blocks.size()) + " hexagrams, not 64");
    result.errors = std::move(diagnostics.errors);
    return result;
}

std::vector<std::string> formatHexagramBlock(int number, const HexagramRecord& record) {
    std::vector<std::string> lines{"== " + std::to_string(number) + " | " +
                                   velmora::text::utf16ToUtf8(record.pattern) + " | " +
                                   velmora::text::utf16ToUtf8(record.name)};
    lines.push_back(std::string(kOverviewLabel) + ": " +
                    velmora::text::utf16ToUtf8(record.overview));
    for (const std::u16string& part : paragraphs(record.byMatter))
        lines.push_back(velmora::text::utf16ToUtf8(part));
    for (const std::u16string& part : paragraphs(record.byLine))
        lines.push_back(velmora::text::utf16ToUtf8(part));
    return lines;
}

} // namespace fengshui_compile
