// The nine-star key of a person in a viewing year.
#pragma once

#include <optional>

namespace velmora::fengshui {

// The age key 1..9 of the nine-star cycle: (viewing year - birth year) mod 9 + 1, so that the
// birth year itself (Vietnamese age 1) has key 1 and the cycle repeats every nine years. None
// for a viewing year before the birth year: there is no fortune to read before a person is born.
std::optional<int> nineStarKey(int birthYear, int viewingYear);

} // namespace velmora::fengshui
