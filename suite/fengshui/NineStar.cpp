// The nine-star key by Vietnamese age.
#include "suite/fengshui/NineStar.h"

namespace velmora::fengshui {

std::optional<int> nineStarKey(int birthYear, int viewingYear) {
    const long long diff = static_cast<long long>(viewingYear) - birthYear;
    if (diff < 0) return std::nullopt;
    return int(diff % 9) + 1;
}

} // namespace velmora::fengshui
