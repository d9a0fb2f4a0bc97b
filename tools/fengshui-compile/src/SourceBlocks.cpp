// Splitting a feng-shui source into blocks and fields, and checking its texts.
#include "tools/fengshui-compile/src/SourceBlocks.h"

#include "suite/text/Utf.h"

#include <charconv>

namespace fengshui_compile {

void Diagnostics::fail(int line, const std::string& message) {
    errors.push_back(fileName + ":" + std::to_string(line) + ": " + message);
}

std::vector<std::string> splitFields(std::string_view text, char separator) {
    const std::vector<std::string_view> fields = velmora::sourcetool::splitFields(text, separator);
    return {fields.begin(), fields.end()};
}

std::vector<std::string> splitSpacedFields(std::string_view text) {
    constexpr std::string_view separator = " | ";
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(separator, start);
        fields.emplace_back(
            trim(text.substr(start, at == std::string_view::npos ? at : at - start)));
        if (at == std::string_view::npos) break;
        start = at + separator.size();
    }
    return fields;
}

std::vector<SourceLine> logicalLines(std::string_view text, Diagnostics& diagnostics) {
    std::vector<SourceLine> lines;
    int number = 0;
    bool previousBlank = true; // a continuation needs a text line just before it
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view raw = text.substr(start, end - start);
        start = end + 1;
        ++number;
        const std::string_view content = trim(raw);
        if (content.empty() || content.front() == '#') {
            previousBlank = true;
            if (end == text.size()) break;
            continue;
        }
        const bool continuation = raw.front() == ' ' || raw.front() == '\t';
        if (continuation) {
            if (previousBlank || lines.empty())
                diagnostics.fail(number, "an indented line continues nothing");
            else
                lines.back().text += " " + std::string(content);
        } else {
            lines.push_back(SourceLine{number, std::string(content)});
        }
        previousBlank = false;
        if (end == text.size()) break;
    }
    return lines;
}

std::vector<SourceBlock> sourceBlocks(std::string_view text, Diagnostics& diagnostics) {
    std::vector<SourceBlock> blocks;
    for (SourceLine& line : logicalLines(text, diagnostics)) {
        if (line.text.starts_with("==")) {
            blocks.push_back(SourceBlock{line.line, std::string(trim(line.text.substr(2))), {}});
        } else if (blocks.empty()) {
            diagnostics.fail(line.line, "text before the first \"==\" header");
        } else {
            blocks.back().body.push_back(std::move(line));
        }
    }
    return blocks;
}

Field splitField(std::string_view line) {
    const std::size_t colon = line.find(": ");
    if (colon == std::string_view::npos) return Field{{}, std::string(line)};
    return Field{std::string(trim(line.substr(0, colon))),
                 std::string(trim(line.substr(colon + 2)))};
}

std::u16string checkedText(std::string_view utf8, int line, Diagnostics& diagnostics) {
    const std::u16string text = velmora::text::utf8ToUtf16(utf8);
    for (char16_t c : text) {
        if (c == 0xFFFD) {
            diagnostics.fail(line, "text is not valid UTF-8");
            break;
        }
        if (c >= 0x0300 && c <= 0x036F) {
            diagnostics.fail(line, "decomposed accent: write the letter precomposed");
            break;
        }
    }
    return text;
}

void checkWidth(std::u16string_view text, std::size_t width, const std::string& what, int line,
                Diagnostics& diagnostics) {
    if (text.size() + 1 > width)
        diagnostics.fail(line, what + " has " + std::to_string(text.size()) +
                                   " characters, its field holds " + std::to_string(width - 1));
}

bool parseInt(std::string_view text, int& value) {
    text = trim(text);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

} // namespace fengshui_compile
