// Matching a star record's rule against a day.
#pragma once

#include "suite/almanac/AlmanacDay.h"
#include "suite/almanac/AlmanacStarRecord.h"

#include <vector>

namespace velmora::almanac {

// How many times the record applies to the day: 0 or 1 for kind 12; one per matching value
// for kind 4 (the day's season's three values) and kinds 60/30 (all twelve values).
int starMatchCount(const AlmanacStarRecord& record, const AlmanacDay& day);

// Appends each record as many times as it matches, in file order.
void addMatchingStars(const std::vector<AlmanacStarRecord>& records, const AlmanacDay& day,
                      std::vector<AlmanacStarRecord>& list);

} // namespace velmora::almanac
