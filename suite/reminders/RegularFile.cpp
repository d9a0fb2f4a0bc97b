// Opening without blocking (O_NONBLOCK keeps a FIFO from waiting for a writer) and checking what
// was opened before reading it.
#include "suite/reminders/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::reminders {

FileContent readRegularFile(const std::string& hostPath, std::size_t maxBytes) {
    FileContent out;
    const int fd = ::open(hostPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        out.status = errno == ENOENT ? FileStatus::Missing : FileStatus::Unreadable;
        return out;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        out.status = S_ISREG(st.st_mode) ? FileStatus::Unreadable : FileStatus::NotRegular;
        ::close(fd);
        return out;
    }
    out.status = FileStatus::Read;
    char buffer[65536];
    while (out.bytes.size() < maxBytes) {
        const std::size_t want = std::min(sizeof buffer, maxBytes - out.bytes.size());
        const ssize_t n = ::read(fd, buffer, want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            out.status = FileStatus::Unreadable;
            out.bytes.clear();
            break;
        }
        if (n == 0) break;
        out.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    if (out.status == FileStatus::Read && out.bytes.size() == maxBytes) {
        char probe;
        out.truncated = ::read(fd, &probe, 1) == 1;
    }
    ::close(fd);
    return out;
}

FileStatus pathKind(const std::string& hostPath) {
    struct stat st {};
    if (::stat(hostPath.c_str(), &st) != 0) {
        struct stat link {};
        // A dangling link is something, but nothing readable.
        return ::lstat(hostPath.c_str(), &link) == 0 ? FileStatus::NotRegular : FileStatus::Missing;
    }
    return S_ISREG(st.st_mode) ? FileStatus::Read : FileStatus::NotRegular;
}

} // namespace velmora::reminders
