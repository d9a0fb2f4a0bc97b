// One star of cuudieu.dat (2844 bytes, little-endian, UTF-16 texts), the file's reading and the
// look-up by age key and sex.
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

inline constexpr std::u16string_view kNineStarFileName = u"cuudieu.dat";

inline constexpr std::size_t kStarNameWidth = 15;  // UTF-16 units, terminator included
inline constexpr std::size_t kReadingWidth = 1401; // UTF-16 units, terminator included

inline constexpr std::size_t kPictureOffset = 0;
inline constexpr std::size_t kManKeyOffset = 4;
inline constexpr std::size_t kWomanKeyOffset = 8;
inline constexpr std::size_t kStarNameOffset = 12;
inline constexpr std::size_t kReadingOffset = kStarNameOffset + 2 * kStarNameWidth;
inline constexpr std::size_t kNineStarRecordSize = 2844;
static_assert(kReadingOffset == 42 && kReadingOffset + 2 * kReadingWidth == kNineStarRecordSize);

// Nine stars, one per key; anything after them is not read.
inline constexpr std::size_t kNineStarCount = 9;
// Pictures are numbered 0..8 (bitmaps 170..178).
inline constexpr int kNineStarPictures = 9;
inline constexpr int kFirstStarBitmap = 170;

struct NineStarRecord {
    std::int32_t picture = 0;  // 0..8
    std::int32_t manKey = 0;   // 1..9
    std::int32_t womanKey = 0; // 1..9
    std::u16string name;
    std::u16string reading;

    bool operator==(const NineStarRecord&) const = default;
};

using NineStarRecordBytes = std::array<std::uint8_t, kNineStarRecordSize>;

NineStarRecordBytes encodeNineStarRecord(const NineStarRecord& record);
NineStarRecord decodeNineStarRecord(std::span<const std::uint8_t> bytes);

// The records of the file, at most nine; nothing when it cannot be opened as a regular file.
std::optional<std::vector<NineStarRecord>> readNineStarFile(const std::filesystem::path& path);
bool writeNineStarFile(const std::filesystem::path& path,
                       const std::vector<NineStarRecord>& records);

// The first record whose man's (or woman's) key equals key, or null.
const NineStarRecord* findNineStar(const std::vector<NineStarRecord>& records, int key, bool male);

// Whether a picture number names one of the nine pictures.
inline bool hasStarPicture(int picture) {
    return picture >= 0 && picture < kNineStarPictures;
}

} // namespace velmora::fengshui
