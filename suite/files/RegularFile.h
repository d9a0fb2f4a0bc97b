// Reading a data or user file with care: only a regular file (a folder, FIFO, device or socket in
// its place is refused without blocking), and never more than its format can hold (a link to an
// endless file cannot make the reader run without limit). Plain C++: the Qt-free readers use it.
#pragma once

#include <cstddef>
#include <string>

namespace velmora::files {

enum class ReadStatus {
    Ok,
    Missing,   // nothing at the path
    NotAFile,  // a folder, FIFO, device or socket, or a link to one
    TooLong,   // more than the caller's limit; bytes holds the first limit bytes
    ReadError, // it could not be opened or read
};

struct ReadResult {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;
};

// Reads the file at path, following links, when it is a regular file of at most maxBytes.
ReadResult readRegularFile(const std::string& path, std::size_t maxBytes);

} // namespace velmora::files
