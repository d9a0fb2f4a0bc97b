// Star data files: a plain sequence of 268-byte records.
#include "suite/almanac/StarFile.h"

#include <fstream>
#include <iterator>

namespace velmora::almanac {

std::vector<AlmanacStarRecord> decodeStarRecords(std::span<const std::uint8_t> bytes) {
    std::vector<AlmanacStarRecord> records;
    // A file whose length is not a multiple of the record size ends in a partial record,
    // which carries no complete rule and is ignored.
    const std::size_t whole = bytes.size() / kStarRecordSize;
    records.reserve(whole);
    for (std::size_t i = 0; i < whole; ++i)
        records.push_back(
            decodeStarRecord(bytes.subspan(i * kStarRecordSize).first<kStarRecordSize>()));
    return records;
}

std::optional<std::vector<AlmanacStarRecord>> readStarFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    return decodeStarRecords(bytes);
}

bool writeStarFile(const std::filesystem::path& path,
                   const std::vector<AlmanacStarRecord>& records) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    for (const auto& record : records) {
        const auto bytes = encodeStarRecord(record);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    out.close();
    return static_cast<bool>(out);
}

} // namespace velmora::almanac
