// The four-pillars chart ("Tử bình"): year, month, day and hour pillars with hidden stems, ten
// gods and the twelve life stages, four luck periods and ten yearly pillars.
#pragma once

#include "VelmoraLib.h"
#include "suite/charts/BirthRecord.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::charts {

inline constexpr int kNone = -1;

// A birth pillar (year, month, day or hour).
struct Pillar {
    std::int32_t tenGod;          // of the stem against the day stem; kNone for the day pillar
    std::int32_t stem;            // 0..9
    std::int32_t branch;          // 0..11
    std::int32_t index;           // sexagenary 0..59
    std::int32_t stageOwn;        // stage of the stem at its own branch
    std::int32_t stageMonth;      // stage of the stem at the month branch
    std::int32_t hidden[3];       // hidden stems of the branch, kNone where there is none
    std::int32_t hiddenTenGod[3]; // their ten gods
    std::int32_t hiddenStage[3];  // their stages at the month branch
};

// A ten-year luck period.
struct LuckPillar {
    std::int32_t tenGod;
    std::int32_t stem;
    std::int32_t branch;
    std::int32_t index;
    std::int32_t stageOwn;
    std::int32_t age; // the period covers ages age − 10 .. age − 1
    std::int32_t hidden[3];
    std::int32_t hiddenTenGod[3];
    std::int32_t hiddenStage[3]; // at the luck branch
};

struct YearPillar {
    std::int32_t tenGod;
    std::int32_t stem;
    std::int32_t branch;
    std::int32_t index;
    std::int32_t stageOwn;
    std::int32_t age; // counted from 1 in the year of birth
};

inline constexpr int kLuckColumns = 4;
inline constexpr int kYearColumns = 10;
enum PillarPosition { YearPillarAt = 0, MonthPillarAt = 1, DayPillarAt = 2, HourPillarAt = 3 };

struct PillarSet {
    std::u16string name;
    std::int32_t sex = 1; // 1 male, 0 female
    std::int32_t clientWidth = 0, clientHeight = 0;
    bool wide = false;             // "Xem rộng"
    std::int32_t startAge = 1;     // age at which luck counting starts
    std::int32_t selectedLuck = 0; // luck whose yearly pillars are shown
    std::int32_t firstLuck = 0;    // first of the four shown: 0, 2, 4, 6 or 8
    LICHVELMORA day{};             // the birth moment, converted
    // The year pillar's own solar year: the birth year, or the one before for a birth ahead of
    // that year's "Lập xuân".
    std::int32_t pillarYear = 0;
    bool forward = true; // luck periods count forward (yang man, yin woman)
    Pillar pillars[4]{};
    LuckPillar lucks[kLuckColumns]{};
    YearPillar years[kYearColumns]{};
};

// The ten god of stem against the day stem: 0..9, or kNone when stem is kNone.
int TenGod(int stem, int dayStem);
// The life stage of stem at branch: 0..11, or kNone when either is kNone.
int LifeStage(int stem, int branch);

// The hidden stems of a branch, kNone where there is none.
const std::int32_t (&hiddenStems(int branch))[3];

std::u16string_view tenGodName(int tenGod, bool shortName);
std::u16string_view lifeStageName(int stage, bool shortName);

// Pillars, start age and direction from set.day and set.sex.
void ComputePillars(PillarSet& set);
// The four luck periods from set.firstLuck.
void ComputeLucks(PillarSet& set);
// The ten yearly pillars of set.selectedLuck.
void ComputeYears(PillarSet& set);

// What the window does when birth data arrive: converts the moment, copies name and sex,
// starts at luck 0 and computes everything. False, leaving set alone, when the moment is not
// a valid birth moment.
bool receiveBirth(PillarSet& set, const BirthRecord& birth);

// Chooses the first shown luck (0, 2, 4, 6, 8) and selects it, as the "Đại vận" commands do.
void chooseFirstLuck(PillarSet& set, int firstLuck);
// Selects the luck shown in column 0..3, as a tap on the middle band does.
void selectLuckColumn(PillarSet& set, int column);

// "%d-%d" (age − 10, age − 1), or "0-%d" (age − 1) when the age is below 10.
std::u16string luckAgeText(int age);
// "%02d:%d": the last two digits of the pillar's solar year, and the age.
std::u16string yearAgeText(const PillarSet& set, int age);

} // namespace velmora::charts
