// Auspicious hours, departure hours and the Hỷ thần, Tài thần and Hạc thần directions.
#include "suite/almanac/HoursAndDirections.h"

namespace velmora::almanac {
namespace {

int mod(int a, int n) {
    return ((a % n) + n) % n;
}

} // namespace

// Rule of the hoàng đạo hours: the day branch fixes where the twelve hour spirits start (days Tý
// and Ngọ from Thân, Sửu and Mùi from Tuất, ...), and the six auspicious spirits (Thanh Long,
// Minh Đường, Kim Quỹ, Thiên Đức, Ngọc Đường, Tư Mệnh) fall 0, 1, 4, 5, 7 and 10 hours on.
std::array<int, 6> auspiciousHourBranches(int b) {
    const int a = mod(b + 10, 6) * 2;
    std::array<int, 6> out{};
    constexpr std::array<int, 6> kSteps = {0, 1, 4, 5, 7, 10};
    for (std::size_t i = 0; i < kSteps.size(); ++i) out[i] = (a + kSteps[i]) % 12;
    return out;
}

// Rule of the departure hours: the six qualities are counted from Đại an through the lunar month,
// the lunar day and the hours from Tý; the hour where the count lands on Đại an starts them.
int departureStart(int lunarDay, int lunarMonth) {
    int h = 0;
    for (int i = 0; i < 12; ++i)
        if (mod(lunarDay + lunarMonth - 2 + i, 6) == 0) h = i;
    return h;
}

// The six qualities in their counting order, alternating good and bad.
std::u16string_view departureQuality(int k) {
    static constexpr std::u16string_view kQualities[6] = {u"Đại an",    u"Lưu niên", u"Tốc hỷ",
                                                          u"Xích khẩu", u"Tiểu cát", u"Không vong"};
    return kQualities[mod(k, 6)];
}

// Rule of Hỷ thần (the spirit of joy): by day stem, Giáp and Kỷ north-east, Ất and Canh
// north-west, Bính and Tân south-west, Đinh and Nhâm due south, Mậu and Quý south-east.
std::u16string_view hyThanDirection(int dayStem) {
    static constexpr std::u16string_view kByStem[5] = {u"hướng Đông Bắc", u"hướng Tây Bắc",
                                                       u"hướng Tây Nam", u"hướng Chính Nam",
                                                       u"hướng Đông Nam"};
    return kByStem[mod(dayStem, 10) % 5];
}

// Rule of Tài thần (the spirit of wealth): by day stem, Giáp and Ất south-east, Bính and Đinh
// due east, Mậu due north, Kỷ due south, Canh and Tân south-west, Nhâm and Quý due west.
std::u16string_view taiThanDirection(int dayStem) {
    static constexpr std::u16string_view kByStem[10] = {
        u"hướng Đông Nam",  u"hướng Đông Nam",  u"hướng Chính Đông", u"hướng Chính Đông",
        u"hướng Chính Bắc", u"hướng Chính Nam", u"hướng Tây Nam",    u"hướng Tây Nam",
        u"hướng Chính Tây", u"hướng Chính Tây"};
    return kByStem[mod(dayStem, 10)];
}

// Rule of Hạc thần (the crane spirit): from Bính Dần (index 2, u = 0) it spends five or six days in
// each direction clockwise from due south, except the sixteen days from Quý Tị to Mậu Thân (u 27
// to 42), which it spends in heaven.
std::u16string_view hacThanDirection(int sexagenaryDay) {
    const int u = mod(sexagenaryDay + 58, 60);
    if (u <= 4) return u"hướng Chính Nam";
    if (u <= 10) return u"hướng Tây Nam";
    if (u <= 15) return u"hướng Chính Tây";
    if (u <= 21) return u"hướng Tây Bắc";
    if (u <= 26) return u"hướng Chính Bắc";
    if (u <= 42) return u"Tại thiên (không quản)";
    if (u <= 48) return u"hướng Đông Bắc";
    if (u <= 53) return u"hướng Chính Đông";
    return u"hướng Đông Nam";
}

} // namespace velmora::almanac
