// Reading and splitting source texts and telling what went wrong, for every data compiler.
#include "tools/source-tool/SourceTool.h"

#include <fstream>
#include <sstream>

namespace velmora::sourcetool {

std::string_view trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> splitFields(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == separator) {
            fields.push_back(trim(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    return fields;
}

bool readSourceFile(const char* path, std::string& text, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = std::string(path) + ": cannot open";
        return false;
    }
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return true;
}

bool reportErrors(const std::vector<std::string>& errors) {
    for (const std::string& error : errors) std::cerr << error << '\n';
    return !errors.empty();
}

int written(bool ok, const char* output) {
    if (ok) return 0;
    std::cerr << output << ": cannot write\n";
    return 1;
}

} // namespace velmora::sourcetool
