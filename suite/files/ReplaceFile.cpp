// Replacing a whole file by writing a temporary file beside it and renaming it into place.
#include "suite/files/ReplaceFile.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::files {

namespace {

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

bool replaceFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::error_code error;
    std::filesystem::path target = path;
    mode_t mode = 0644;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status)) {
        if (!std::filesystem::is_regular_file(status)) return false;
        target = std::filesystem::canonical(path, error);
        if (error) return false;
        struct stat info {};
        if (::stat(target.c_str(), &info) == 0) mode = info.st_mode & 07777;
    }
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");

    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    Descriptor file{::mkstemp(temporary.data())};
    if (file.fd < 0) return false;
    // The new file keeps the old one's permissions (mkstemp makes it private).
    const bool written =
        ::fchmod(file.fd, mode) == 0 && writeAll(file.fd, bytes) && ::fsync(file.fd) == 0;
    const bool closed = ::close(file.fd) == 0;
    file.fd = -1;
    if (!written || !closed || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    // The new name is on the disk once the folder itself is flushed.
    Descriptor dir{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0) ::fsync(dir.fd);
    return true;
}

} // namespace velmora::files
