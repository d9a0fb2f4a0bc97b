// Reading the typed length and the marks of both rulers along the scale.
#include "suite/fengshui/LoBanRuler.h"

#include <cmath>
#include <gtest/gtest.h>

namespace velmora::fengshui {
namespace {

struct LengthCase {
    const char16_t* text;
    double length;
};

class TypedLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(TypedLength, ReadsAsANumberOrZero) {
    EXPECT_DOUBLE_EQ(parseLength(GetParam().text), GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TypedLength,
    ::testing::Values(LengthCase{u"0", 0}, LengthCase{u"430", 430}, LengthCase{u" 12.5", 12.5},
                      LengthCase{u"+3", 3}, LengthCase{u".5", 0.5}, LengthCase{u"1e3", 1000},
                      LengthCase{u"12abc", 12}, LengthCase{u"12,5", 12}, LengthCase{u"abc", 0},
                      LengthCase{u"", 0}, LengthCase{u"mười", 0},
                      // Lengths no ruler can show read as 0 too.
                      LengthCase{u"-5", 0}, LengthCase{u"inf", 0}, LengthCase{u"nan", 0},
                      LengthCase{u"1e300", 0}, LengthCase{u"99999999999", 0},
                      LengthCase{u"9999999999", 9999999999.0}));

TEST(Scale, StartsAtTheLengthRoundedDownToTenMillimetres) {
    EXPECT_EQ(scaleStart(0), 0);
    EXPECT_EQ(scaleStart(9.99), 0);
    EXPECT_EQ(scaleStart(430), 430);
    EXPECT_EQ(scaleStart(439.9), 430);
    EXPECT_EQ(scaleStart(9999999999.0), 9999999990);
}

std::u16string textAt(const std::vector<LoBanMark>& marks, double position) {
    for (const LoBanMark& mark : marks)
        if (std::abs(mark.position - position) < 1e-6) return mark.text;
    return u"(no mark)";
}

TEST(Marks, AtZeroBothRulersStartAtTheirFirstSubsection) {
    const auto eight = rulerMarks(eightSectionRuler(), 0, 0);
    ASSERT_EQ(eight.size(), 6u); // 0, 13.4, 26.8, 40.2, 53.7, 67.1 within 0..70
    EXPECT_EQ(eight[0].text, u"+TÀI (Tài Đức)");
    EXPECT_TRUE(eight[0].auspicious);
    EXPECT_NEAR(eight[1].position, 13.415625, 1e-9);
    EXPECT_EQ(eight[1].text, u"+TÀI (Bảo Khố)");
    EXPECT_EQ(eight[4].text, u"-BỆNH (Thoái Tài)"); // the fifth subsection opens the second section
    EXPECT_FALSE(eight[4].auspicious);
    const auto ten = rulerMarks(tenSectionRuler(), 0, 0);
    ASSERT_EQ(ten.size(), 8u); // every 9.6875 mm up to 67.8
    EXPECT_EQ(ten[0].text, u"+ĐINH (Phúc Tinh)");
    EXPECT_EQ(ten[4].text, u"-HẠI (Khẩu Thiệt)");
    EXPECT_FALSE(ten[4].auspicious);
}

TEST(Marks, JustOverOneRulerStartsItAgain) {
    // 430 mm: the 429.3-mm ruler has just begun again, 0.7 mm above the scale's top.
    const auto eight = rulerMarks(eightSectionRuler(), 430, 1.0);
    ASSERT_FALSE(eight.empty());
    EXPECT_NEAR(eight[0].position, 429.3, 1e-9);
    EXPECT_EQ(eight[0].subsection, 0);
    EXPECT_EQ(eight[0].text, u"+TÀI (Tài Đức)");
    EXPECT_EQ(textAt(eight, 429.3 + 13.415625), u"+TÀI (Bảo Khố)");
    // A mark further above the top than `before` is not drawn.
    EXPECT_EQ(rulerMarks(eightSectionRuler(), 430, 0.5).front().subsection, 1);
    // The 387.5-mm ruler is in its fifth subsection there: 430 - 387.5 = 42.5 = 4 x 9.6875 + 3.75.
    const auto ten = rulerMarks(tenSectionRuler(), 430, 10);
    EXPECT_EQ(ten.front().subsection, 4);
    EXPECT_NEAR(ten.front().position, 387.5 + 4 * 9.6875, 1e-9);
}

TEST(Marks, SectionsCoverFourSubsectionsAndWrapRoundTheRuler) {
    const LoBanRuler& ruler = tenSectionRuler();
    const auto marks = rulerMarks(ruler, 380, 20);
    for (std::size_t i = 1; i < marks.size(); ++i) {
        EXPECT_EQ(marks[i].subsection, (marks[i - 1].subsection + 1) % 40);
        EXPECT_EQ(marks[i].section, marks[i].subsection / 4);
        EXPECT_NEAR(marks[i].position - marks[i - 1].position, 9.6875, 1e-9);
    }
    EXPECT_EQ(textAt(marks, 387.5), u"+ĐINH (Phúc Tinh)");
    EXPECT_EQ(textAt(marks, 387.5 - 9.6875), u"+TÀI (Tài Đức)");
}

TEST(Marks, TheLongestLengthStillFindsItsSubsection) {
    const double length = 9999999999.0;
    const auto marks = rulerMarks(eightSectionRuler(), length, 100);
    ASSERT_FALSE(marks.empty());
    const double step = 429.3 / 32;
    const auto index = static_cast<long long>(std::trunc(length / step));
    EXPECT_EQ(marks.front().subsection, int(index % 32));
    for (const LoBanMark& mark : marks) EXPECT_LT(mark.position, double(scaleStart(length)) + 70);
}

TEST(Names, EveryNameFitsItsSlot) {
    for (const LoBanRuler* ruler : {&eightSectionRuler(), &tenSectionRuler()}) {
        EXPECT_EQ(ruler->sections.size() * 4, std::size_t(ruler->subsections));
        EXPECT_EQ(ruler->subsectionNames.size(), std::size_t(ruler->subsections));
        for (std::u16string_view name : ruler->sections) {
            EXPECT_LT(name.size(), kSectionNameWidth);
            EXPECT_TRUE(name.front() == u'+' || name.front() == u'-');
        }
        for (std::u16string_view name : ruler->subsectionNames)
            EXPECT_LT(name.size(), kSubsectionNameWidth);
    }
}

} // namespace
} // namespace velmora::fengshui
