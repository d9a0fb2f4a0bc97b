// Turning the names in a rule (branch, stem, "ngày N", sexagenary day) into value codes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::vansu {

struct ValueParse {
    std::optional<std::int32_t> value;
    std::string error; // set when value is empty
};

// "Tý" -> 0, "Giáp" -> 20, "ngày 15" -> 115, "Giáp Tý" -> 200, "-" -> -1 (no value).
ValueParse parseValue(std::string_view text);

bool isDayCode(std::int32_t value);

} // namespace velmora::vansu
