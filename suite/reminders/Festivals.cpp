// The festival table: each row says which traditional rule it encodes.
#include "suite/reminders/Festivals.h"

namespace velmora::reminders {

namespace {

constexpr FestivalRule kFestivals[] = {
    // Lunar new year: the first day of month 1 and the two days after it.
    {"tet-1", u"Tết Nguyên Đán", FestivalAnchor::LunarDay, 1, 1},
    {"tet-2", u"Mùng 2 Tết", FestivalAnchor::LunarDay, 1, 2},
    {"tet-3", u"Mùng 3 Tết", FestivalAnchor::LunarDay, 1, 3},
    // The first full moon of the year (Tết Nguyên Tiêu): the 15th of month 1.
    {"ram-thang-gieng", u"Rằm tháng Giêng", FestivalAnchor::LunarDay, 1, 15},
    // Cold-food day: the 3rd of month 3.
    {"han-thuc", u"Tết Hàn thực", FestivalAnchor::LunarDay, 3, 3},
    // Commemoration of the Hùng kings: the 10th of month 3.
    {"gio-to-hung-vuong", u"Giỗ Tổ Hùng Vương", FestivalAnchor::LunarDay, 3, 10},
    // Buddha's birthday as the Vietnamese Buddhist Sangha keeps it: the 15th of month 4.
    {"phat-dan", u"Lễ Phật đản", FestivalAnchor::LunarDay, 4, 15},
    // Mid-year festival: the 5th of month 5.
    {"doan-ngo", u"Tết Đoan ngọ", FestivalAnchor::LunarDay, 5, 5},
    // Ancestors' and parents' day: the full moon of month 7.
    {"vu-lan", u"Lễ Vu Lan", FestivalAnchor::LunarDay, 7, 15},
    // Mid-autumn festival: the full moon of month 8.
    {"trung-thu", u"Tết Trung thu", FestivalAnchor::LunarDay, 8, 15},
    // The kitchen gods go up to heaven: the 23rd of month 12.
    {"ong-cong-ong-tao", u"Tết ông Công ông Táo", FestivalAnchor::LunarDay, 12, 23},
    // New year's eve: the last day of the year, 29 or 30 of the last month.
    {"giao-thua", u"Giao thừa", FestivalAnchor::LastDayOfYear, 0, 0},
};

} // namespace

std::span<const FestivalRule> festivalRules() {
    return kFestivals;
}

std::optional<CivilDate> festivalDate(const FestivalRule& rule, const LunarYear& year) {
    if (!year.isValid()) return std::nullopt;
    if (rule.anchor == FestivalAnchor::LastDayOfYear) return year.lastDay();
    const std::optional<LunarYear::Month> month = year.ordinaryMonth(rule.month);
    if (!month) return std::nullopt;
    return year.dateOf(*month, std::min(rule.day, month->length));
}

} // namespace velmora::reminders
