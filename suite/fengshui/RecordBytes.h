// Little-endian integers and zero-terminated UTF-16 text slots inside fixed-size records, and
// reading a record file with care: regular files only, never more than the format can hold.
#pragma once

#include "suite/files/LittleEndian.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::fengshui {

using files::getInt32;
using files::getText;
using files::putInt32;

// Writes text into a slot of `width` UTF-16 units, cut so that the terminating zero fits; the
// rest of the slot stays as it was (zero in a fresh record).
void putText(std::span<std::uint8_t> record, std::size_t at, std::size_t width,
             std::u16string_view text);

// The first bytes of a file, at most maxBytes (read by velmora::files::readRegularFile). Nothing
// when the path cannot be opened or is not a regular file: a folder, a FIFO, a device or a link to
// one is refused without blocking.
std::optional<std::vector<std::uint8_t>> readRegularFile(const std::filesystem::path& path,
                                                         std::size_t maxBytes);

// Whole records from the start of bytes; a trailing partial record is ignored.
template <typename Record, std::size_t Size, typename Decode>
std::vector<Record> decodeRecords(std::span<const std::uint8_t> bytes, Decode decode) {
    std::vector<Record> records;
    for (std::size_t at = 0; at + Size <= bytes.size(); at += Size)
        records.push_back(decode(bytes.subspan(at, Size)));
    return records;
}

// The records of a file of at most maxCount records; nothing when it cannot be read.
template <typename Record, std::size_t Size, typename Decode>
std::optional<std::vector<Record>> readRecordFile(const std::filesystem::path& path,
                                                  std::size_t maxCount, Decode decode) {
    const auto bytes = readRegularFile(path, maxCount * Size);
    if (!bytes) return std::nullopt;
    return decodeRecords<Record, Size>(*bytes, decode);
}

// Writes bytes whole beside the file and renames them into place; false when that fails or when
// the path holds something other than a regular file (a device, FIFO, folder or link), which is
// left as it was.
bool writeFileWhole(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// The records encoded one after another, written whole (as writeFileWhole).
template <typename Record, std::size_t Size, typename Encode>
bool writeRecordFile(const std::filesystem::path& path, const std::vector<Record>& records,
                     Encode encode) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(records.size() * Size);
    for (const Record& record : records) {
        const auto one = encode(record);
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return writeFileWhole(path, bytes);
}

} // namespace velmora::fengshui
