// Rule kinds 12, 4 and 60/30 with the four value codes: branch, stem, lunar day, sexagenary day.
#include "suite/almanac/StarRules.h"

namespace almanac {
namespace {

// Lunar-day (101..130) and sexagenary (200..259) codes.
bool MatchesDayCode(std::int32_t v, const AlmanacDay& day) {
    if (v >= 101 && v <= 130) return v == day.d + 100;
    if (v >= 200 && v <= 259) return v == day.D + 200;
    return false;
}

// All four codes: branch 0..11, stem 20..29, lunar day, sexagenary day.
bool MatchesAnyCode(std::int32_t v, const AlmanacDay& day) {
    if (v >= 0 && v <= 11) return v == day.b;
    if (v >= 20 && v <= 29) return v == day.s + 20;
    return MatchesDayCode(v, day);
}

} // namespace

int StarMatchCount(const AlmanacStarRecord& record, const AlmanacDay& day) {
    switch (record.kind) {
    case kKindMonth:
        if (day.m < 1 || day.m > 12) return 0;
        return MatchesAnyCode(record.values[day.m - 1], day) ? 1 : 0;
    case kKindSeason: {
        if (day.q < 0 || day.q > 3) return 0;
        int n = 0;
        for (int k = 0; k < 3; ++k) n += MatchesAnyCode(record.values[3 * day.q + k], day);
        return n;
    }
    case kKindDays60:
    case kKindDays30: {
        int n = 0;
        for (const auto v : record.values) n += MatchesDayCode(v, day);
        return n;
    }
    default:
        return 0;
    }
}

void AddMatchingStars(const std::vector<AlmanacStarRecord>& records, const AlmanacDay& day,
                      std::vector<AlmanacStarRecord>& list) {
    for (const auto& record : records)
        for (int n = StarMatchCount(record, day); n > 0; --n) list.push_back(record);
}

} // namespace almanac
