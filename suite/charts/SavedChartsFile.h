// The saved-charts file luulaso.dat: birth records one after another, no header.
#pragma once

#include "suite/charts/BirthRecord.h"
#include "suite/files/RegularFile.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace velmora::charts {

inline constexpr std::u16string_view kSavedChartsFileName = u"luulaso.dat";

// The most records the list takes: a longer file is refused whole rather than cut, because
// saving a cut list would lose the rest.
inline constexpr std::size_t kMaxSavedCharts = 10000;

struct SavedCharts {
    files::ReadStatus status = files::ReadStatus::Missing;
    bool tooLong = false;             // more than kMaxSavedCharts records: nothing was read
    std::vector<BirthRecord> records; // whole records in file order
    std::size_t ignoredTailBytes = 0; // a short last record, which ends reading
    bool usable() const { return status == files::ReadStatus::Ok && !tooLong; }
};

// Whole records from the start of bytes; a trailing partial record is left out.
std::vector<BirthRecord> decodeSavedCharts(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> encodeSavedCharts(const std::vector<BirthRecord>& records);

SavedCharts readSavedCharts(const std::filesystem::path& path);

// Rewrites the file with exactly these records, atomically (see replaceFile); false when it
// could not be written, the old file then being left as it was.
bool writeSavedCharts(const std::filesystem::path& path, const std::vector<BirthRecord>& records);

// Makes an empty file when nothing is at path ("created if absent"); false when one cannot be
// made. An existing file is left alone.
bool createSavedChartsIfAbsent(const std::filesystem::path& path);

} // namespace velmora::charts
