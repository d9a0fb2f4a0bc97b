// Random bytes through getrandom(2), retrying short reads and interruptions.
#include "platform/device/RandomBytes.h"

#include <cerrno>
#include <sys/random.h>

namespace velmora::device {

bool randomBytes(void* buf, std::size_t n) {
    auto* out = static_cast<unsigned char*>(buf);
    while (n > 0) {
        const ssize_t got = getrandom(out, n, 0);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        out += got;
        n -= static_cast<std::size_t>(got);
    }
    return true;
}

} // namespace velmora::device
