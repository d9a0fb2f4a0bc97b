// One almanac star entry and its exact 268-byte little-endian record layout.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace velmora::almanac {

// Rule kinds: by lunar month, by season, by a list of days (60 and 30 are read alike).
inline constexpr std::int32_t kKindMonth = 12;
inline constexpr std::int32_t kKindSeason = 4;
inline constexpr std::int32_t kKindDays60 = 60;
inline constexpr std::int32_t kKindDays30 = 30;

// A rule value that never matches: outside all four code ranges.
inline constexpr std::int32_t kNoValue = -1;

inline constexpr std::size_t kStarRecordSize = 268;
inline constexpr std::size_t kStarNameWidth = 25;        // UTF-16 units, terminator included
inline constexpr std::size_t kStarExplanationWidth = 75; // UTF-16 units, terminator included

struct AlmanacStarRecord {
    std::int32_t kind = 0;
    std::array<std::int32_t, 12> values{kNoValue, kNoValue, kNoValue, kNoValue, kNoValue, kNoValue,
                                        kNoValue, kNoValue, kNoValue, kNoValue, kNoValue, kNoValue};
    bool emphasis = false;      // shown in bold in the star lists
    std::u16string name;        // at most 24 units fit zero-terminated
    std::u16string explanation; // at most 74 units fit zero-terminated

    bool operator==(const AlmanacStarRecord&) const = default;
};

using StarRecordBytes = std::array<std::uint8_t, kStarRecordSize>;

// Texts longer than their field are cut so that the terminating zero still fits.
StarRecordBytes encodeStarRecord(const AlmanacStarRecord& record);

// Never fails: a text without a terminator inside its field is cut at the field's width.
AlmanacStarRecord decodeStarRecord(std::span<const std::uint8_t, kStarRecordSize> bytes);
// Whether both texts of the stored record end within their fields, as every record written by
// the star compiler does; a record without is garbage and is not used.
bool starRecordTextsEnd(std::span<const std::uint8_t, kStarRecordSize> bytes);

} // namespace velmora::almanac
