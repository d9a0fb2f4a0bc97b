// Reading and writing a star data file: star records one after another, no header.
#pragma once

#include "suite/almanac/AlmanacStarRecord.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace velmora::almanac {

// Whole records from the start of `bytes`; a trailing partial record is ignored.
std::vector<AlmanacStarRecord> decodeStarRecords(std::span<const std::uint8_t> bytes);

// The records of a file, or nothing when the file cannot be opened.
std::optional<std::vector<AlmanacStarRecord>> readStarFile(const std::filesystem::path& path);

// Writes every record; false when the file cannot be written.
bool writeStarFile(const std::filesystem::path& path,
                   const std::vector<AlmanacStarRecord>& records);

} // namespace velmora::almanac
