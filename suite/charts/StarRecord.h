// One star of the purple-star catalogue saotuvi.dat (108 bytes) and its exact byte form.
#pragma once

#include "suite/files/RegularFile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::charts {

inline constexpr std::u16string_view kStarFileName = u"saotuvi.dat";

inline constexpr std::size_t kStarRecordSize = 108;
inline constexpr std::size_t kStarLongNameWidth = 15; // characters, terminator included
inline constexpr std::size_t kStarShortNameWidth = 7;
inline constexpr std::size_t kStrengthWidth = 12; // letters for Tý..Hợi, no terminator needed
inline constexpr std::size_t kPositionTableWidth = 16; // see tableValue

// Ids below this count as main stars.
inline constexpr int kMainStarIdLimit = 15;

// Placement methods (the column "cách an" of the readable source).
enum StarMethod : std::uint8_t {
    ByPurpleStar = 1,     // T[V]
    ByHour = 2,           // T[h]
    ByMonth = 3,          // M[m]
    ByYearStem = 4,       // T[s]
    ByYearBranch = 5,     // T[b]
    FireStar = 6,         // T[b] + h, or − h
    BellStar = 7,         // T[b] − h, or + h
    Transformation = 8,   // the palace of the star whose id is T[s]
    LuRing = 9,           // T[s] ± step
    GrowthRing = 10,      // T[bureau] ± step
    MonthPlusDay = 11,    // M[m] + d − 1
    MonthMinusDay = 12,   // M[m] − d + 37
    HourPlusDay = 13,     // T[h] + d + 10
    HourMinusDay = 14,    // T[h] − d + 38
    LifePlusBranch = 15,  // b + L
    BodyPlusBranch = 16,  // b + body palace
    LifePlusFive = 17,    // L + 5
    LifePlusSeven = 18,   // L + 7
    BranchMonthHour = 19, // h + b − m + 13
    TuanPair = 20,        // both Tuần positions
    TrietPair = 21,       // both Triệt positions
    ByCurrentStem = 24,   // T[current year stem]
    ByCurrentBranch = 25, // T[current year branch]
};

struct StarRecord {
    std::uint8_t id = 0;        // offset 0
    std::uint8_t starClass = 0; // offset 1, copied to the placed star
    std::uint8_t good = 0;      // offset 3, non-zero: favourable
    std::uint8_t element = 0;   // offset 4, 0..4 as the bureau (the star's colour)
    std::uint8_t method = 0;    // offset 7, StarMethod
    std::u16string longName;    // offset 8, at most 14 characters
    std::u16string shortName;   // offset 38, at most 6
    std::u16string strength;    // offset 52, letters by position 0..11
    // Offset 76: character k + 1 holds T[k] and character m holds M[m] (character 0 is read by
    // neither); "0".."9" mean 0..9, "A".."K" 10..20, anything else "none".
    std::array<char16_t, kPositionTableWidth> table{};

    bool operator==(const StarRecord&) const = default;
};

// The value of a position-table character: 0..20, or -1 for "none".
constexpr int tableValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'K') return c - u'A' + 10;
    return -1;
}

using StarRecordBytes = std::array<std::uint8_t, kStarRecordSize>;
StarRecord decodeStarRecord(std::span<const std::uint8_t, kStarRecordSize> bytes);
StarRecordBytes encodeStarRecord(const StarRecord& record);

// The most records read from a file: more could never be placed (12 palaces of 20 stars), and a
// bigger file is read no further.
inline constexpr std::size_t kMaxStarRecords = 1024;

struct StarCatalogue {
    files::ReadStatus status = files::ReadStatus::Missing;
    std::vector<StarRecord> records; // whole records in file order; a partial last one is left out
};

std::vector<StarRecord> decodeStarRecords(std::span<const std::uint8_t> bytes);
StarCatalogue readStarCatalogue(const std::filesystem::path& path);
// Writes every record; false when the file cannot be written.
bool writeStarCatalogue(const std::filesystem::path& path, const std::vector<StarRecord>& records);

} // namespace velmora::charts
