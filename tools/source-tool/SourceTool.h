// What the data compilers share: reading a source text, its fields, telling errors, and the
// compile step of a compiler whose source holds one record a row.
#pragma once

#include <iostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace velmora::sourcetool {

// The text without spaces, tabs and carriage returns at either end.
std::string_view trim(std::string_view text);

// The fields between separators, each trimmed; an empty text is one empty field.
std::vector<std::string_view> splitFields(std::string_view text, char separator = '|');

// The whole text of a file; false with "<path>: cannot open" in error when it cannot be opened.
bool readSourceFile(const char* path, std::string& text, std::string& error);

// Prints every error on a line of its own to stderr; true when there was any.
bool reportErrors(const std::vector<std::string>& errors);

// The exit code of a write: 0, or 1 after "<output>: cannot write".
int written(bool ok, const char* output);

// Compiles the source at `input` with compile(text, fileName) (a result with `errors` and `rows`,
// each row holding a `record`) and writes the records with write(output, records). Exit code 1
// after telling why when the source cannot be read, a row is wrong, there is no row at all or
// the file cannot be written; 0 when the file is written.
template <typename Compile, typename Write>
int compileRows(const char* input, const char* output, Compile compile, Write write) {
    std::string text, error;
    if (!readSourceFile(input, text, error)) {
        std::cerr << error << '\n';
        return 1;
    }
    const auto result = compile(text, input);
    if (reportErrors(result.errors)) return 1;
    if (result.rows.empty()) {
        std::cerr << input << ": no star rows\n";
        return 1;
    }
    std::vector<std::decay_t<decltype(result.rows.front().record)>> records;
    for (const auto& row : result.rows) records.push_back(row.record);
    return written(write(output, records), output);
}

} // namespace velmora::sourcetool
