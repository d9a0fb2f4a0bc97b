// Computing the purple-star chart: palaces, bureau, Tử Vi, Tuần and Triệt, the stars of the
// catalogue by their placement methods, decades and small limits.
#include "suite/charts/PurpleStarChart.h"

#include "VelmoraDay.h"
#include "suite/charts/ByteFields.h"

#include <cstring>

namespace velmora::charts {

namespace {

int mod12(int v) {
    return ((v % 12) + 12) % 12;
}

// Palace names by palace-name index, counted from the life palace in branch order; index 10 is
// the spouse's palace, named for the husband or the wife.
constexpr std::u16string_view kPalaceNames[kPalaceCount] = {
    u"MỆNH",     u"PHỤ MẪU", u"PHÚC ĐỨC", u"ĐIỀN TRẠCH", u"QUAN LỘC",  u"NÔ BỘC",
    u"THIÊN DI", u"TẬT ÁCH", u"TÀI BẠCH", u"TỬ TỨC",     u"THÊ THIẾP", u"HUYNH ĐỆ"};
constexpr std::u16string_view kPalaceShortNames[kPalaceCount] = {u"MỆNH", u"PHỤ", u"PHÚC", u"ĐIỀN",
                                                                 u"QUAN", u"NÔ",  u"DI",   u"TẬT",
                                                                 u"TÀI",  u"TỬ",  u"THÊ",  u"BÀO"};
constexpr int kSpousePalace = 10;

// Bureau names and numbers by bureau (the element of the life palace's sound).
constexpr std::u16string_view kBureauNames[5] = {u"Thuỷ Nhị Cục", u"Mộc Tam Cục", u"Hoả Lục Cục",
                                                 u"Thổ Ngũ Cục", u"Kim Tứ Cục"};
constexpr int kBureauNumbers[5] = {2, 3, 6, 5, 4};

// The bureau by year stem mod 5 and life palace div 2: the element of the sound of the life
// palace's stem and branch, its stem counted from the Dần palace's (Giáp and Kỷ years: Bính Dần).
constexpr int kBureauTable[5][6] = {
    {0, 2, 1, 3, 4, 2}, {2, 3, 4, 1, 0, 3}, {3, 1, 0, 4, 2, 1},
    {1, 4, 2, 0, 3, 4}, {4, 0, 3, 2, 1, 0},
};

// Tử Vi's position by lunar day and bureau: with n the bureau number, the smallest k with
// k n >= day starts at Dần + k - 1, then moves forward by k n - day when that is even, backward
// when odd. (Day 8 of the wood bureau is Mão, as the rule gives.)
constexpr int kPurpleStarTable[30][5] = {
    {1, 4, 9, 6, 11},   {2, 1, 6, 11, 4}, {2, 2, 11, 4, 1}, {3, 5, 4, 1, 2},   {3, 2, 1, 2, 0},
    {4, 3, 2, 7, 5},    {4, 6, 10, 0, 2}, {5, 3, 7, 5, 3},  {5, 4, 0, 2, 1},   {6, 7, 5, 3, 6},
    {6, 4, 2, 8, 3},    {7, 5, 3, 1, 4},  {7, 8, 11, 6, 2}, {8, 5, 8, 3, 7},   {8, 6, 1, 4, 4},
    {9, 9, 6, 9, 5},    {9, 6, 3, 2, 3},  {10, 7, 4, 7, 8}, {10, 10, 0, 4, 5}, {11, 7, 9, 5, 6},
    {11, 8, 2, 10, 4},  {0, 11, 7, 3, 9}, {0, 8, 4, 8, 6},  {1, 9, 5, 5, 7},   {1, 0, 1, 6, 5},
    {2, 9, 10, 11, 10}, {2, 10, 3, 4, 7}, {3, 1, 8, 9, 8},  {3, 10, 5, 6, 6},  {4, 11, 6, 7, 11},
};

// Small limits start by year branch mod 4: Thân Tý Thìn at Tuất, Tị Dậu Sửu at Mùi, Dần Ngọ
// Tuất at Thìn, Hợi Mão Mùi at Sửu.
constexpr int kSmallLimitStart[4] = {10, 7, 4, 1};

// A table value used as a position: 0..11, or -1 when the character is "none" or larger.
int tablePosition(const StarRecord& star, int k) {
    if (k < 0 || k + 1 >= static_cast<int>(kPositionTableWidth)) return -1;
    const int v = tableValue(star.table[k + 1]);
    return v >= 0 && v < kPalaceCount ? v : -1;
}

// The value of a character used as an id or a step: 0..20, or -1.
int tableNumber(const StarRecord& star, int character) {
    return tableValue(star.table[character]);
}

struct Context {
    int purpleStar; // V
    int hour;       // h
    int month;      // m
    int day;        // d
    int stem;       // s
    int branch;     // b
    bool forward;   // the sex equals the yang flag of the year
};

Context contextOf(const PurpleStarChart& chart) {
    const BirthRecord& b = chart.birth;
    Context c{};
    c.hour = mod12(b.hourIndex);
    c.month = b.lunarMonth;
    c.day = b.lunarDay;
    c.stem = b.yearIndex % 10;
    c.branch = b.yearIndex % 12;
    c.purpleStar = purpleStarTable(c.day, chart.bureau);
    c.forward = isMale(b) == (c.stem % 2 == 0);
    return c;
}

// A position from a base that must exist, shifted by an offset.
StarPositions one(int base, int offset = 0) {
    StarPositions p;
    if (base < 0) return p;
    p.count = 1;
    p.positions[0] = mod12(base + offset);
    return p;
}

StarPositions pair(int first) {
    StarPositions p;
    p.count = 2;
    p.positions[0] = mod12(first);
    p.positions[1] = mod12(first + 1);
    return p;
}

void place(ChartPalace& palace, const StarRecord& star, int position) {
    ChartStar& slot = palace.stars[palace.starCount];
    slot = ChartStar{};
    // The strength suffix needs a letter for this very position.
    const bool strong =
        star.strength.size() >= 11 && static_cast<std::size_t>(position) < star.strength.size();
    const char16_t letter = strong ? star.strength[position] : u'\0';
    std::u16string longName(cutText(star.longName, kStarLongNameWidth - 1));
    std::u16string shortName(cutText(star.shortName, kStarShortNameWidth - 1));
    if (strong) {
        const std::u16string suffix = std::u16string(u" (") + letter + u")";
        longName += suffix;
        shortName += suffix;
    }
    setFieldText(slot.longName, longName);
    setFieldText(slot.shortName, shortName);
    slot.strength = letter;
    slot.id = star.id;
    slot.element = star.element;
    slot.good = star.good;
    slot.starClass = star.starClass;
    if (star.id < kMainStarIdLimit) ++palace.mainStarCount;
    ++palace.starCount;
}

void clearComputed(PurpleStarChart& chart) {
    const BirthRecord birth = chart.birth;
    const std::int32_t width = chart.clientWidth, height = chart.clientHeight;
    std::memset(static_cast<void*>(&chart), 0, sizeof chart);
    chart.birth = birth;
    chart.clientWidth = width;
    chart.clientHeight = height;
    chart.selectedPalace = -1;
}

// Steps 1 to 6 and 9, 10: everything but the stars.
bool computeFrame(PurpleStarChart& chart) {
    clearComputed(chart);
    if (!fillDerivedValues(chart.birth)) return false;
    const BirthRecord& b = chart.birth;
    const int yearIndex = b.yearIndex;
    const int stem = yearIndex % 10, branch = yearIndex % 12;
    const int hour = b.hourIndex % 12;

    const HOAGIAP& sound = g_30HoaGiap[yearIndex / 2];
    chart.element = sound.nHanh;
    setFieldText(chart.yearSoundName, std::u16string_view(sound.szTen));

    const int life = mod12(b.lunarMonth + 1 - hour);
    chart.lifePalace = life;
    chart.bodyPalace = mod12(b.lunarMonth + 1 + hour);
    for (int p = 0; p < kPalaceCount; ++p)
        chart.palaces[p].nameIndex = static_cast<std::uint8_t>(mod12(p - life));

    chart.bureau = bureauTable(stem % 5, life / 2);
    chart.tuan = 10 - 2 * (yearIndex / 10);
    chart.triet = (4 - stem % 5) * 2;

    // Decades run forward for a yang man or a yin woman, backward otherwise.
    const bool forward = isMale(b) == (stem % 2 == 0);
    const int start = bureauNumber(chart.bureau);
    for (int i = 0; i < kPalaceCount; ++i)
        chart.palaces[mod12(life + (forward ? i : -i))].decadeAge =
            static_cast<std::uint8_t>(start + 10 * i);

    // Small limits run forward for men, backward for women.
    const int first = kSmallLimitStart[branch % 4];
    for (int i = 0; i < kPalaceCount; ++i)
        chart.palaces[mod12(first + (isMale(b) ? i : -i))].smallLimitBranch =
            static_cast<std::uint8_t>((branch + i) % 12);
    chart.computed = 1;
    return true;
}

} // namespace

std::u16string_view palaceName(int nameIndex, bool male) {
    if (nameIndex < 0 || nameIndex >= kPalaceCount) return {};
    if (nameIndex == kSpousePalace && !male) return u"PHU QUÂN";
    return kPalaceNames[nameIndex];
}

std::u16string_view palaceShortName(int nameIndex, bool male) {
    if (nameIndex < 0 || nameIndex >= kPalaceCount) return {};
    if (nameIndex == kSpousePalace && !male) return u"PHU";
    return kPalaceShortNames[nameIndex];
}

std::u16string_view bureauName(int bureau) {
    return bureau >= 0 && bureau < 5 ? kBureauNames[bureau] : std::u16string_view();
}

int bureauNumber(int bureau) {
    return bureau >= 0 && bureau < 5 ? kBureauNumbers[bureau] : 0;
}

int bureauTable(int stemMod5, int lifePalaceHalf) {
    return kBureauTable[((stemMod5 % 5) + 5) % 5][((lifePalaceHalf % 6) + 6) % 6];
}

int purpleStarTable(int lunarDay, int bureau) {
    if (lunarDay < 1 || lunarDay > 30 || bureau < 0 || bureau > 4) return -1;
    return kPurpleStarTable[lunarDay - 1][bureau];
}

StarPositions starPositions(const StarRecord& star, const PurpleStarChart& chart,
                            int currentYearIndex) {
    const Context c = contextOf(chart);
    const int current = ((currentYearIndex % 60) + 60) % 60;
    switch (star.method) {
    case ByPurpleStar:
        return one(tablePosition(star, c.purpleStar));
    case ByHour:
        return one(tablePosition(star, c.hour));
    case ByMonth:
        return one(tablePosition(star, c.month - 1));
    case ByYearStem:
        return one(tablePosition(star, c.stem));
    case ByYearBranch:
        return one(tablePosition(star, c.branch));
    case FireStar:
        return one(tablePosition(star, c.branch), c.forward ? c.hour : -c.hour);
    case BellStar:
        return one(tablePosition(star, c.branch), c.forward ? -c.hour : c.hour);
    case Transformation: {
        const int target = tableNumber(star, c.stem + 1);
        if (target < 0) return {};
        for (int p = 0; p < kPalaceCount; ++p)
            for (int i = 0; i < chart.palaces[p].starCount; ++i)
                if (chart.palaces[p].stars[i].id == target) return one(p);
        return {};
    }
    case LuRing: {
        const int step = tableNumber(star, 11);
        if (step < 0) return {};
        return one(tablePosition(star, c.stem), c.forward ? step : -step);
    }
    case GrowthRing: {
        const int step = tableNumber(star, 6);
        if (step < 0) return {};
        return one(tablePosition(star, chart.bureau), c.forward ? step : -step);
    }
    case MonthPlusDay:
        return one(tablePosition(star, c.month - 1), c.day - 1);
    case MonthMinusDay:
        return one(tablePosition(star, c.month - 1), 37 - c.day);
    case HourPlusDay:
        return one(tablePosition(star, c.hour), c.day + 10);
    case HourMinusDay:
        return one(tablePosition(star, c.hour), 38 - c.day);
    case LifePlusBranch:
        return one(chart.lifePalace, c.branch);
    case BodyPlusBranch:
        return one(chart.bodyPalace, c.branch);
    case LifePlusFive:
        return one(chart.lifePalace, 5);
    case LifePlusSeven:
        return one(chart.lifePalace, 7);
    case BranchMonthHour:
        return one(c.hour, c.branch - c.month + 13);
    case TuanPair:
        return pair(chart.tuan);
    case TrietPair:
        return pair(chart.triet);
    case ByCurrentStem:
        return one(tablePosition(star, current % 10));
    case ByCurrentBranch:
        return one(tablePosition(star, current % 12));
    default:
        return {};
    }
}

bool ComputePurpleStarChart(PurpleStarChart& chart, int currentYearIndex,
                            std::span<const StarRecord> stars) {
    if (!computeFrame(chart)) return false;
    for (const StarRecord& star : stars) {
        const StarPositions where = starPositions(star, chart, currentYearIndex);
        for (int i = 0; i < where.count; ++i) {
            ChartPalace& palace = chart.palaces[where.positions[i]];
            if (palace.starCount >= kStarsPerPalace) {
                ++chart.droppedStars;
                continue;
            }
            place(palace, star, where.positions[i]);
        }
    }
    return true;
}

ChartOutcome ComputePurpleStarChart(PurpleStarChart& chart, int currentYearIndex,
                                    const std::filesystem::path& starFile) {
    ChartOutcome outcome;
    const StarCatalogue catalogue = readStarCatalogue(starFile);
    outcome.starFile = catalogue.status;
    outcome.birthValid = ComputePurpleStarChart(chart, currentYearIndex, catalogue.records);
    return outcome;
}

} // namespace velmora::charts
