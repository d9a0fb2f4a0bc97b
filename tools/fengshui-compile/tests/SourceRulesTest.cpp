// The compilers refuse a source that breaks a rule and say where; the reference order of the
// hexagrams holds together.
#include "tools/fengshui-compile/src/HexagramSource.h"
#include "tools/fengshui-compile/src/KingWen.h"
#include "tools/fengshui-compile/src/NineStarSource.h"
#include "tools/fengshui-compile/src/SixtyCycleSource.h"
#include "tools/fengshui-compile/tests/SourceFixtures.h"

#include <gtest/gtest.h>
#include <set>

namespace fengshui_compile {
namespace {

using test::hexagramSource;

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

std::string allErrors(const std::vector<std::string>& errors) {
    std::string all;
    for (const std::string& e : errors) all += e + "\n";
    return all;
}

TEST(KingWen, SixtyFourDistinctPatternsInPairsTurnedOverOrInverted) {
    std::set<std::u16string> patterns;
    for (int n = 1; n <= 64; ++n) patterns.insert(kingWenPattern(n));
    EXPECT_EQ(patterns.size(), 64u);
    for (int n = 1; n <= 63; n += 2) {
        const std::u16string first = kingWenPattern(n), second = kingWenPattern(n + 1);
        const std::u16string turned(first.rbegin(), first.rend());
        std::u16string inverted = first;
        for (char16_t& c : inverted) c = c == u'|' ? u':' : u'|';
        // The eight symmetric hexagrams pair with their inverse, all others turn upside down.
        EXPECT_EQ(second, turned == first ? inverted : turned) << n;
    }
}

TEST(KingWen, AgreesWithKnownHexagrams) {
    const struct {
        int number;
        const char16_t* pattern;
        const char* name;
    } known[] = {{1, u"||||||", "Thuần Càn"},        {2, u"::::::", "Thuần Khôn"},
                 {3, u"|:::|:", "Thủy Lôi Truân"},   {12, u":::|||", "Thiên Địa Bĩ"},
                 {20, u"::::||", "Phong Địa Quan"},  {29, u":|::|:", "Thuần Khảm"},
                 {59, u":|::||", "Phong Thủy Hoán"}, {60, u"||::|:", "Thủy Trạch Tiết"},
                 {63, u"|:|:|:", "Thủy Hỏa Ký Tế"},  {64, u":|:|:|", "Hỏa Thủy Vị Tế"}};
    for (const auto& k : known) {
        EXPECT_EQ(kingWenPattern(k.number), k.pattern) << k.number;
        EXPECT_EQ(kingWenName(k.number), k.name) << k.number;
    }
}

TEST(HexagramSource, TheFixtureCompiles) {
    const auto result = compileHexagramSource(hexagramSource(), "t.txt");
    EXPECT_EQ(allErrors(result.errors), "");
    ASSERT_EQ(result.records.size(), 64u);
    EXPECT_EQ(result.records[59].pattern, u"||::|:");
    EXPECT_EQ(result.records[0].byMatter.substr(0, 24), u"Công việc: Bình thường.\r");
    EXPECT_TRUE(result.records[0].byLine.ends_with(u"\r\nHào 6: Lời hào."));
}

struct SpoiltSource {
    const char* what;
    std::string text;
    const char* error;
};

class HexagramErrors : public ::testing::TestWithParam<SpoiltSource> {};

TEST_P(HexagramErrors, AreRefusedWithTheirLine) {
    const auto result = compileHexagramSource(GetParam().text, "64quai.txt");
    EXPECT_NE(allErrors(result.errors).find(GetParam().error), std::string::npos)
        << GetParam().what << ":\n"
        << allErrors(result.errors);
}

const std::string kFull = hexagramSource();

INSTANTIATE_TEST_SUITE_P(
    Table, HexagramErrors,
    ::testing::Values(
        SpoiltSource{"overview over its field",
                     replaced(kFull, "Tổng quan: Tổng quan của quẻ.",
                              "Tổng quan: " + std::string(1000, 'a')),
                     "64quai.txt:2: overview has 1000 characters, its field holds 999"},
        SpoiltSource{"reading by line over its field",
                     replaced(kFull, "Hào 6: Lời hào.", "Hào 6: " + std::string(4000, 'a')),
                     "reading by line has"},
        SpoiltSource{"missing reading", replaced(kFull, "Sức khỏe: Bình thường.\n", ""),
                     "64quai.txt:2: hexagram 1 has no reading \"Sức khỏe\""},
        SpoiltSource{"missing line", replaced(kFull, "Hào 3: Lời hào.\n", ""),
                     "has no reading \"Hào 3\""},
        SpoiltSource{"duplicate pattern",
                     replaced(kFull, "== 2 | :::::: | Thuần Khôn", "== 2 | |||||| | Thuần Khôn"),
                     "pattern |||||| appears twice"},
        SpoiltSource{"name differing from the order",
                     replaced(kFull, "Thiên Địa Bĩ", "Thiên Địa Bỉ"),
                     "name \"Thiên Địa Bỉ\" differs from \"Thiên Địa Bĩ\""},
        SpoiltSource{"pattern of another hexagram",
                     replaced(kFull, "== 3 | |:::|:", "== 3 | :|:::|"),
                     "pattern :|:::| is not that of hexagram 3 (|:::|:)"},
        SpoiltSource{"unknown reading",
                     replaced(kFull, "Thi cử: Bình thường.", "Thi cữ: Bình thường."),
                     "unknown reading \"Thi cữ\""},
        SpoiltSource{"reading given twice",
                     replaced(kFull, "Thi cử: Bình thường.", "Thi cử: A.\nThi cử: B."),
                     "reading \"Thi cử\" given twice"},
        SpoiltSource{"decomposed accent",
                     replaced(kFull, "Tổng quan của quẻ.", "Tô\xcc\x89ng quan."),
                     "decomposed accent"},
        SpoiltSource{"a hexagram missing", replaced(kFull, test::hexagramBlock(64), ""),
                     "the source has 63 hexagrams, not 64"},
        SpoiltSource{"bad header", replaced(kFull, "== 5 | |||:|: | Thủy Thiên Nhu", "== 5 |||:|:"),
                     "header is not \"number | pattern | name\""}));

TEST(HexagramSource, ContinuationLinesJoinTheLineBefore) {
    const std::string text =
        replaced(kFull, "Tổng quan: Tổng quan của quẻ.", "Tổng quan: Dòng một\n    dòng hai.");
    const auto result = compileHexagramSource(text, "t.txt");
    EXPECT_EQ(allErrors(result.errors), "");
    EXPECT_EQ(result.records[0].overview, u"Dòng một dòng hai.");
    const auto stray = compileHexagramSource("  lạc\n" + kFull, "t.txt");
    EXPECT_NE(allErrors(stray.errors).find("t.txt:1: an indented line continues nothing"),
              std::string::npos);
}

class NineStarErrors : public ::testing::TestWithParam<SpoiltSource> {};

TEST_P(NineStarErrors, AreRefused) {
    const auto result = compileNineStarSource(GetParam().text, "cuudieu.txt");
    EXPECT_NE(allErrors(result.errors).find(GetParam().error), std::string::npos)
        << GetParam().what << ":\n"
        << allErrors(result.errors);
}

const std::string kStars = test::nineStarSource();

INSTANTIATE_TEST_SUITE_P(
    Table, NineStarErrors,
    ::testing::Values(
        SpoiltSource{"key used twice",
                     replaced(kStars, "Thổ Tú | hình 1 | nam 2", "Thổ Tú | hình 1 | nam 1"),
                     "cuudieu.txt:4: man's key 1 is outside 1..9 or used twice"},
        SpoiltSource{"woman's key out of range", replaced(kStars, "nữ 6", "nữ 0"),
                     "woman's key 0 is outside 1..9"},
        SpoiltSource{"picture out of range", replaced(kStars, "hình 8", "hình 9"),
                     "picture 9 is outside 0..8"},
        SpoiltSource{"no reading", replaced(kStars, "nữ 6\nLời giải.\n", "nữ 6\n"),
                     "star La Hầu has no reading"},
        SpoiltSource{"reading over its field",
                     replaced(kStars, "nữ 6\nLời giải.", "nữ 6\n" + std::string(1401, 'a')),
                     "reading has 1401 characters, its field holds 1400"},
        SpoiltSource{"name over its field", replaced(kStars, "La Hầu", "La Hầu La Hầu La Hầu"),
                     "name has 20 characters, its field holds 14"},
        SpoiltSource{"a star missing",
                     replaced(kStars, "== Mộc Đức | hình 8 | nam 9 | nữ 3\nLời giải.\n", ""),
                     "the source has 8 stars, not 9"}));

TEST(NineStarSource, TheFixtureCompilesAndParagraphsKeepTheirBreaks) {
    const std::string text = replaced(kStars, "nữ 6\nLời giải.", "nữ 6\nĐoạn một.\nĐoạn hai.");
    const auto result = compileNineStarSource(text, "t.txt");
    EXPECT_EQ(allErrors(result.errors), "");
    ASSERT_EQ(result.records.size(), 9u);
    EXPECT_EQ(result.records[0].reading, u"Đoạn một.\r\nĐoạn hai.");
    EXPECT_EQ(
        formatNineStarBlock(result.records[0]),
        (std::vector<std::string>{"== La Hầu | hình 0 | nam 1 | nữ 6", "Đoạn một.", "Đoạn hai."}));
}

// Rows built by the rules, each spoilt in one field.
std::string sixtyCycleRow(int r, const std::string& canChi, const std::string& icon,
                          const std::string& trigram, const std::string& text) {
    return std::to_string(r) + " | " + canChi + " | " + icon + " | " + trigram + " | " + text +
           "\n";
}

TEST(SixtyCycleSource, EachFieldIsCheckedAgainstItsRule) {
    const auto errorsOf = [](const std::string& row) {
        return allErrors(compileSixtyCycleSource(row, "60hoagiap.txt").errors);
    };
    const std::string good = sixtyCycleRow(0, "Giáp Tý", "Kim", "Tốn", "Hải Trung Kim");
    EXPECT_EQ(errorsOf(good), "60hoagiap.txt:1: the source has 1 rows, not 60\n");
    EXPECT_NE(errorsOf(sixtyCycleRow(0, "Ất Sửu", "Kim", "Tốn", "Hải Trung Kim"))
                  .find("\"Ất Sửu\" is not the name of 1924"),
              std::string::npos);
    EXPECT_NE(errorsOf(sixtyCycleRow(0, "Giáp Tý", "Thủy", "Tốn", "Hải Trung Kim"))
                  .find("icon \"Thủy\" is not the element of Hải Trung Kim"),
              std::string::npos);
    EXPECT_NE(errorsOf(sixtyCycleRow(0, "Giáp Tý", "Kim", "Đoài", "Hải Trung Kim"))
                  .find("house trigram \"Đoài\" is not the man's of 1924 (Tốn)"),
              std::string::npos);
    EXPECT_NE(errorsOf(sixtyCycleRow(0, "Giáp Tý", "Kim", "Tốn", "Lô Trung Hỏa"))
                  .find("does not begin with the sound's name Hải Trung Kim"),
              std::string::npos);
    EXPECT_NE(errorsOf(sixtyCycleRow(1, "Giáp Tý", "Kim", "Tốn", "Hải Trung Kim"))
                  .find("row 1 where 0 is due"),
              std::string::npos);
}

} // namespace
} // namespace fengshui_compile
