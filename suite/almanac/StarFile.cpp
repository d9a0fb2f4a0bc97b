// Star data files: a plain sequence of 268-byte records.
#include "suite/almanac/StarFile.h"

#include "suite/files/RegularFile.h"

#include <fstream>

namespace velmora::almanac {

std::vector<AlmanacStarRecord> decodeStarRecords(std::span<const std::uint8_t> bytes,
                                                 bool* damaged) {
    std::vector<AlmanacStarRecord> records;
    const std::size_t whole = bytes.size() / kStarRecordSize;
    bool bad = whole == 0 || bytes.size() % kStarRecordSize != 0;
    records.reserve(whole);
    for (std::size_t i = 0; i < whole; ++i) {
        const auto record = bytes.subspan(i * kStarRecordSize).first<kStarRecordSize>();
        if (!starRecordTextsEnd(record)) {
            bad = true;
            continue;
        }
        records.push_back(decodeStarRecord(record));
    }
    if (damaged) *damaged = bad;
    return records;
}

StarFileContents readStarFile(const std::filesystem::path& path) {
    StarFileContents contents;
    const files::ReadResult read =
        files::readRegularFile(path.string(), kMaxStarRecords * kStarRecordSize);
    switch (read.status) {
    case files::ReadStatus::Missing:
        contents.problem = StarFileProblem::Missing;
        return contents;
    case files::ReadStatus::NotAFile:
    case files::ReadStatus::ReadError:
        contents.problem = StarFileProblem::Unreadable;
        return contents;
    case files::ReadStatus::TooLong:
    case files::ReadStatus::Ok:
        break;
    }
    bool damaged = false;
    contents.records = decodeStarRecords(
        std::span(reinterpret_cast<const std::uint8_t*>(read.bytes.data()), read.bytes.size()),
        &damaged);
    if (damaged || read.status == files::ReadStatus::TooLong)
        contents.problem = StarFileProblem::Damaged;
    return contents;
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
