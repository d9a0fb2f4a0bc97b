// The readable form shared by the feng-shui sources: "#" comments, blank lines, blocks opened by
// "== header", fields "label: text", and lines indented with spaces that continue the line before.
#pragma once

#include "tools/source-tool/SourceTool.h"

#include <string>
#include <string_view>
#include <vector>

namespace fengshui_compile {

struct SourceLine {
    int line = 0;     // 1-based line where it starts
    std::string text; // continuation lines joined with one space, ends trimmed
};

struct SourceBlock {
    int line = 0;       // the header's line
    std::string header; // what follows "== "
    std::vector<SourceLine> body;
};

// Collects "file:line: what is wrong".
struct Diagnostics {
    std::string fileName;
    std::vector<std::string> errors;
    void fail(int line, const std::string& message);
};

using velmora::sourcetool::readSourceFile;
using velmora::sourcetool::trim;

std::vector<std::string> splitFields(std::string_view text, char separator = '|');
// Split at " | " (a bar with a space each side), so that fields may hold bars themselves: the
// line patterns of the hexagrams.
std::vector<std::string> splitSpacedFields(std::string_view text);

// The logical lines of a text: comments and blank lines dropped, continuations joined.
std::vector<SourceLine> logicalLines(std::string_view text, Diagnostics& diagnostics);

// Logical lines grouped into blocks; a line before the first header is an error.
std::vector<SourceBlock> sourceBlocks(std::string_view text, Diagnostics& diagnostics);

// "label: text" split at the first ": "; label empty when there is none.
struct Field {
    std::string label;
    std::string text;
};
Field splitField(std::string_view line);

// UTF-8 to UTF-16 with the checks every text of the data files needs: valid UTF-8, letters
// precomposed (a decomposed accent would take a second unit and draw apart on the device).
std::u16string checkedText(std::string_view utf8, int line, Diagnostics& diagnostics);

// Fails when text does not fit a slot of `width` UTF-16 units with its terminating zero.
void checkWidth(std::u16string_view text, std::size_t width, const std::string& what, int line,
                Diagnostics& diagnostics);

// A whole number, or nothing.
bool parseInt(std::string_view text, int& value);

} // namespace fengshui_compile
