// Encoding, decoding and reading of the 108-byte star records.
#include "suite/charts/StarRecord.h"
#include "suite/charts/ByteFields.h"
#include "suite/files/ReplaceFile.h"

namespace velmora::charts {

namespace {

constexpr std::size_t kIdOffset = 0;
constexpr std::size_t kClassOffset = 1;
constexpr std::size_t kGoodOffset = 3;
constexpr std::size_t kElementOffset = 4;
constexpr std::size_t kMethodOffset = 7;
constexpr std::size_t kLongNameOffset = 8;
constexpr std::size_t kShortNameOffset = 38;
constexpr std::size_t kStrengthOffset = 52;
constexpr std::size_t kTableOffset = 76;
static_assert(kLongNameOffset + 2 * kStarLongNameWidth == kShortNameOffset &&
              kShortNameOffset + 2 * kStarShortNameWidth == kStrengthOffset &&
              kStrengthOffset + 2 * kStrengthWidth == kTableOffset &&
              kTableOffset + 2 * kPositionTableWidth == kStarRecordSize);

} // namespace

StarRecord decodeStarRecord(std::span<const std::uint8_t, kStarRecordSize> bytes) {
    StarRecord r;
    r.id = bytes[kIdOffset];
    r.starClass = bytes[kClassOffset];
    r.good = bytes[kGoodOffset];
    r.element = bytes[kElementOffset];
    r.method = bytes[kMethodOffset];
    r.longName = getText(bytes, kLongNameOffset, kStarLongNameWidth);
    r.shortName = getText(bytes, kShortNameOffset, kStarShortNameWidth);
    r.strength = getText(bytes, kStrengthOffset, kStrengthWidth);
    for (std::size_t i = 0; i < kPositionTableWidth; ++i)
        r.table[i] = static_cast<char16_t>(bytes[kTableOffset + 2 * i] |
                                           (bytes[kTableOffset + 2 * i + 1] << 8));
    return r;
}

StarRecordBytes encodeStarRecord(const StarRecord& r) {
    StarRecordBytes bytes{};
    bytes[kIdOffset] = r.id;
    bytes[kClassOffset] = r.starClass;
    bytes[kGoodOffset] = r.good;
    bytes[kElementOffset] = r.element;
    bytes[kMethodOffset] = r.method;
    // Names keep room for their terminator; the strength letters may fill their field.
    putText(bytes, kLongNameOffset, kStarLongNameWidth - 1, r.longName);
    putText(bytes, kShortNameOffset, kStarShortNameWidth - 1, r.shortName);
    putText(bytes, kStrengthOffset, kStrengthWidth, r.strength);
    putText(bytes, kTableOffset, kPositionTableWidth,
            std::u16string_view(r.table.data(), r.table.size()));
    return bytes;
}

std::vector<StarRecord> decodeStarRecords(std::span<const std::uint8_t> bytes) {
    std::vector<StarRecord> records;
    const std::size_t whole = std::min(bytes.size() / kStarRecordSize, kMaxStarRecords);
    records.reserve(whole);
    for (std::size_t i = 0; i < whole; ++i)
        records.push_back(
            decodeStarRecord(bytes.subspan(i * kStarRecordSize).first<kStarRecordSize>()));
    return records;
}

StarCatalogue readStarCatalogue(const std::filesystem::path& path) {
    // A longer file is read no further: its first records are all a chart can place.
    const files::ReadResult file =
        files::readRegularFile(path.string(), kMaxStarRecords * kStarRecordSize);
    StarCatalogue catalogue;
    catalogue.status =
        file.status == files::ReadStatus::TooLong ? files::ReadStatus::Ok : file.status;
    if (catalogue.status == files::ReadStatus::Ok)
        catalogue.records = decodeStarRecords(
            std::span(reinterpret_cast<const std::uint8_t*>(file.bytes.data()), file.bytes.size()));
    return catalogue;
}

bool writeStarCatalogue(const std::filesystem::path& path, const std::vector<StarRecord>& records) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(records.size() * kStarRecordSize);
    for (const StarRecord& r : records) {
        const StarRecordBytes one = encodeStarRecord(r);
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return files::replaceFile(path, bytes);
}

} // namespace velmora::charts
