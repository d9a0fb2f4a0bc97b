// The traditional festivals of the lunar year, as one table of rules.
#pragma once

#include "suite/reminders/LunarYear.h"

#include <optional>
#include <span>
#include <string_view>

namespace velmora::reminders {

enum class FestivalAnchor {
    LunarDay,      // day `day` of the ordinary lunar month `month`
    LastDayOfYear, // the last day of the lunar year, the eve of the next new year
};

struct FestivalRule {
    std::string_view key; // stable part of the event's UID
    std::u16string_view name;
    FestivalAnchor anchor;
    int month; // lunar month, for LunarDay
    int day;   // lunar day, for LunarDay
};

// The table, in the order of the lunar year.
std::span<const FestivalRule> festivalRules();

// The solar date of a festival in a lunar year; nullopt when the year cannot be computed.
std::optional<CivilDate> festivalDate(const FestivalRule& rule, const LunarYear& year);

} // namespace velmora::reminders
