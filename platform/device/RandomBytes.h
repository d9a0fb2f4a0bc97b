// Random bytes from the operating system.
#pragma once

#include <cstddef>

namespace velmora::device {

// Fills buf with n bytes from the kernel's random source; false if it could not.
bool randomBytes(void* buf, std::size_t n);

} // namespace velmora::device
