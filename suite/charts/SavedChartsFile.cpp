// Reading and atomically rewriting luulaso.dat.
#include "suite/charts/SavedChartsFile.h"
#include "suite/files/ReplaceFile.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace velmora::charts {

std::vector<BirthRecord> decodeSavedCharts(std::span<const std::uint8_t> bytes) {
    std::vector<BirthRecord> records;
    const std::size_t whole = bytes.size() / kBirthRecordSize;
    records.reserve(whole);
    for (std::size_t i = 0; i < whole; ++i)
        records.push_back(
            decodeBirthRecord(bytes.subspan(i * kBirthRecordSize).first<kBirthRecordSize>()));
    return records;
}

std::vector<std::uint8_t> encodeSavedCharts(const std::vector<BirthRecord>& records) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(records.size() * kBirthRecordSize);
    for (const BirthRecord& r : records) {
        const BirthRecordBytes one = encodeBirthRecord(r);
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return bytes;
}

SavedCharts readSavedCharts(const std::filesystem::path& path) {
    // One byte past a partial record is enough to see that the file is too long.
    const files::ReadResult file =
        files::readRegularFile(path.string(), kMaxSavedCharts * kBirthRecordSize);
    SavedCharts result;
    if (file.status == files::ReadStatus::TooLong) {
        result.status = files::ReadStatus::Ok;
        result.tooLong = true;
        return result;
    }
    result.status = file.status;
    if (file.status != files::ReadStatus::Ok) return result;
    result.records = decodeSavedCharts(
        std::span(reinterpret_cast<const std::uint8_t*>(file.bytes.data()), file.bytes.size()));
    result.ignoredTailBytes = file.bytes.size() % kBirthRecordSize;
    return result;
}

bool writeSavedCharts(const std::filesystem::path& path, const std::vector<BirthRecord>& records) {
    const std::vector<std::uint8_t> bytes = encodeSavedCharts(records);
    return files::replaceFile(path, bytes);
}

bool createSavedChartsIfAbsent(const std::filesystem::path& path) {
    // O_EXCL never touches what is already there, whatever it is.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) return ::close(fd) == 0;
    return errno == EEXIST;
}

} // namespace velmora::charts
