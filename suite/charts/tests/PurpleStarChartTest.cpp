// The purple-star chart: its built-in tables against the rules they encode, the edge cases of the
// palaces, bureau, decades and limits, the placement methods, and 1,000 random charts against a
// reference written here from the tradition's placement rules (not from the data file).
#include "suite/charts/PurpleStarChart.h"
#include "suite/charts/tests/ChartTestSupport.h"

#include "VelmoraDay.h"

#include "suite/text/Utf.h"

#include <map>
#include <random>
#include <set>

namespace velmora::charts {
namespace {

using testing::birth;
using testing::builtStarFile;

int mod12(int v) {
    return ((v % 12) + 12) % 12;
}

std::string utf8(const std::u16string& s) {
    return text::utf16ToUtf8(s);
}

StarCatalogue shippedStars() {
    const StarCatalogue catalogue = readStarCatalogue(builtStarFile());
    EXPECT_EQ(catalogue.status, files::ReadStatus::Ok);
    return catalogue;
}

PurpleStarChart chartFor(const BirthRecord& b, std::span<const StarRecord> stars = {},
                         int currentYear = 0) {
    PurpleStarChart chart{};
    chart.birth = b;
    EXPECT_TRUE(ComputePurpleStarChart(chart, currentYear, stars));
    return chart;
}

// A hand-made star: method, position table "T0 T1 ..." from character 1 on, id and strength.
StarRecord star(std::uint8_t id, std::uint8_t method, std::u16string_view table,
                std::u16string_view strength = u"") {
    StarRecord r;
    r.id = id;
    r.method = method;
    r.longName = u"Sao " + std::u16string(1, static_cast<char16_t>(u'A' + id % 26));
    r.shortName = u"S";
    r.strength = strength;
    r.table.fill(u'-');
    for (std::size_t i = 0; i < table.size() && i + 1 < r.table.size(); ++i)
        r.table[i + 1] = table[i];
    return r;
}

// ---------------------------------------------------------------- tables against their rules

// Tử Vi by the rule: the smallest k with k n >= day starts at Dần + k − 1, then moves forward by
// k n − day when that is even and backward when odd.
TEST(PurpleStarTable, EveryCellFollowsTheCountingRule) {
    const int numbers[5] = {2, 3, 6, 5, 4};
    for (int day = 1; day <= 30; ++day)
        for (int bureau = 0; bureau < 5; ++bureau) {
            const int n = numbers[bureau];
            const int k = (day + n - 1) / n;
            const int rest = k * n - day;
            const int expected = mod12(2 + k - 1 + (rest % 2 == 0 ? rest : -rest));
            EXPECT_EQ(purpleStarTable(day, bureau), expected)
                << "day " << day << " bureau " << bureau;
        }
}

TEST(PurpleStarTable, DayEightOfTheWoodBureauIsMaoNotDan) {
    // Three days of wood make Dần + 2 = Thìn; eight is one short of nine: back one to Mão.
    EXPECT_EQ(purpleStarTable(8, 1), 3);
}

// The bureau is the element of the sound of the life palace's stem and branch; the stems of the
// palaces run from the Dần palace's stem (Giáp/Kỷ years Bính, Ất/Canh Mậu, ...) through Sửu.
TEST(BureauTable, EveryCellIsTheSoundOfTheLifePalace) {
    for (int stem = 0; stem < 10; ++stem)
        for (int life = 0; life < 12; ++life) {
            const int danStem = (2 * (stem % 5) + 2) % 10;
            const int palaceStem = (danStem + mod12(life - 2)) % 10;
            int index = 0;
            while (index % 10 != palaceStem || index % 12 != life) ++index;
            EXPECT_EQ(bureauTable(stem % 5, life / 2), g_30HoaGiap[index / 2].nHanh)
                << "stem " << stem << " life palace " << life;
        }
}

// ---------------------------------------------------------------- edge cases of the frame

struct FrameCase {
    const char* what;
    BirthRecord person;
    int life, body, tuan, triet, bureau;
};

TEST(PurpleStarFrame, PalacesBureauTuanTriet) {
    const FrameCase cases[] = {
        // Lunar 1/1 Kỷ Sửu (26 Jan 2009) at the hour Tý: both palaces at Dần.
        // Kỷ Sửu lies in the decade of Giáp Thân, which leaves out Ngọ and Mùi.
        {"first month, hour Tý", birth(2009, 1, 26, 0, 30, true), 2, 2, 6, 8, -1},
        // 2 Feb 1984 is lunar 1/1 Giáp Tý; 04:00 is the hour Dần, so the life palace is at Tý.
        {"Giáp Tý, life palace at Tý", birth(1984, 2, 2, 4, 0, true), 0, 4, 10, 8, 0},
        // Quý Hợi (1983 after its new year): Tuần at Tý Sửu, Triệt at Tý Sửu too.
        {"Quý Hợi", birth(1983, 6, 1, 12, 0, false), -1, -1, 0, 0, -1},
    };
    for (const FrameCase& c : cases) {
        const PurpleStarChart chart = chartFor(c.person);
        if (c.life >= 0) {
            EXPECT_EQ(chart.lifePalace, c.life) << c.what;
        }
        if (c.body >= 0) {
            EXPECT_EQ(chart.bodyPalace, c.body) << c.what;
        }
        EXPECT_EQ(chart.tuan, c.tuan) << c.what;
        EXPECT_EQ(chart.triet, c.triet) << c.what;
        if (c.bureau >= 0) {
            EXPECT_EQ(chart.bureau, c.bureau) << c.what;
        }
        EXPECT_EQ(chart.palaces[chart.lifePalace].nameIndex, 0) << c.what;
    }
}

TEST(PurpleStarFrame, GiapTyYearNamesAndSound) {
    const PurpleStarChart chart = chartFor(birth(1984, 2, 2, 4, 0, true));
    EXPECT_EQ(chart.birth.yearIndex, 0);
    EXPECT_EQ(fieldText(chart.yearSoundName), u"Hải Trung Kim");
    EXPECT_EQ(chart.element, 4);
    EXPECT_EQ(bureauName(chart.bureau), u"Thuỷ Nhị Cục");
    EXPECT_EQ(chart.palaces[chart.lifePalace].decadeAge, 2);
    // The palace after Mệnh in branch order is Phụ Mẫu, the one before it Huynh Đệ.
    EXPECT_EQ(palaceName(chart.palaces[1].nameIndex, true), u"PHỤ MẪU");
    EXPECT_EQ(palaceName(chart.palaces[11].nameIndex, true), u"HUYNH ĐỆ");
    EXPECT_EQ(palaceName(10, true), u"THÊ THIẾP");
    EXPECT_EQ(palaceName(10, false), u"PHU QUÂN");
    EXPECT_EQ(palaceShortName(10, false), u"PHU");
}

TEST(PurpleStarFrame, DecadesForwardForAYangManBackwardForAYangWoman) {
    const PurpleStarChart man = chartFor(birth(1984, 2, 2, 4, 0, true));
    const PurpleStarChart woman = chartFor(birth(1984, 2, 2, 4, 0, false));
    for (int i = 0; i < kPalaceCount; ++i) {
        EXPECT_EQ(man.palaces[mod12(man.lifePalace + i)].decadeAge, 2 + 10 * i);
        EXPECT_EQ(woman.palaces[mod12(woman.lifePalace - i)].decadeAge, 2 + 10 * i);
    }
    // A yin year turns both around: an Ất Sửu man counts backward.
    const PurpleStarChart yinMan = chartFor(birth(1985, 6, 1, 12, 0, true));
    const int start = bureauNumber(yinMan.bureau);
    EXPECT_EQ(yinMan.palaces[mod12(yinMan.lifePalace - 1)].decadeAge, start + 10);
}

TEST(PurpleStarFrame, SmallLimitsStartByYearBranchAndRunBySex) {
    // Giáp Tý: a year of the Thân-Tý-Thìn group starts at Tuất.
    const PurpleStarChart man = chartFor(birth(1984, 2, 2, 4, 0, true));
    const PurpleStarChart woman = chartFor(birth(1984, 2, 2, 4, 0, false));
    EXPECT_EQ(man.palaces[10].smallLimitBranch, 0);
    EXPECT_EQ(man.palaces[11].smallLimitBranch, 1);
    EXPECT_EQ(man.palaces[9].smallLimitBranch, 11);
    EXPECT_EQ(woman.palaces[10].smallLimitBranch, 0);
    EXPECT_EQ(woman.palaces[9].smallLimitBranch, 1);
    // Ất Sửu (Tị-Dậu-Sửu) starts at Mùi.
    EXPECT_EQ(chartFor(birth(1985, 6, 1, 12, 0, true)).palaces[7].smallLimitBranch, 1);
}

TEST(PurpleStarFrame, BirthOutsideTheCalendarIsRefusedAndClearsTheChart) {
    for (const BirthRecord& b : {birth(1799, 12, 31, 10, 0, true), birth(2200, 1, 1, 10, 0, true),
                                 birth(2001, 2, 29, 10, 0, true), birth(2001, 13, 1, 10, 0, true),
                                 birth(2001, 1, 1, 24, 0, true), birth(2001, 1, 1, 1, 60, true)}) {
        PurpleStarChart chart = chartFor(birth(1984, 2, 2, 4, 0, true), shippedStars().records);
        chart.birth = b;
        EXPECT_FALSE(ComputePurpleStarChart(chart, 0, shippedStars().records)) << b.year;
        EXPECT_EQ(chart.computed, 0);
        for (const ChartPalace& p : chart.palaces) EXPECT_EQ(p.starCount, 0);
    }
}

// ---------------------------------------------------------------- placement methods

TEST(PlacementMethods, HandWorkedPositions) {
    // Giáp Tý, lunar 1/1, hour Dần, man: V = Sửu (day 1, water), L = Tý, body = Thìn.
    const PurpleStarChart chart = chartFor(birth(1984, 2, 2, 4, 0, true));
    ASSERT_EQ(purpleStarTable(1, chart.bureau), 1);
    struct Case {
        StarRecord record;
        int current;
        std::set<int> expected;
    } cases[] = {
        {star(30, ByPurpleStar, u"0123456789AB"), 0, {1}},
        {star(30, ByHour, u"0123456789AB"), 0, {2}},
        {star(30, ByMonth, u"56789AB01234"), 0, {5}},
        {star(30, ByYearStem, u"A123456789"), 0, {10}},
        {star(30, ByYearBranch, u"B123456789AB"), 0, {11}},
        {star(30, FireStar, u"3"), 0, {5}},         // yang man: 3 + h
        {star(30, BellStar, u"3"), 0, {1}},         // yang man: 3 − h
        {star(30, LuRing, u"23456789013"), 0, {5}}, // T[s] + step 3
        {star(30, GrowthRing, u"8B2850"), 0, {8}},  // water bureau from Thân
        {star(30, MonthPlusDay, u"4"), 0, {4}},     // M[1] + d − 1
        {star(30, MonthMinusDay, u"A"), 0, {10}},   // M[1] − d + 37
        {star(30, HourPlusDay, u"--A"), 0, {9}},    // T[2] + 1 + 10
        {star(30, HourMinusDay, u"--4"), 0, {5}},   // T[2] − 1 + 38
        {star(30, LifePlusBranch, u""), 0, {0}},
        {star(30, BodyPlusBranch, u""), 0, {4}},
        {star(30, LifePlusFive, u""), 0, {5}},
        {star(30, LifePlusSeven, u""), 0, {7}},
        {star(30, BranchMonthHour, u""), 0, {2}}, // 2 + 0 − 1 + 13
        {star(30, TuanPair, u""), 0, {10, 11}},
        {star(30, TrietPair, u""), 0, {8, 9}},
        {star(30, ByCurrentStem, u"0123456789"), 41, {1}}, // Ất Tị: stem 1
        {star(30, ByCurrentBranch, u"0123456789AB"), 41, {5}},
        {star(30, 22, u"0123456789AB"), 0, {}},           // no such method
        {star(30, ByYearBranch, u"C123456789AB"), 0, {}}, // 12 is no position
        {star(30, ByYearBranch, u"Z123456789AB"), 0, {}}, // not a table character
        {star(30, Transformation, u"K"), 0, {}},          // no star with id 20 in the chart
    };
    for (const Case& c : cases) {
        const StarPositions where = starPositions(c.record, chart, c.current);
        std::set<int> got(where.positions, where.positions + where.count);
        EXPECT_EQ(got, c.expected) << "method " << int(c.record.method);
    }
}

TEST(PlacementMethods, TransformationFollowsItsTargetAndIgnoresAMissingOne) {
    const StarRecord stars[] = {star(4, ByYearBranch, u"7"), star(40, Transformation, u"4"),
                                star(41, Transformation, u"9")};
    const PurpleStarChart chart = chartFor(birth(1984, 2, 2, 4, 0, true), stars);
    EXPECT_EQ(chart.palaces[7].starCount, 2);
    EXPECT_EQ(chart.palaces[7].stars[1].id, 40);
    int placed = 0;
    for (const ChartPalace& p : chart.palaces) placed += p.starCount;
    EXPECT_EQ(placed, 2); // the star after id 9 found nothing to follow
}

TEST(PlacementMethods, StrengthLetterOnlyForAPositionThatHasOne) {
    const StarRecord stars[] = {star(1, ByYearBranch, u"0", u"MVĐBHMVĐBHMV"),
                                star(2, ByYearBranch, u"B", u"MVĐBHMVĐBHM"),
                                star(3, ByYearBranch, u"0", u"MVĐBHMVĐBH")};
    const PurpleStarChart chart = chartFor(birth(1984, 2, 2, 4, 0, true), stars);
    EXPECT_EQ(fieldText(chart.palaces[0].stars[0].longName), u"Sao B (M)");
    EXPECT_EQ(fieldText(chart.palaces[0].stars[0].shortName), u"S (M)");
    EXPECT_EQ(chart.palaces[0].stars[0].strength, u'M');
    EXPECT_EQ(fieldText(chart.palaces[11].stars[0].longName), u"Sao C"); // 11 letters, none for Hợi
    EXPECT_EQ(fieldText(chart.palaces[0].stars[1].longName), u"Sao D"); // 10 letters: none
    EXPECT_EQ(chart.palaces[0].mainStarCount, 2);
}

TEST(PlacementMethods, AFullPalaceTakesTwentyStarsAndNoMore) {
    std::vector<StarRecord> stars;
    for (int i = 0; i < 30; ++i)
        stars.push_back(star(static_cast<std::uint8_t>(20 + i), ByYearBranch, u"4"));
    PurpleStarChart chart = chartFor(birth(1984, 2, 2, 4, 0, true), stars);
    EXPECT_EQ(chart.palaces[4].starCount, kStarsPerPalace);
    EXPECT_EQ(chart.droppedStars, 10);
    EXPECT_EQ(chart.palaces[4].stars[19].id, 39); // the first twenty in file order
    EXPECT_EQ(chart.palaces[5].starCount, 0);     // nothing spilled into the next palace
    EXPECT_EQ(chart.palaces[5].nameIndex, 5);
}

// ---------------------------------------------------------------- the shipped catalogue

// Where the tradition puts each star, written from its rules in words: a map from the star's name
// to its positions. Variants follow the choices the catalogue's notes make (Khôi/Việt of Canh and
// Tân at Ngọ/Dần, Hỏa/Linh of Tị-Dậu-Sửu years at Mão/Tuất, Thiên Giải one palace a month,
// Lưu Hà Đinh Thìn and Canh Thân, Thiên Trù Quý Tuất, Canh year Khoa Thái Âm and Kỵ Thiên Đồng,
// Nhâm year Khoa Thiên Phủ, the growth ring forward for yang men and yin women).
std::map<std::u16string, std::set<int>> traditionalPlaces(const PurpleStarChart& chart,
                                                          int currentYear) {
    const BirthRecord& b = chart.birth;
    const int m = b.lunarMonth, d = b.lunarDay, h = b.hourIndex % 12;
    const int s = b.yearIndex % 10, y = b.yearIndex % 12;
    const int cs = currentYear % 10, cy = currentYear % 12;
    const bool yang = s % 2 == 0, male = b.sex != 0, forward = yang == male;
    const int life = mod12(m + 1 - h), body = mod12(m + 1 + h);

    // Bureau: element of the life palace's sound; Tử Vi from the bureau number and the day.
    const int danStem = (2 * (s % 5) + 2) % 10;
    const int lifeStem = (danStem + mod12(life - 2)) % 10;
    int lifeIndex = 0;
    while (lifeIndex % 10 != lifeStem || lifeIndex % 12 != life) ++lifeIndex;
    const int bureau = g_30HoaGiap[lifeIndex / 2].nHanh;
    const int numbers[5] = {2, 3, 6, 5, 4};
    const int n = numbers[bureau];
    const int k = (d + n - 1) / n, rest = k * n - d;
    const int V = mod12(1 + k + (rest % 2 == 0 ? rest : -rest));
    const int F = mod12(4 - V);

    std::map<std::u16string, std::set<int>> at;
    auto put = [&](std::u16string name, int position) { at[name].insert(mod12(position)); };
    // Main stars.
    put(u"Tử Vi", V);
    put(u"Thiên Cơ", V - 1);
    put(u"Thái Dương", V - 3);
    put(u"Vũ Khúc", V - 4);
    put(u"Thiên Đồng", V - 5);
    put(u"Liêm Trinh", V + 4);
    put(u"Thiên Phủ", F);
    put(u"Thái Âm", F + 1);
    put(u"Tham Lang", F + 2);
    put(u"Cự Môn", F + 3);
    put(u"Thiên Tướng", F + 4);
    put(u"Thiên Lương", F + 5);
    put(u"Thất Sát", F + 6);
    put(u"Phá Quân", F + 10);
    // By hour, month and day.
    put(u"Văn Xương", 10 - h);
    put(u"Văn Khúc", 4 + h);
    put(u"Địa Không", 11 - h);
    put(u"Địa Kiếp", 11 + h);
    put(u"Thai Phụ", 6 + h);
    put(u"Phong Cáo", 2 + h);
    put(u"Tả Phù", m + 3);
    put(u"Hữu Bật", 11 - m);
    put(u"Thiên Hình", m + 8);
    put(u"Thiên Riêu", m);
    put(u"Thiên Y", m);
    put(u"Thiên Giải", m + 7);
    put(u"Địa Giải", m + 6);
    put(u"Tam Thai", m + 3 + d - 1);
    put(u"Bát Tọa", 11 - m - (d - 1));
    put(u"Ân Quang", 10 - h + d - 2);
    put(u"Thiên Quý", 4 + h - d + 2);
    // By year stem. Lộc Tồn: Giáp Dần, Ất Mão, Bính Mậu Tị, Đinh Kỷ Ngọ, Canh Thân, Tân Dậu,
    // Nhâm Hợi, Quý Tý.
    const int lu[10] = {2, 3, 5, 6, 5, 6, 8, 9, 11, 0};
    const int khoi[10] = {1, 0, 11, 11, 1, 0, 6, 6, 3, 3}; // Giáp Mậu Sửu, Ất Kỷ Tý, ...
    const int viet[10] = {7, 8, 9, 9, 7, 8, 2, 2, 5, 5};   // Giáp Mậu Mùi, Ất Kỷ Thân, ...
    const int quan[10] = {7, 4, 5, 2, 3, 9, 11, 9, 10, 6}; // Thiên Quan
    const int phuc[10] = {9, 8, 0, 11, 3, 2, 6, 5, 6, 5};  // Thiên Phúc
    const int luuHa[10] = {9, 10, 7, 4, 5, 6, 8, 3, 11, 2}; // Lưu Hà
    const int tru[10] = {5, 6, 0, 5, 6, 8, 2, 6, 9, 10};    // Thiên Trù
    put(u"Lộc Tồn", lu[s]);
    put(u"Kình Dương", lu[s] + 1);
    put(u"Đà La", lu[s] - 1);
    put(u"Thiên Khôi", khoi[s]);
    put(u"Thiên Việt", viet[s]);
    put(u"Thiên Quan", quan[s]);
    put(u"Thiên Phúc", phuc[s]);
    put(u"Lưu Hà", luuHa[s]);
    put(u"Thiên Trù", tru[s]);
    put(u"Văn Tinh", lu[s] + 3);
    put(u"Đường Phù", lu[s] + 5);
    put(u"Quốc Ấn", lu[s] + 8);
    // By year branch: the Thái Tuế ring, then the others.
    const char16_t* yearRing[12] = {u"Thái Tuế", u"Thiếu Dương", u"Tang Môn",   u"Thiếu Âm",
                                    u"Quan Phù", u"Tử Phù",      u"Tuế Phá",    u"Long Đức",
                                    u"Bạch Hổ",  u"Phúc Đức",    u"Điếu Khách", u"Trực Phù"};
    for (int i = 0; i < 12; ++i) put(yearRing[i], y + i);
    put(u"Thiên Không", y + 1);
    put(u"Nguyệt Đức", y + 5);
    put(u"Thiên Đức", y + 9);
    put(u"Long Trì", y + 4);
    put(u"Phượng Các", 10 - y);
    put(u"Giải Thần", 10 - y);
    put(u"Thiên Khốc", 6 - y);
    put(u"Thiên Hư", 6 + y);
    put(u"Hồng Loan", 3 - y);
    put(u"Thiên Hỷ", 9 - y);
    // Thiên Mã faces the growth branch of the year's triad (Thân for Thân Tý Thìn, Tị for Tị Dậu
    // Sửu, Dần for Dần Ngọ Tuất, Hợi for Hợi Mão Mùi): Dần, Hợi, Thân, Tị.
    auto horse = [](int branch) { return mod12(2 - 3 * (branch % 4)); };
    put(u"Thiên Mã", horse(y));
    put(u"Hoa Cái", horse(y) + 2);
    put(u"Kiếp Sát", horse(y) + 3);
    put(u"Đào Hoa", horse(y) + 7);
    const int lonely = 2 + 3 * (mod12(y + 1) / 3); // Hợi Tý Sửu at Dần, Dần Mão Thìn at Tị, ...
    put(u"Cô Thần", lonely);
    put(u"Quả Tú", lonely - 4);
    put(u"Phá Toái", y % 3 == 0 ? 5 : y % 3 == 2 ? 9 : 1);
    put(u"Thiên La", 4);
    put(u"Địa Võng", 10);
    // Hỏa Tinh and Linh Tinh start by the year's triad and run with the hour.
    // By year branch mod 4: Thân Tý Thìn at Dần, Tị Dậu Sửu at Mão, Dần Ngọ Tuất at Sửu, Hợi Mão
    // Mùi at Dậu.
    const int fireStart[4] = {2, 3, 1, 9};
    const int bellStart = y % 4 == 2 ? 3 : 10;
    put(u"Hỏa Tinh", fireStart[y % 4] + (forward ? h : -h));
    put(u"Linh Tinh", bellStart + (forward ? -h : h));
    // The two rings.
    const char16_t* doctor[12] = {u"Bác Sĩ",     u"Lực Sĩ",  u"Thanh Long", u"Tiểu Hao",
                                  u"Tướng Quân", u"Tấu Thư", u"Phi Liêm",   u"Hỷ Thần",
                                  u"Bệnh Phù",   u"Đại Hao", u"Phục Binh",  u"Quan Phủ"};
    const char16_t* growth[12] = {u"Tràng Sinh", u"Mộc Dục", u"Quan Đới", u"Lâm Quan",
                                  u"Đế Vượng",   u"Suy",     u"Bệnh",     u"Tử",
                                  u"Mộ",         u"Tuyệt",   u"Thai",     u"Dưỡng"};
    const int growthStart[5] = {8, 11, 2, 8,
                                5}; // water and earth Thân, wood Hợi, fire Dần, metal Tị
    for (int i = 0; i < 12; ++i) {
        put(doctor[i], lu[s] + (forward ? i : -i));
        put(growth[i], growthStart[bureau] + (forward ? i : -i));
    }
    // From the palaces.
    put(u"Thiên Tài", life + y);
    put(u"Thiên Thọ", body + y);
    put(u"Thiên Thương", life + 5);
    put(u"Thiên Sứ", life + 7);
    put(u"Đẩu Quân", y - (m - 1) + h);
    // The year being viewed.
    put(u"L.Thái Tuế", cy);
    put(u"L.Tang Môn", cy + 2);
    put(u"L.Bạch Hổ", cy + 8);
    put(u"L.Thiên Khốc", 6 - cy);
    put(u"L.Thiên Hư", 6 + cy);
    put(u"L.Thiên Mã", horse(cy));
    put(u"L.Lộc Tồn", lu[cs]);
    put(u"L.Kình Dương", lu[cs] + 1);
    put(u"L.Đà La", lu[cs] - 1);
    // Tuần: the two branches the year's decade of ten stems leaves out; Triệt by the stem.
    const int decadeStart = b.yearIndex - s;
    put(u"Tuần", decadeStart + 10);
    put(u"Tuần", decadeStart + 11);
    put(u"Triệt", 8 - 2 * (s % 5));
    put(u"Triệt", 9 - 2 * (s % 5));
    // The four transformations follow their stars.
    const char16_t* luc[10] = {u"Liêm Trinh",  u"Thiên Cơ", u"Thiên Đồng", u"Thái Âm",
                               u"Tham Lang",   u"Vũ Khúc",  u"Thái Dương", u"Cự Môn",
                               u"Thiên Lương", u"Phá Quân"};
    const char16_t* quyen[10] = {u"Phá Quân", u"Thiên Lương", u"Thiên Cơ", u"Thiên Đồng",
                                 u"Thái Âm",  u"Tham Lang",   u"Vũ Khúc",  u"Thái Dương",
                                 u"Tử Vi",    u"Cự Môn"};
    const char16_t* khoa[10] = {u"Vũ Khúc",     u"Tử Vi",   u"Văn Xương", u"Thiên Cơ",  u"Hữu Bật",
                                u"Thiên Lương", u"Thái Âm", u"Văn Khúc",  u"Thiên Phủ", u"Thái Âm"};
    const char16_t* ky[10] = {u"Thái Dương", u"Thái Âm",  u"Liêm Trinh", u"Cự Môn",
                              u"Thiên Cơ",   u"Văn Khúc", u"Thiên Đồng", u"Văn Xương",
                              u"Vũ Khúc",    u"Tham Lang"};
    at[u"Hóa Lộc"] = at[luc[s]];
    at[u"Hóa Quyền"] = at[quyen[s]];
    at[u"Hóa Khoa"] = at[khoa[s]];
    at[u"Hóa Kỵ"] = at[ky[s]];
    return at;
}

// The placed star's name without its strength suffix.
std::u16string plainName(const ChartStar& star) {
    std::u16string name = fieldText(star.longName);
    if (star.strength != 0 && name.size() > 4) name.resize(name.size() - 4);
    return name;
}

TEST(ShippedCatalogue, ThousandRandomChartsAgreeWithTheTraditionalRules) {
    const StarCatalogue catalogue = shippedStars();
    ASSERT_GE(catalogue.records.size(), 110u);
    std::mt19937 random(20250607);
    std::uniform_int_distribution<int> year(1900, 2100), month(1, 12), day(1, 31), hour(0, 23),
        minute(0, 59), sex(0, 1), current(0, 59);
    int fullPalaces = 0;
    for (int n = 0; n < 1000; ++n) {
        BirthRecord b =
            birth(year(random), month(random), 1, hour(random), minute(random), sex(random));
        b.day = static_cast<std::int8_t>(1 + day(random) % SoNgayCuaThang(b.month, b.year));
        const int currentYear = current(random);
        const PurpleStarChart chart = chartFor(b, catalogue.records, currentYear);
        const auto expected = traditionalPlaces(chart, currentYear);
        std::map<std::u16string, std::set<int>> placed;
        for (int p = 0; p < kPalaceCount; ++p) {
            const ChartPalace& palace = chart.palaces[p];
            fullPalaces += palace.starCount == kStarsPerPalace;
            for (int i = 0; i < palace.starCount; ++i) placed[plainName(palace.stars[i])].insert(p);
        }
        const std::string when = std::to_string(b.year) + "-" + std::to_string(b.month) + "-" +
                                 std::to_string(b.day) + " " + std::to_string(b.hour) + "h sex " +
                                 std::to_string(b.sex) + " current " + std::to_string(currentYear);
        // Every star placed is where the rules put it ...
        for (const auto& [name, positions] : placed) {
            ASSERT_TRUE(expected.count(name)) << "not in the rules: " << utf8(name);
            for (int p : positions)
                EXPECT_TRUE(expected.at(name).count(p)) << when << " " << utf8(name);
        }
        // ... and every star the rules place is there, unless its palace was already full.
        for (const auto& [name, positions] : expected)
            for (int p : positions)
                if (chart.palaces[p].starCount < kStarsPerPalace) {
                    EXPECT_TRUE(placed[name].count(p)) << when << " missing " << utf8(name);
                }
        ASSERT_FALSE(::testing::Test::HasFailure()) << when;
    }
    // The notes expect a full palace in about 1-2 % of charts.
    EXPECT_LT(fullPalaces, 60);
}

TEST(ShippedCatalogue, MainStarsCarryTheirStrengthLetters) {
    // Giáp Tý, lunar 1/1, water bureau: Tử Vi at Sửu ("Đắc") with Phá Quân ("Vượng"); Thiên Phủ
    // at Mão ("Bình").
    const StarCatalogue catalogue = shippedStars();
    const PurpleStarChart chart = chartFor(birth(1984, 2, 2, 4, 0, true), catalogue.records);
    EXPECT_EQ(fieldText(chart.palaces[1].stars[0].longName), u"Tử Vi (Đ)");
    EXPECT_EQ(fieldText(chart.palaces[1].stars[0].shortName), u"Tử (Đ)");
    EXPECT_EQ(fieldText(chart.palaces[1].stars[1].longName), u"Phá Quân (V)");
    EXPECT_EQ(chart.palaces[1].mainStarCount, 2);
    EXPECT_EQ(fieldText(chart.palaces[3].stars[0].longName), u"Thiên Phủ (B)");
    int main = 0;
    for (const ChartPalace& p : chart.palaces) main += p.mainStarCount;
    EXPECT_EQ(main, 14);
}

TEST(ShippedCatalogue, MissingFileKeepsTheFrameWithoutStars) {
    PurpleStarChart chart{};
    chart.birth = birth(1984, 2, 2, 4, 0, true);
    const ChartOutcome outcome = ComputePurpleStarChart(chart, 0, "/nonexistent/saotuvi.dat");
    EXPECT_TRUE(outcome.birthValid);
    EXPECT_EQ(outcome.starFile, files::ReadStatus::Missing);
    EXPECT_EQ(chart.bureau, 0);
    EXPECT_EQ(chart.palaces[chart.lifePalace].decadeAge, 2);
    for (const ChartPalace& p : chart.palaces) EXPECT_EQ(p.starCount, 0);
}

} // namespace
} // namespace velmora::charts
