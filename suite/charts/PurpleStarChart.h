// The purple-star chart ("lá số tử vi"): twelve palaces on the twelve branches with their
// stars, the element bureau, decade ages and small limits, computed from a birth record.
#pragma once

#include "suite/charts/BirthRecord.h"
#include "suite/charts/StarRecord.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <type_traits>

namespace velmora::charts {

inline constexpr int kPalaceCount = 12;
inline constexpr int kStarsPerPalace = 20;
inline constexpr std::size_t kChartLongNameWidth = 19;  // long name + " (M)", terminator included
inline constexpr std::size_t kChartShortNameWidth = 11; // short name + " (M)", terminator included

// A star as placed in a palace.
struct ChartStar {
    char16_t longName[kChartLongNameWidth];   // "Tử Vi (M)" when the star has strength letters
    char16_t shortName[kChartShortNameWidth]; // "Tử (M)"
    char16_t strength;                        // the letter of this palace, 0 for none
    std::uint8_t id;
    std::uint8_t element; // 0..4 as the bureau; anything else has no colour
    std::uint8_t good;    // non-zero: favourable
    std::uint8_t starClass;
};
static_assert(sizeof(ChartStar) == 66 && offsetof(ChartStar, strength) == 60 &&
              offsetof(ChartStar, id) == 62 && offsetof(ChartStar, starClass) == 65);

struct ChartPalace {
    std::uint8_t reserved0;
    std::uint8_t nameIndex; // 0..11, counted from the life palace in branch order
    std::uint8_t reserved1;
    std::uint8_t mainStarCount;    // how many placed stars are main stars (id below 15)
    std::uint8_t starCount;        // 0..kStarsPerPalace
    std::uint8_t decadeAge;        // start age of the palace's decade
    std::uint8_t smallLimitBranch; // branch 0..11 of the small limit
    std::uint8_t reserved2;
    ChartStar stars[kStarsPerPalace];
};
static_assert(sizeof(ChartPalace) == 1328 && offsetof(ChartPalace, stars) == 8);

inline constexpr std::size_t kSoundNameWidth = 26;

struct PurpleStarChart {
    BirthRecord birth;        // birth fields in; the six derived values are written
    std::int32_t element;     // element of the year's sound (g_30HoaGiap nHanh)
    std::int32_t bureau;      // 0 water, 1 wood, 2 fire, 3 earth, 4 metal
    std::int32_t lifePalace;  // position (branch) of "MỆNH"
    std::int32_t bodyPalace;  // position of "THÂN"
    std::int32_t tuan;        // first of the two Tuần positions
    std::int32_t triet;       // first of the two Triệt positions
    std::int32_t clientWidth; // of the chart window, for tap mapping
    std::int32_t clientHeight;
    char16_t yearSoundName[kSoundNameWidth]; // the year pair's name from g_30HoaGiap
    ChartPalace palaces[kPalaceCount];       // by position
    std::int32_t selectedPalace;             // -1 or 0..11
    std::int32_t computed;                   // non-zero once a valid birth was computed
    std::int32_t droppedStars;               // stars left out because their palace was full
};
static_assert(std::is_trivially_copyable_v<PurpleStarChart>);

// Names of palaces by palace-name index (10 depends on the sex), bureaus, and their numbers.
std::u16string_view palaceName(int nameIndex, bool male);
std::u16string_view palaceShortName(int nameIndex, bool male);
inline constexpr std::u16string_view kBodyPalaceName = u"THÂN";
inline constexpr std::u16string_view kBodyPalaceShortName = u"TH";
std::u16string_view bureauName(int bureau);
int bureauNumber(int bureau); // 2, 3, 6, 5, 4

// The built-in tables, exposed for the tests that check them against the rules they encode.
int bureauTable(int stemMod5, int lifePalaceHalf);
int purpleStarTable(int lunarDay, int bureau);

struct ChartOutcome {
    bool birthValid = false; // false: the chart holds nothing but the birth record
    files::ReadStatus starFile = files::ReadStatus::Ok;
};

// Fills every computed field of chart from its birth date, time and sex and places the stars of
// the catalogue in order. currentYearIndex (sexagenary index of the year shown in the main
// program) places the stars of the current year. A palace takes at most kStarsPerPalace stars;
// later stars for a full palace are left out and counted in droppedStars. False, with the chart
// cleared but for its birth record, when the birth moment is not valid.
bool ComputePurpleStarChart(PurpleStarChart& chart, int currentYearIndex,
                            std::span<const StarRecord> stars);

// The same with the catalogue read from starFile; without the file the chart keeps its palaces,
// bureau, decades and small limits but no stars.
ChartOutcome ComputePurpleStarChart(PurpleStarChart& chart, int currentYearIndex,
                                    const std::filesystem::path& starFile);

// Where a star of the catalogue goes in a computed chart: up to two positions (Tuần and Triệt
// take two), none for an unknown method or a missing table value. Transformation stars need the
// palaces placed so far.
struct StarPositions {
    int count = 0;
    int positions[2] = {-1, -1};
};
StarPositions starPositions(const StarRecord& star, const PurpleStarChart& chart,
                            int currentYearIndex);

} // namespace velmora::charts
