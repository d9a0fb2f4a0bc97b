// Byte-level helpers of the fixed-record files and the careful file reader.
#include "suite/fengshui/RecordBytes.h"

#include "suite/files/RegularFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::fengshui {

void putText(std::span<std::uint8_t> record, std::size_t at, std::size_t width,
             std::u16string_view text) {
    const std::size_t n = files::putUnits(record, at, width - 1, text);
    record[at + 2 * n] = 0;
    record[at + 2 * n + 1] = 0;
}

std::optional<std::vector<std::uint8_t>> readRegularFile(const std::filesystem::path& path,
                                                         std::size_t maxBytes) {
    const files::ReadResult read = files::readRegularFile(path.string(), maxBytes);
    // An over-long file gives the records the format holds; anything but a file reads as missing.
    if (read.status != files::ReadStatus::Ok && read.status != files::ReadStatus::TooLong)
        return std::nullopt;
    return std::vector<std::uint8_t>(read.bytes.begin(), read.bytes.end());
}

bool writeFileWhole(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    // Only a new file or a regular one is replaced: renaming over a device, FIFO, folder or link
    // would put a file where something else belongs.
    struct stat existing {};
    if (::lstat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) return false;
    std::filesystem::path temporary = path;
    temporary += ".new";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    std::size_t done = 0;
    bool ok = true;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += std::size_t(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temporary.c_str());
    return ok;
}

} // namespace velmora::fengshui
