// Ten gods, life stages, hidden stems and the pillars of a birth moment.
#include "suite/charts/FourPillars.h"

#include "VelmoraDay.h"
#include "suite/charts/ByteFields.h"
#include "suite/charts/ChartText.h"

#include <cmath>

namespace velmora::charts {

namespace {

int mod(int v, int n) {
    return ((v % n) + n) % n;
}

// Hidden stems of the branches Tý..Hợi (main qi in the middle column): Tý Quý; Sửu Kỷ Quý Tân;
// Dần Giáp Bính Mậu; Mão Ất; Thìn Mậu Ất Quý; Tị Bính Canh Mậu; Ngọ Đinh Kỷ; Mùi Kỷ Đinh Ất;
// Thân Canh Mậu Nhâm; Dậu Tân; Tuất Mậu Tân Đinh; Hợi Nhâm Giáp.
constexpr std::int32_t kHiddenStems[12][3] = {
    {kNone, 9, kNone}, {5, 9, 7}, {0, 2, 4}, {kNone, 1, kNone}, {4, 1, 9}, {2, 6, 4},
    {3, 5, kNone},     {5, 3, 1}, {6, 4, 8}, {kNone, 7, kNone}, {4, 7, 3}, {8, 0, kNone},
};

// Where each stem's "Trường Sinh" stands: Giáp Hợi, Ất Ngọ, Bính and Mậu Dần, Đinh and Kỷ Dậu,
// Canh Tị, Tân Tý, Nhâm Thân, Quý Mão; yang stems then count forward, yin stems backward.
constexpr int kGrowthStart[10] = {11, 6, 2, 9, 2, 9, 5, 0, 8, 3};

constexpr std::u16string_view kTenGodNames[10] = {
    u"Ngang Vai", u"Kiếp Tài",   u"Thực Thần",  u"Thương Quan", u"Thiên Tài",
    u"Chính Tài", u"Thiên Quan", u"Chính Quan", u"Thiên Ấn",    u"Chính Ấn"};
constexpr std::u16string_view kTenGodShortNames[10] = {u"Tỷ",  u"Kiếp", u"Thực", u"Thươg", u"T.Tài",
                                                       u"Tài", u"Sát",  u"Quan", u"Kiêu",  u"Ấn"};

constexpr std::u16string_view kStageNames[12] = {
    u"Trường Sinh", u"Mộc Dục", u"Quan Đới", u"Lâm Quan", u"Đế Vượng", u"Suy",
    u"Bệnh",        u"Tử",      u"Mộ",       u"Tuyệt",    u"Thai",     u"Dưỡng"};
constexpr std::u16string_view kStageShortNames[12] = {u"Sinh",  u"Dục",   u"Đới",  u"Quan",
                                                      u"Vượng", u"Suy",   u"Bệnh", u"Tử",
                                                      u"Mộ",    u"Tuyệt", u"Thai", u"Dưỡng"};

void fillHidden(const std::int32_t (&stems)[3], int dayStem, int stageBranch,
                std::int32_t (&hidden)[3], std::int32_t (&tenGods)[3], std::int32_t (&stages)[3]) {
    for (int i = 0; i < 3; ++i) {
        hidden[i] = stems[i];
        tenGods[i] = TenGod(stems[i], dayStem);
        stages[i] = LifeStage(stems[i], stageBranch);
    }
}

// The local Julian date of the birth moment, comparable with the record's term tables.
double birthInstant(const LICHVELMORA& day) {
    return JD(day.nNgay, day.nThang, day.nNam, day.nGio + day.nPhut / 60.0);
}

} // namespace

int TenGod(int stem, int dayStem) {
    if (stem < 0 || stem > 9 || dayStem < 0 || dayStem > 9) return kNone;
    const int relation = NguHanhSinhKhac(g_10Can[dayStem].nHanh, g_10Can[stem].nHanh);
    const bool same = (stem % 2) == (dayStem % 2);
    switch (relation) {
    case 0:
        return same ? 0 : 1; // same element: companion, rob wealth
    case 1:
        return same ? 2 : 3; // the day generates it: output
    case -1:
        return same ? 4 : 5; // the day overcomes it: wealth
    case -2:
        return same ? 6 : 7; // it overcomes the day: officer
    case 2:
        return same ? 8 : 9; // it generates the day: resource
    default:
        return kNone;
    }
}

int LifeStage(int stem, int branch) {
    if (stem < 0 || stem > 9 || branch < 0 || branch > 11) return kNone;
    const int start = kGrowthStart[stem];
    return stem % 2 == 0 ? mod(branch - start, 12) : mod(start - branch, 12);
}

const std::int32_t (&hiddenStems(int branch))[3] {
    return kHiddenStems[mod(branch, 12)];
}

std::u16string_view tenGodName(int tenGod, bool shortName) {
    if (tenGod < 0 || tenGod > 9) return {};
    return shortName ? kTenGodShortNames[tenGod] : kTenGodNames[tenGod];
}

std::u16string_view lifeStageName(int stage, bool shortName) {
    if (stage < 0 || stage > 11) return {};
    return shortName ? kStageShortNames[stage] : kStageNames[stage];
}

void ComputePillars(PillarSet& set) {
    const LICHVELMORA& day = set.day;
    const double birth = birthInstant(day);
    const int m = day.nThang;

    // Year and month change at the very moment of their solar term, not at the start of its day:
    // a birth hours before "Lập xuân" still belongs to the old year.
    const bool afterSpring = birth >= day.dTietKhi[2];
    const bool afterTerm = birth >= day.dTietKhi[m];
    set.pillarYear = afterSpring ? day.nNam : day.nNam - 1;
    const int yearIndex = mod(set.pillarYear + 56, 60);
    const int monthBranch = afterTerm ? m % 12 : (m - 1) % 12;
    // Month Dần of a year has the index 12 × year + 2; later months follow one by one.
    const int monthIndex = mod(12 * yearIndex + 2 + mod(monthBranch - 2, 12), 60);
    const int indices[4] = {yearIndex, monthIndex, day.nCanChiNgay, day.nCanChiGio};
    const int dayStem = day.nCanChiNgay % 10;

    // Luck counts forward for a yang man or a yin woman, to the next term; backward to the last.
    set.forward = (set.sex != 0) == (yearIndex % 2 == 0);
    double days = 0;
    if (set.forward)
        days = (birth < day.dTietKhi[m] ? day.dTietKhi[m] : day.dTietKhi[m + 1]) - birth;
    else
        days = birth - (afterTerm ? day.dTietKhi[m] : day.dTietKhi[m - 1]);
    set.startAge = static_cast<int>(std::trunc(days)) / 3 + 1;

    for (int i = 0; i < 4; ++i) {
        Pillar& p = set.pillars[i];
        p.index = indices[i];
        p.stem = p.index % 10;
        p.branch = p.index % 12;
        p.tenGod = i == DayPillarAt ? kNone : TenGod(p.stem, dayStem);
        p.stageOwn = LifeStage(p.stem, p.branch);
        p.stageMonth = LifeStage(p.stem, monthBranch);
        fillHidden(hiddenStems(p.branch), dayStem, monthBranch, p.hidden, p.hiddenTenGod,
                   p.hiddenStage);
    }
}

void ComputeLucks(PillarSet& set) {
    const int dayStem = set.pillars[DayPillarAt].stem;
    const int monthIndex = set.pillars[MonthPillarAt].index;
    for (int i = 0; i < kLuckColumns; ++i) {
        const int luck = set.firstLuck + i;
        LuckPillar& l = set.lucks[i];
        l.index = mod(set.forward ? monthIndex + luck : monthIndex - luck, 60);
        l.age = set.startAge + 10 * luck;
        l.stem = l.index % 10;
        l.branch = l.index % 12;
        l.tenGod = TenGod(l.stem, dayStem);
        l.stageOwn = LifeStage(l.stem, l.branch);
        fillHidden(hiddenStems(l.branch), dayStem, l.branch, l.hidden, l.hiddenTenGod,
                   l.hiddenStage);
    }
}

void ComputeYears(PillarSet& set) {
    const int dayStem = set.pillars[DayPillarAt].stem;
    const int selected = set.selectedLuck;
    const int base = selected > 0 ? set.startAge + 10 * selected - 11 : 0;
    for (int i = 0; i < kYearColumns; ++i) {
        YearPillar& y = set.years[i];
        y.index = mod(set.pillars[YearPillarAt].index + base + i, 60);
        y.age = base + 1 + i;
        y.stem = y.index % 10;
        y.branch = y.index % 12;
        y.tenGod = TenGod(y.stem, dayStem);
        y.stageOwn = LifeStage(y.stem, y.branch);
    }
}

bool receiveBirth(PillarSet& set, const BirthRecord& birth) {
    if (!isValidBirthMoment(birth)) return false;
    set.day = freshDay(birth.day, birth.month, birth.year, birth.hour, birth.minute);
    set.sex = isMale(birth) ? 1 : 0;
    set.name = fieldText(birth.name);
    set.firstLuck = 0;
    set.selectedLuck = 0;
    ComputePillars(set);
    ComputeLucks(set);
    ComputeYears(set);
    return true;
}

void chooseFirstLuck(PillarSet& set, int firstLuck) {
    set.firstLuck = firstLuck;
    set.selectedLuck = firstLuck;
    ComputeLucks(set);
    ComputeYears(set);
}

void selectLuckColumn(PillarSet& set, int column) {
    if (column < 0 || column >= kLuckColumns) return;
    set.selectedLuck = set.firstLuck + column;
    ComputeYears(set);
}

std::u16string luckAgeText(int age) {
    if (age < 10) return u"0-" + number(age - 1);
    return number(age - 10) + u"-" + number(age - 1);
}

std::u16string yearAgeText(const PillarSet& set, int age) {
    const int year = mod(set.pillarYear + age - 1, 100);
    return zeroPadded(year, 2) + u":" + number(age);
}

} // namespace velmora::charts
