// Reading a user file without ever blocking or following it anywhere odd: only a regular file is
// read (a folder, FIFO, device or a link to one is refused at once), and never more than the
// format can hold.
#pragma once

#include <cstddef>
#include <string>

namespace velmora::reminders {

enum class FileStatus {
    Read,       // a regular file, read (bytes may be cut at maxBytes: see truncated)
    Missing,    // nothing at that path
    NotRegular, // a folder, FIFO, socket or device, or a link to one
    Unreadable, // exists but cannot be opened or read
};

struct FileContent {
    FileStatus status = FileStatus::Missing;
    std::string bytes;
    bool truncated = false; // the file holds more than maxBytes
};

// Reads at most maxBytes of the file at hostPath (a UTF-8 host path).
FileContent readRegularFile(const std::string& hostPath, std::size_t maxBytes);

// What is at hostPath without following a final link: Missing, NotRegular or Read (a regular
// file, or a link to one).
FileStatus pathKind(const std::string& hostPath);

} // namespace velmora::reminders
