// The readable star table: one star per row, "name | kind | rule | đậm or - | explanation".
#pragma once

#include "suite/almanac/AlmanacStarRecord.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::vansu {

struct SourceRow {
    int line = 0; // 1-based line in the source text
    velmora::almanac::AlmanacStarRecord record;
};

struct CompileResult {
    std::vector<SourceRow> rows;
    std::vector<std::string> errors; // "file:line: what is wrong"
};

// Parses a whole source text; blank lines and lines starting with '#' are skipped.
CompileResult compileStarSource(std::string_view text, std::string_view fileName);

// The readable row of a record, in the form CompileStarSource reads back.
std::string formatStarRow(const velmora::almanac::AlmanacStarRecord& record);

// One rule value as text: branch, stem, "ngày N", sexagenary name, or "?N" for a value
// that no rule code covers.
std::string formatValue(std::int32_t value);

} // namespace velmora::vansu
