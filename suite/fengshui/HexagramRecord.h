// One hexagram of 64quai.dat (12068 bytes, little-endian, UTF-16 texts), the file's reading and
// the look-ups by pattern and by name.
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

inline constexpr std::u16string_view kHexagramFileName = u"64quai.dat";

// Widths in UTF-16 units, the terminating zero included.
inline constexpr std::size_t kPatternWidth = 7;
inline constexpr std::size_t kHexagramNameWidth = 25;
inline constexpr std::size_t kOverviewWidth = 1000;
inline constexpr std::size_t kByMatterWidth = 1000;
inline constexpr std::size_t kByLineWidth = 4000;

inline constexpr std::size_t kHexagramReservedOffset = 0;
inline constexpr std::size_t kPatternOffset = 4;
inline constexpr std::size_t kHexagramNameOffset = kPatternOffset + 2 * kPatternWidth;
inline constexpr std::size_t kOverviewOffset = kHexagramNameOffset + 2 * kHexagramNameWidth;
inline constexpr std::size_t kByMatterOffset = kOverviewOffset + 2 * kOverviewWidth;
inline constexpr std::size_t kByLineOffset = kByMatterOffset + 2 * kByMatterWidth;
inline constexpr std::size_t kHexagramRecordSize = 12068;
static_assert(kPatternOffset == 4 && kHexagramNameOffset == 18 && kOverviewOffset == 68 &&
              kByMatterOffset == 2068 && kByLineOffset == 4068 &&
              kByLineOffset + 2 * kByLineWidth == kHexagramRecordSize);

// The file holds the 64 hexagrams; anything after them is not read.
inline constexpr std::size_t kHexagramCount = 64;

struct HexagramRecord {
    std::u16string pattern; // six of ":" and "|", bottom line first
    std::u16string name;
    std::u16string overview; // "Giải tổng quan"
    std::u16string byMatter; // "Giải theo việc"
    std::u16string byLine;   // "Giải theo hào"

    bool operator==(const HexagramRecord&) const = default;
};

using HexagramRecordBytes = std::array<std::uint8_t, kHexagramRecordSize>;

// Texts longer than their field are cut so that the terminating zero still fits.
HexagramRecordBytes encodeHexagramRecord(const HexagramRecord& record);
// Never fails: a text without a terminator is cut at its field's width.
HexagramRecord decodeHexagramRecord(std::span<const std::uint8_t> bytes);

// The interpretation kinds, in the order of their list.
enum class Interpretation { Overview = 0, ByMatter = 1, ByLine = 2 };
inline constexpr std::array<std::u16string_view, 3> kInterpretationNames{
    u"Giải tổng quan", u"Giải theo việc", u"Giải theo hào"};
const std::u16string& interpretationText(const HexagramRecord& record, Interpretation kind);

// The records of the file, at most 64; nothing when it cannot be opened as a regular file.
std::optional<std::vector<HexagramRecord>> readHexagramFile(const std::filesystem::path& path);
bool writeHexagramFile(const std::filesystem::path& path,
                       const std::vector<HexagramRecord>& records);

// The first record whose pattern equals the normalised lines exactly; null for empty lines.
const HexagramRecord* findByPattern(const std::vector<HexagramRecord>& records,
                                    std::u16string_view lines);
// The first record with exactly that name; null for an empty name.
const HexagramRecord* findByName(const std::vector<HexagramRecord>& records,
                                 std::u16string_view name);

} // namespace velmora::fengshui
