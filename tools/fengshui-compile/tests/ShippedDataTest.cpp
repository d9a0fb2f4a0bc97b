// The shipped feng-shui data: every built record decodes back to its source, and the records
// say what the traditional tables say.
#include "suite/fengshui/Hexagram.h"
#include "suite/fengshui/NineStar.h"
#include "suite/text/Utf.h"
#include "tools/fengshui-compile/src/HexagramSource.h"
#include "tools/fengshui-compile/src/KingWen.h"
#include "tools/fengshui-compile/src/NineStarSource.h"
#include "tools/fengshui-compile/src/SixtyCycleSource.h"

#include <gtest/gtest.h>
#include <set>

namespace fengshui_compile {
namespace {

namespace fs = velmora::fengshui;

std::string sourceText(const char* name) {
    std::string text, error;
    EXPECT_TRUE(readSourceFile((std::string(FENGSHUI_SOURCE_DIR "/") + name).c_str(), text, error))
        << error;
    return text;
}

std::string built(const char* name) {
    return std::string(FENGSHUI_BUILT_DIR "/") + name;
}

std::vector<std::string> sourceLines(const std::string& text) {
    Diagnostics diagnostics{"source", {}};
    std::vector<std::string> lines;
    for (const SourceLine& line : logicalLines(text, diagnostics)) lines.push_back(line.text);
    EXPECT_TRUE(diagnostics.errors.empty());
    return lines;
}

TEST(ShippedHexagrams, DecodeBackToTheirSourceBlocks) {
    const auto records = fs::readHexagramFile(built("64quai.dat"));
    ASSERT_TRUE(records.has_value());
    ASSERT_EQ(records->size(), 64u);
    std::vector<std::string> decoded;
    for (std::size_t i = 0; i < records->size(); ++i)
        for (std::string& line : formatHexagramBlock(int(i) + 1, (*records)[i]))
            decoded.push_back(std::move(line));
    EXPECT_EQ(decoded, sourceLines(sourceText("64quai.txt")));
}

TEST(ShippedHexagrams, PatternsUniqueNamesAsTheOrderAndTextsFull) {
    const auto records = fs::readHexagramFile(built("64quai.dat"));
    ASSERT_TRUE(records.has_value() && records->size() == 64u);
    std::set<std::u16string> patterns;
    for (std::size_t i = 0; i < records->size(); ++i) {
        const fs::HexagramRecord& r = (*records)[i];
        SCOPED_TRACE(i + 1);
        EXPECT_TRUE(patterns.insert(r.pattern).second);
        EXPECT_EQ(r.pattern, kingWenPattern(int(i) + 1));
        EXPECT_EQ(velmora::text::utf16ToUtf8(r.name), kingWenName(int(i) + 1));
        // Every text ends inside its field with its terminator: decoding found one.
        EXPECT_LT(r.overview.size(), fs::kOverviewWidth);
        EXPECT_LT(r.byMatter.size(), fs::kByMatterWidth);
        EXPECT_LT(r.byLine.size(), fs::kByLineWidth);
        // Readings worth the name: an overview of some length, each line read in a sentence.
        EXPECT_GT(r.overview.size(), 150u);
        EXPECT_GT(r.byLine.size(), 6 * 50u);
    }
    // The look-ups of the window: 1o0x10 and the number-5 cast.
    EXPECT_EQ(fs::findByPattern(*records, u"1o0x10")->name, u"Thủy Trạch Tiết");
    EXPECT_EQ(fs::findByPattern(*records, u":|::|o")->name, u"Phong Thủy Hoán");
    EXPECT_EQ(fs::findByPattern(*records, u":|::|0")->name, u"Thuần Khảm");
}

TEST(ShippedNineStars, DecodeBackToTheirSourceBlocks) {
    const auto records = fs::readNineStarFile(built("cuudieu.dat"));
    ASSERT_TRUE(records.has_value());
    std::vector<std::string> decoded;
    for (const fs::NineStarRecord& record : *records)
        for (std::string& line : formatNineStarBlock(record)) decoded.push_back(std::move(line));
    EXPECT_EQ(decoded, sourceLines(sourceText("cuudieu.txt")));
}

// Ages as Vietnamese count them (tuổi mụ: 1 in the birth year) with the star of the usual tables.
TEST(ShippedNineStars, StarsByAgeAsTheTablesGiveThem) {
    const auto records = fs::readNineStarFile(built("cuudieu.dat"));
    ASSERT_TRUE(records.has_value() && records->size() == 9u);
    const struct {
        int age;
        bool male;
        const char16_t* star;
    } cases[] = {{10, true, u"La Hầu"},      {11, true, u"Thổ Tú"},     {12, true, u"Thủy Diệu"},
                 {13, true, u"Thái Bạch"},   {14, true, u"Thái Dương"}, {15, true, u"Vân Hớn"},
                 {16, true, u"Kế Đô"},       {17, true, u"Thái Âm"},    {18, true, u"Mộc Đức"},
                 {10, false, u"Kế Đô"},      {11, false, u"Vân Hớn"},   {12, false, u"Mộc Đức"},
                 {13, false, u"Thái Âm"},    {14, false, u"Thổ Tú"},    {15, false, u"La Hầu"},
                 {16, false, u"Thái Dương"}, {17, false, u"Thái Bạch"}, {18, false, u"Thủy Diệu"},
                 {1, true, u"La Hầu"},       {1, false, u"Kế Đô"},      {49, true, u"Thái Bạch"},
                 {61, false, u"Thái Dương"}};
    const int birth = 1970;
    for (const auto& c : cases) {
        const auto key = fs::nineStarKey(birth, birth + c.age - 1);
        ASSERT_TRUE(key.has_value());
        const fs::NineStarRecord* star = fs::findNineStar(*records, *key, c.male);
        ASSERT_NE(star, nullptr) << c.age;
        EXPECT_EQ(star->name, c.star) << c.age << (c.male ? " nam" : " nữ");
        EXPECT_TRUE(fs::hasStarPicture(star->picture));
        EXPECT_GT(star->reading.size(), 300u);
    }
}

TEST(ShippedSixtyCycle, DecodesBackToItsRowsFromGiapTyToQuyHoi) {
    const auto records = fs::readSixtyCycleFile(built("60hoagiap.dat"));
    ASSERT_TRUE(records.has_value());
    ASSERT_EQ(records->size(), 60u);
    std::vector<std::string> decoded;
    for (std::size_t i = 0; i < records->size(); ++i)
        decoded.push_back(formatSixtyCycleRow(int(i), (*records)[i]));
    EXPECT_EQ(decoded, sourceLines(sourceText("60hoagiap.txt")));
    const fs::SixtyCycleRow first = fs::sixtyCycleRow(0, records->front());
    EXPECT_EQ(first.canChi, u"Giáp Tý");
    EXPECT_EQ(first.element, u"Hải Trung Kim");
    EXPECT_EQ(first.trach, u"Tốn"); // the man born in 1924
    const fs::SixtyCycleRow last = fs::sixtyCycleRow(59, records->back());
    EXPECT_EQ(last.years, u"1983/2043");
    EXPECT_EQ(last.canChi, u"Quý Hợi");
    EXPECT_EQ(last.element, u"Đại Hải Thủy");
    EXPECT_EQ(last.trach, u"Cấn"); // the man born in 1983
}

} // namespace
} // namespace fengshui_compile
