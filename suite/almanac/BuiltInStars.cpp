// The nine stars and the year-stem rules of "Tuế Đức", "Kim Thần Thất Sát", "Thập Ác Đại Bại".
#include "suite/almanac/BuiltInStars.h"

#include <array>
#include <utility>

namespace velmora::almanac {
namespace {

constexpr std::array<const char16_t*, 9> kNineStars = {u"Yêu Tinh", u"Hoặc tinh",   u"Hòa Đao",
                                                       u"Sát Cống", u"Trực Tinh",   u"Bốc Mộc",
                                                       u"Giác Tị",  u"Nhân Chuyên", u"Lập Tảo"};

// Year stems y and y + 5 share a row.
constexpr std::array<int, 5> kTueDucStem = {0, 6, 2, 8, 4};
constexpr std::array<std::pair<int, int>, 5> kKimThanBranches = {
    {{6, 7}, {4, 5}, {2, 3}, {10, 11}, {8, 9}}};

// (lunar month, sexagenary day) of the ten great-defeat days, grouped by year stem row.
// Years with stem 1 or 6 fall on Ất Tị (41) in month 9: the traditional ten days are
// Giáp Thìn, Ất Tị, Bính Thân, Đinh Hợi, Mậu Tuất, Kỷ Sửu, Canh Thìn, Tân Tị, Nhâm Thân, Quý Hợi.
struct MonthDay {
    int lunarMonth, dayIndex;
};
constexpr std::array<std::array<MonthDay, 4>, 5> kThapAc = {{
    {{{3, 34}, {7, 59}, {10, 32}, {11, 23}}},
    {{{4, 8}, {9, 41}, {0, -1}, {0, -1}}},
    {{{3, 17}, {9, 16}, {10, 40}, {0, -1}}},
    {{{0, -1}, {0, -1}, {0, -1}, {0, -1}}},
    {{{6, 25}, {0, -1}, {0, -1}, {0, -1}}},
}};

AlmanacStarRecord builtInEntry(const char16_t* name, const char16_t* explanation, bool emphasis) {
    AlmanacStarRecord r;
    r.name = name;
    r.explanation = explanation;
    r.emphasis = emphasis;
    return r;
}

} // namespace

int nineStarIndex(const AlmanacDay& day) {
    const int m3 = (((day.lunarMonth - 1) % 3) + 3) % 3;
    return ((m3 + day.dayIndex) % 9 + 9) % 9;
}

void addBuiltInStars(const AlmanacDay& day, std::vector<AlmanacStarRecord>& good,
                     std::vector<AlmanacStarRecord>& bad) {
    const int i = nineStarIndex(day);
    if (i == 3 || i == 4 || i == 7)
        good.push_back(builtInEntry(kNineStars[i], u"Tốt mọi việc", true));
    else
        bad.push_back(builtInEntry(kNineStars[i], u"Xấu nói chung", true));

    const int row = day.yearStem % 5;
    if (day.dayStem == kTueDucStem[row])
        good.push_back(builtInEntry(u"Tuế Đức", u"Đức thần của năm, mọi việc đều tốt", true));
    if (day.dayBranch == kKimThanBranches[row].first ||
        day.dayBranch == kKimThanBranches[row].second)
        bad.push_back(builtInEntry(u"Kim Thần Thất Sát",
                                   u"Sát khí của năm; kỵ động thổ, xây sửa nhà, đi xa", true));
    for (const auto& md : kThapAc[row]) {
        if (md.lunarMonth == day.lunarMonth && md.dayIndex == day.dayIndex) {
            bad.push_back(builtInEntry(
                u"Thập Ác Đại Bại", u"Một trong mười ngày đại bại của năm; kỵ khởi sự lớn", true));
            break;
        }
    }
}

} // namespace velmora::almanac
