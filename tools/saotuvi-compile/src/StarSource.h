// The readable star catalogue of the purple-star chart: one star per row,
// "mã | tên | tên tắt | hành | tốt/xấu | lớp | cách an | vị trí | miếu hãm".
#pragma once

#include "suite/charts/StarRecord.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::saotuvi {

struct SourceRow {
    int line = 0; // 1-based line in the source text
    charts::StarRecord record;
};

struct CompileResult {
    std::vector<SourceRow> rows;
    std::vector<std::string> errors; // "file:line: what is wrong"
};

// Parses a whole source text; blank lines and lines starting with '#' are skipped. Every row the
// chart could not use as written is an error: a name that would be cut, an unknown branch,
// element or method, a list of the wrong length, a transformation whose target is not an
// earlier star with an id of at most 20, a repeated id.
CompileResult compileStarSource(std::string_view text, std::string_view fileName);

// The readable rows of a catalogue, in the form compileStarSource reads back (transformation
// targets are named by the earlier star with that id).
std::vector<std::string> formatStarRows(const std::vector<charts::StarRecord>& records);

// Class names by class byte: "chính", "phụ", "hóa", "lưu", "tuần triệt".
std::string_view className(int starClass);

} // namespace velmora::saotuvi
