// Reading and replacing whole files safely: only regular files are read (a folder, FIFO or
// device is refused without blocking), never more than a stated size, and a replacement goes to
// a temporary file beside the old one that is renamed into place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace velmora::charts {

enum class FileStatus {
    Ok,
    Missing,    // nothing at the path
    NotRegular, // a folder, FIFO, socket or device (or a link to one)
    Unreadable, // the file exists but could not be opened or read
};

struct FileBytes {
    FileStatus status = FileStatus::Missing;
    std::vector<std::uint8_t> bytes; // at most maxBytes
    bool truncated = false;          // the file holds more than maxBytes
};

FileBytes readRegularFile(const std::filesystem::path& path, std::size_t maxBytes);

// Writes bytes to a temporary file in the same folder, flushes it to the disk and renames it
// over path, so a crash at any moment leaves either the old file or the new one whole. A link is
// followed and its target replaced. False (path untouched, no temporary file left) when anything
// fails, or when path exists and is not a regular file.
bool replaceFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

} // namespace velmora::charts
