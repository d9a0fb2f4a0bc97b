// Readable rules to value codes, and the errors a bad row gives.
#include "tools/vansu-compile/src/StarSource.h"
#include "tools/vansu-compile/src/ValueNames.h"

#include <gtest/gtest.h>

namespace velmora::vansu {
namespace {

struct ValueCase {
    const char* text;
    std::int32_t code;
};
class ValueCodes : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ValueCodes, NameToCodeAndBack) {
    const auto parsed = parseValue(GetParam().text);
    ASSERT_TRUE(parsed.value.has_value()) << parsed.error;
    EXPECT_EQ(*parsed.value, GetParam().code);
    EXPECT_EQ(formatValue(GetParam().code), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, ValueCodes,
                         ::testing::Values(ValueCase{"Tý", 0}, ValueCase{"Tị", 5},
                                           ValueCase{"Hợi", 11}, ValueCase{"Giáp", 20},
                                           ValueCase{"Quý", 29}, ValueCase{"ngày 1", 101},
                                           ValueCase{"ngày 30", 130}, ValueCase{"Giáp Tý", 200},
                                           ValueCase{"Kỷ Mão", 215}, ValueCase{"Ất Tị", 241},
                                           ValueCase{"Quý Hợi", 259}));

TEST(ValueCodes, CodesOutsideTheRangesPrintAsRawNumbers) {
    EXPECT_EQ(formatValue(15), "?15");
    EXPECT_EQ(formatValue(131), "?131");
}

std::array<std::int32_t, 12> ValuesOf(std::string_view row) {
    const auto result = compileStarSource(row, "t.txt");
    EXPECT_TRUE(result.errors.empty()) << (result.errors.empty() ? "" : result.errors[0]);
    return result.rows.empty() ? std::array<std::int32_t, 12>{} : result.rows[0].record.values;
}

TEST(Rules, MonthSeasonAndDayForms) {
    using V = std::array<std::int32_t, 12>;
    EXPECT_EQ(ValuesOf("A | 12 | T1 Đinh, T2 Thân, T12 ngày 19 | - | x"),
              (V{23, 8, -1, -1, -1, -1, -1, -1, -1, -1, -1, 119}));
    EXPECT_EQ(ValuesOf("A | 12 | Xuân Mão, Đông Giáp Tý | - | x"),
              (V{3, 3, 3, -1, -1, -1, -1, -1, -1, 200, 200, 200}));
    EXPECT_EQ(ValuesOf("A | 12 | mọi tháng Tuất | - | x"),
              (V{10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10}));
    EXPECT_EQ(ValuesOf("A | 4 | Xuân Tị/Dậu/Sửu, Thu -/Mão | - | x"),
              (V{5, 9, 1, -1, -1, -1, -1, 3, -1, -1, -1, -1}));
    EXPECT_EQ(ValuesOf("A | 60 | ngày 5, Giáp Tý | - | x"),
              (V{105, 200, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}));
}

TEST(Rules, RowFieldsAndCommentsAndLineNumbers) {
    const auto result = compileStarSource("# c\n\nThiên Ân | 30 | Tân Hợi | đậm | Ơn trời\n", "f");
    ASSERT_EQ(result.rows.size(), 1u);
    EXPECT_EQ(result.rows[0].line, 3);
    EXPECT_EQ(result.rows[0].record.kind, 30);
    EXPECT_TRUE(result.rows[0].record.emphasis);
    EXPECT_EQ(result.rows[0].record.name, u"Thiên Ân");
    EXPECT_EQ(result.rows[0].record.explanation, u"Ơn trời");
}

TEST(Rules, FormattedRowCompilesToTheSameRecord) {
    for (const char* row : {"A | 12 | T3 Ất Tị, T9 ngày 7 | đậm | x", "B | 4 | Hạ -/-/Tý | - | y",
                            "C | 60 | -, ngày 9 | - | z", "D | 12 | Thu Canh | - | w"}) {
        const auto first = compileStarSource(row, "t");
        ASSERT_EQ(first.rows.size(), 1u) << row;
        const auto again = compileStarSource(formatStarRow(first.rows[0].record), "t");
        ASSERT_EQ(again.rows.size(), 1u) << row;
        EXPECT_EQ(again.rows[0].record, first.rows[0].record) << row;
    }
}

struct ErrorCase {
    const char* label;
    const char* row;
    const char* message;
};
class RowErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(RowErrors, NameFileLineAndCause) {
    const std::string text = std::string("# header\n") + GetParam().row + "\n";
    const auto result = compileStarSource(text, "sao.txt");
    EXPECT_TRUE(result.rows.empty());
    ASSERT_FALSE(result.errors.empty());
    EXPECT_TRUE(result.errors[0].starts_with("sao.txt:2: ")) << result.errors[0];
    EXPECT_NE(result.errors[0].find(GetParam().message), std::string::npos) << result.errors[0];
}

INSTANTIATE_TEST_SUITE_P(
    Table, RowErrors,
    ::testing::Values(
        ErrorCase{"unknown_branch", "A | 12 | T1 Tyy | - | x", "unknown name \"Tyy\""},
        ErrorCase{"unknown_stem_pair", "A | 12 | T1 Giap Tý | - | x", "unknown name"},
        ErrorCase{"parity", "A | 12 | T1 Giáp Sửu | - | x", "parity"},
        ErrorCase{"day_31", "A | 60 | ngày 31 | - | x", "lunar day must be 1 to 30"},
        ErrorCase{"month_13", "A | 12 | T13 Tý | - | x", "expected \"T1\""},
        ErrorCase{"repeated_month", "A | 12 | T1 Tý, T1 Sửu | - | x", "repeats"},
        ErrorCase{"fields", "A | 12 | T1 Tý | x", "expected 5 fields"},
        ErrorCase{"kind", "A | 7 | T1 Tý | - | x", "unknown kind \"7\""},
        ErrorCase{"branch_in_day_list", "A | 60 | Tý | - | x", "a day list takes only"},
        ErrorCase{"season_name", "A | 4 | Xuan Tý | - | x", "expected Xuân"},
        ErrorCase{"four_in_season", "A | 4 | Xuân Tý/Sửu/Dần/Mão | - | x", "at most 3"},
        ErrorCase{"thirteen_days",
                  "A | 60 | ngày 1, ngày 2, ngày 3, ngày 4, ngày 5, ngày 6, "
                  "ngày 7, ngày 8, ngày 9, ngày 10, ngày 11, ngày 12, ngày 13 "
                  "| - | x",
                  "at most 12"},
        ErrorCase{"emphasis", "A | 12 | T1 Tý | bold | x", "emphasis must be"},
        ErrorCase{"long_name", "Một cái tên dài hơn hai mươi bốn | 12 | T1 Tý | - | x",
                  "longer than 24"},
        ErrorCase{"empty_name", " | 12 | T1 Tý | - | x", "empty star name"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(RowErrors, LongExplanationIsRejected) {
    const std::string row = "A | 12 | T1 Tý | - | " + std::string(75, 'e');
    const auto result = compileStarSource(row, "f");
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_NE(result.errors[0].find("longer than 74"), std::string::npos);
}

} // namespace
} // namespace velmora::vansu
