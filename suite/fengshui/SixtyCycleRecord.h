// One year of 60hoagiap.dat (212 bytes, little-endian, UTF-16 text), the file's reading and the
// texts of the table's row.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::fengshui {

inline constexpr std::u16string_view kSixtyCycleFileName = u"60hoagiap.dat";

inline constexpr std::size_t kElementTextWidth = 100; // UTF-16 units, terminator included

inline constexpr std::size_t kCycleIndexOffset = 0;
inline constexpr std::size_t kIconOffset = 4;
inline constexpr std::size_t kHouseTrigramOffset = 8;
inline constexpr std::size_t kElementTextOffset = 12;
inline constexpr std::size_t kSixtyCycleRecordSize = 212;
static_assert(kElementTextOffset + 2 * kElementTextWidth == kSixtyCycleRecordSize);

// Sixty years from 1924; anything after them is not read.
inline constexpr std::size_t kSixtyCycleCount = 60;
inline constexpr int kFirstCycleYear = 1924;
inline constexpr int kSecondCycleYear = 1984;

struct SixtyCycleRecord {
    std::int32_t cycleIndex = 0;   // 0..59, 0 = Giáp Tý
    std::int32_t icon = 0;         // image in the list's strip
    std::int32_t houseTrigram = 0; // 0..7 into g_sBatQuai
    std::u16string elementText;

    bool operator==(const SixtyCycleRecord&) const = default;
};

using SixtyCycleRecordBytes = std::array<std::uint8_t, kSixtyCycleRecordSize>;

SixtyCycleRecordBytes encodeSixtyCycleRecord(const SixtyCycleRecord& record);
SixtyCycleRecord decodeSixtyCycleRecord(std::span<const std::uint8_t> bytes);

// The records of the file, at most sixty; nothing when it cannot be opened as a regular file.
std::optional<std::vector<SixtyCycleRecord>> readSixtyCycleFile(const std::filesystem::path& path);
bool writeSixtyCycleFile(const std::filesystem::path& path,
                         const std::vector<SixtyCycleRecord>& records);

// The texts of row r (0-based, in file order) of the table.
struct SixtyCycleRow {
    std::u16string years;   // "1924/1984": the two birth years the row stands for
    std::u16string canChi;  // "Giáp Tý"; empty for an index outside 0..59
    std::u16string element; // the record's element text
    std::u16string trach;   // the house trigram's name; empty outside 0..7
};
SixtyCycleRow sixtyCycleRow(int row, const SixtyCycleRecord& record);

// Icons of the list's strip: the element of the year's sound, in generating order.
inline constexpr int kSixtyCycleIconCount = 5;

} // namespace velmora::fengshui
