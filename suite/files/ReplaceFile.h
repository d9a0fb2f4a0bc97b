// Replacing a whole file so that a crash at any moment leaves either the old file or the new one
// whole. Plain C++: the Qt-free writers (the saved charts, the data compilers) use it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace velmora::files {

// Writes bytes to a temporary file in the same folder, flushes it to the disk and renames it
// over path, keeping the old file's permissions. A link is followed and its target replaced.
// False (path untouched, no temporary file left) when anything fails, or when path exists and
// is not a regular file.
bool replaceFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

} // namespace velmora::files
