// Reading and writing a star data file: star records one after another, no header.
#pragma once

#include "suite/almanac/AlmanacStarRecord.h"

#include <filesystem>
#include <vector>

namespace velmora::almanac {

// What was wrong with a star file, if anything.
enum class StarFileProblem {
    None,
    Missing,    // nothing at its path
    Unreadable, // a folder, FIFO or device in its place, or a read error
    Damaged,    // empty, ending in a partial record, too long, or holding garbage records
};

// More records than any star table holds: a longer file is damaged.
inline constexpr std::size_t kMaxStarRecords = 4096;

struct StarFileContents {
    std::vector<AlmanacStarRecord> records; // every whole, well-formed record
    StarFileProblem problem = StarFileProblem::None;
};

// The whole, well-formed records from the start of `bytes`; *damaged tells whether the bytes are
// empty, end in a partial record or held a record whose texts do not end in their fields (such
// a record is left out).
std::vector<AlmanacStarRecord> decodeStarRecords(std::span<const std::uint8_t> bytes,
                                                 bool* damaged = nullptr);

// The records of a file and what was wrong with it. Never throws and never blocks: only a
// regular file of at most kMaxStarRecords records is read.
StarFileContents readStarFile(const std::filesystem::path& path);

// Writes every record; false when the file cannot be written.
bool writeStarFile(const std::filesystem::path& path,
                   const std::vector<AlmanacStarRecord>& records);

} // namespace velmora::almanac
