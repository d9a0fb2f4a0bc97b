// Rule kinds 12, 4 and 60/30 with the four value codes: branch, stem, lunar day, sexagenary day.
#include "suite/almanac/StarRules.h"

namespace velmora::almanac {
namespace {

// Lunar-day (101..130) and sexagenary (200..259) codes.
bool matchesDayCode(std::int32_t v, const AlmanacDay& day) {
    if (v >= 101 && v <= 130) return v == day.lunarDay + 100;
    if (v >= 200 && v <= 259) return v == day.dayIndex + 200;
    return false;
}

// All four codes: branch 0..11, stem 20..29, lunar day, sexagenary day.
bool matchesAnyCode(std::int32_t v, const AlmanacDay& day) {
    if (v >= 0 && v <= 11) return v == day.dayBranch;
    if (v >= 20 && v <= 29) return v == day.dayStem + 20;
    return matchesDayCode(v, day);
}

} // namespace

int starMatchCount(const AlmanacStarRecord& record, const AlmanacDay& day) {
    switch (record.kind) {
    case kKindMonth:
        if (day.lunarMonth < 1 || day.lunarMonth > 12) return 0;
        return matchesAnyCode(record.values[day.lunarMonth - 1], day) ? 1 : 0;
    case kKindSeason: {
        if (day.season < 0 || day.season > 3) return 0;
        int n = 0;
        for (int k = 0; k < 3; ++k) n += matchesAnyCode(record.values[3 * day.season + k], day);
        return n;
    }
    case kKindDays60:
    case kKindDays30: {
        int n = 0;
        for (const auto v : record.values) n += matchesDayCode(v, day);
        return n;
    }
    default:
        return 0;
    }
}

void addMatchingStars(const std::vector<AlmanacStarRecord>& records, const AlmanacDay& day,
                      std::vector<AlmanacStarRecord>& list) {
    for (const auto& record : records)
        for (int n = starMatchCount(record, day); n > 0; --n) list.push_back(record);
}

} // namespace velmora::almanac
