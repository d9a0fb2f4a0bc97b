// The day's auspicious hours, departure hours and the directions of three spirits.
#pragma once

#include <array>
#include <string_view>

namespace velmora::almanac {

// Branches of the six auspicious hours of a day with branch b, in the order shown.
std::array<int, 6> auspiciousHourBranches(int b);

// h: the largest i in 0..11 with (d + m - 2 + i) mod 6 = 0; departure pairs start from it.
int departureStart(int lunarDay, int lunarMonth);

// Departure qualities, k = 0..5: Đại an, Lưu niên, Tốc hỷ, Xích khẩu, Tiểu cát, Không vong.
std::u16string_view departureQuality(int k);

std::u16string_view hyThanDirection(int dayStem);
std::u16string_view taiThanDirection(int dayStem);
std::u16string_view hacThanDirection(int sexagenaryDay);

} // namespace velmora::almanac
