// The places the weather server answers for: each city code of the item's city table with the
// point whose forecast is asked for.
#pragma once

#include <QString>
#include <optional>
#include <span>

namespace velmora::weatherd {

struct CityPoint {
    const char* code; // the item's city code, "vmxx0006"
    const char16_t* name;
    double latitude;   // degrees north
    double longitude;  // degrees east
    const char* point; // what the coordinates name
};

std::span<const CityPoint> cityPoints();

// The row of a code, matched case-blind ("VMXX0006" is Hà Nội too); nullopt for any other code.
std::optional<CityPoint> cityByCode(const QString& code);

} // namespace velmora::weatherd
