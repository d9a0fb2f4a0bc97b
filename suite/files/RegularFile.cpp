// Reading a regular file of bounded size without ever blocking on something else.
#include "suite/files/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::files {

ReadResult readRegularFile(const std::string& path, std::size_t maxBytes) {
    ReadResult result;
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        result.status = errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing
                        : errno == EISDIR                   ? ReadStatus::NotAFile
                                                            : ReadStatus::ReadError;
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result.status = S_ISREG(info.st_mode) ? ReadStatus::ReadError : ReadStatus::NotAFile;
        ::close(fd);
        return result;
    }
    // One byte more than the limit tells an over-long file from one of exactly the limit. The
    // buffer starts at the size the file says it has and grows only if it grows meanwhile, so a
    // small file under a large limit costs a small buffer.
    const std::size_t wanted = maxBytes + 1;
    const std::size_t stated = info.st_size > 0 ? std::size_t(info.st_size) + 1 : 4096;
    result.bytes.resize(std::min(wanted, stated));
    std::size_t got = 0;
    while (got < wanted) {
        if (got == result.bytes.size())
            result.bytes.resize(std::min(wanted, std::max<std::size_t>(4096, got * 2)));
        const ssize_t n = ::read(fd, result.bytes.data() + got, result.bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return ReadResult{ReadStatus::ReadError, {}};
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    result.status = got > maxBytes ? ReadStatus::TooLong : ReadStatus::Ok;
    result.bytes.resize(got > maxBytes ? maxBytes : got);
    return result;
}

} // namespace velmora::files
