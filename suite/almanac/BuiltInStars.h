// The stars the almanac knows without data files: the nine stars and three rules by year stem.
#pragma once

#include "suite/almanac/AlmanacDay.h"
#include "suite/almanac/AlmanacStarRecord.h"

#include <vector>

namespace velmora::almanac {

// Index into the nine-star table: ((m - 1) mod 3 + D) mod 9.
int nineStarIndex(const AlmanacDay& day);

// The nine-star entry of the day, then "Tuế Đức", "Kim Thần Thất Sát" and "Thập Ác Đại Bại"
// when the year stem's rule holds, each appended to the auspicious or inauspicious list.
void addBuiltInStars(const AlmanacDay& day, std::vector<AlmanacStarRecord>& good,
                     std::vector<AlmanacStarRecord>& bad);

} // namespace velmora::almanac
