// Status codes and value types of the device registry, numbered as the device numbers them.
#pragma once

#include <QByteArray>
#include <cstdint>

namespace velmora::registry {

enum class Status : long {
    Success = 0,
    NotFound = 2,          // key or value absent, or the key was deleted meanwhile
    InvalidParameter = 87, // bad name or path, wrong value type for the call
    MoreData = 234,        // the caller's buffer is too small; the size says what is needed
    NoMoreItems = 259,     // enumeration index past the end
    Failed = 1359,         // the database could not be read or written
};

enum class ValueType : uint32_t {
    None = 0,
    String = 1, // UTF-16 text with its terminator
    Binary = 3,
    Dword = 4, // 32-bit little-endian
};

struct Value {
    ValueType type = ValueType::None;
    QByteArray data;
};

} // namespace velmora::registry
