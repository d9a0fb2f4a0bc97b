// What the compilers' tests share: a source file's text and its rows as written.
#pragma once

#include "tools/source-tool/SourceTool.h"

#include <sstream>
#include <string>
#include <vector>

namespace velmora::sourcetool::testing {

// The whole file, or an empty text when it cannot be opened.
inline std::string readText(const std::string& path) {
    std::string text, error;
    return readSourceFile(path.c_str(), text, error) ? text : std::string();
}

// The rows of a one-record-a-row source as written, without comments and blank lines.
inline std::vector<std::string> sourceRows(const std::string& text) {
    std::vector<std::string> rows;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') rows.push_back(line);
    return rows;
}

} // namespace velmora::sourcetool::testing
