// Reading a lunar year's months out of the month table of a day of that year.
#include "suite/reminders/LunarYear.h"

#include "VelmoraDay.h"

namespace velmora::reminders {

LunarYear::LunarYear(int lunarYear) : year_(lunarYear) {
    if (!isSupportedYear(lunarYear)) return;
    // 1 June always lies after the lunar new year, so its record holds that lunar year's table.
    base_ = freshDay(1, 6, lunarYear);
    int first = -1;
    for (int k = 1; k < 15 && first < 0; ++k)
        if (base_.nThangSoc[k] == 1) first = k;
    if (first < 0) return;
    // The table's month 1 is entry 2, or 3 after a leap month 11 or 12; entry 15 has no end.
    for (int k = first; k < 15; ++k) {
        if (k > first && base_.nThangSoc[k] == 1) break;
        const int label = base_.nThangSoc[k];
        months_.push_back(
            Month{k, label > 20 ? label - 20 : label, label > 20, lunarMonthLength(base_, k)});
    }
}

CivilDate LunarYear::dateOf(const Month& month, int day, int* dayCanChi) const {
    // A lunar-to-solar call may leave the record with another year's table, so every conversion
    // starts from the untouched record.
    LICHVELMORA rec = base_;
    rec.nChiSoThang = month.index;
    rec.nNgayAm = day;
    DoiAmDuong(&rec, DAD_NGAY);
    if (dayCanChi) *dayCanChi = rec.nCanChiNgay;
    return CivilDate{rec.nNam, rec.nThang, rec.nNgay};
}

std::optional<LunarYear::Month> LunarYear::ordinaryMonth(int number) const {
    for (const Month& m : months_)
        if (m.number == number && !m.leap) return m;
    return std::nullopt;
}

CivilDate LunarYear::lastDay() const {
    const Month& last = months_.back();
    return dateOf(last, last.length);
}

std::u16string lunarMonthName(int number) {
    if (number == 1) return u"Giêng";
    if (number == 12) return u"Chạp";
    std::u16string text;
    for (char c : std::to_string(number)) text += char16_t(c);
    return text;
}

} // namespace velmora::reminders
