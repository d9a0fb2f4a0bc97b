// The composed document: golden output, star lists, missing files, escaping and length.
#include "suite/almanac/AlmanacReading.h"
#include "suite/almanac/StarFile.h"
#include "suite/almanac/tests/TestSupport.h"
#include "suite/text/Utf.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace velmora::almanac {

using namespace velmora::text;
namespace {

const StarFilePaths kShipped{ALMANAC_DEVICE_DATA_DIR "/vansutot.dat",
                             ALMANAC_DEVICE_DATA_DIR "/vansuxau.dat"};

std::string readingHtml(const LICHVELMORA& rec, const StarFilePaths& files) {
    return utf16ToUtf8(ComposeAlmanacReading(rec, files).html);
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A hand-filled record: Quý Mão year (stem 9), lunar 10/2, day D, season 0.
LICHVELMORA manual(int D, int lunarMonth = 2, int lunarDay = 10) {
    LICHVELMORA rec{};
    rec.nNgay = 1;
    rec.nThang = 3;
    rec.nNam = 2023;
    rec.nThu = 2;
    rec.nCanChiNgay = D;
    rec.nCanChiThang = 3;
    rec.nCanChiNam = 39;
    rec.nThangAm = lunarMonth;
    rec.nNgayAm = lunarDay;
    rec.nSoNgayThangAm = 29;
    rec.nJD = 2460005;
    rec.dTietKhi[1] = 2459950.2;
    rec.dTietKhi[4] = 2460040.3;
    rec.dTietKhi[7] = 2460132.6;
    rec.dTietKhi[11] = 2460255.1;
    return rec;
}

class StarFiles {
  public:
    StarFiles(const std::string& tag, const std::vector<AlmanacStarRecord>& good,
              const std::vector<AlmanacStarRecord>& bad)
        : good_(tag + "-tot.dat"), bad_(tag + "-xau.dat") {
        writeStarFile(good_.path(), good);
        writeStarFile(bad_.path(), bad);
    }
    StarFilePaths paths() const { return {good_.path(), bad_.path()}; }

  private:
    test::TempPath good_, bad_;
};

AlmanacStarRecord star(std::u16string name, std::u16string explanation, std::int32_t code,
                       bool bold = false) {
    AlmanacStarRecord r;
    r.kind = 60;
    r.values[0] = code;
    r.name = std::move(name);
    r.explanation = std::move(explanation);
    r.emphasis = bold;
    return r;
}

TEST(AlmanacGolden, TwentySixthJanuary2009MatchesReference) {
    const auto rec = test::freshDay(26, 1, 2009);
    ASSERT_EQ(rec.nNgayAm, 1);
    ASSERT_EQ(rec.nCanChiNgay, 7);
    const auto reading = ComposeAlmanacReading(rec, kShipped);
    EXPECT_TRUE(reading.fileIssues.empty());
    EXPECT_EQ(utf16ToUtf8(reading.html) + "\n",
              readText(ALMANAC_TEST_DIR "/golden/2009-01-26.html.ref"));
    EXPECT_EQ(almanacReadingText(rec, kShipped),
              readText(ALMANAC_TEST_DIR "/golden/2009-01-26.txt.ref"));
}

TEST(AlmanacReading, NineStarThreeIsFirstBoldAuspiciousWithLegend) {
    const auto html =
        readingHtml(manual(11, 2), {"/nonexistent/a", "/nonexistent/b"}); // (1 + 11) % 9
    EXPECT_NE(html.find("<b>Sao tốt: </b><b>Sát Cống</b>"), std::string::npos) << html;
    EXPECT_NE(html.find("<b>+ Sát Cống: </b>Tốt mọi việc<br>"), std::string::npos);
}

TEST(AlmanacReading, EmptyListsWriteNothingAndNoLegendRows) {
    StarFiles files("empty", {}, {});
    // Nine-star index (1 + 0) % 9 = 1: bad; Quý year: Tuế Đức needs stem 4.
    const auto noGood = readingHtml(manual(0), files.paths());
    EXPECT_NE(noGood.find("<font color=#FF0000><b>Sao tốt: </b></font><br>"), std::string::npos);
    EXPECT_EQ(noGood.find("<b>+ "), std::string::npos);
    // Index (1 + 2) % 9 = 3: good; Bính Dần is no Kim Thần day (Hợi, Dậu... are 8, 9).
    const auto noBad = readingHtml(manual(2), files.paths());
    EXPECT_NE(noBad.find("<font color=#000080><b>Sao xấu: </b></font></font><br>"),
              std::string::npos);
    EXPECT_EQ(noBad.find("<b>- "), std::string::npos);
}

TEST(AlmanacReading, MissingFileIsReportedAndComposingGoesOn) {
    StarFiles files("missing", {star(u"Sao Thử", u"thử", 110)}, {});
    const auto reading =
        ComposeAlmanacReading(manual(0), {files.paths().auspicious, "/nonexistent/vansuxau.dat"});
    const std::vector<StarFileIssue> expected{{u"vansuxau.dat", StarFileProblem::Missing}};
    ASSERT_EQ(reading.fileIssues, expected);
    EXPECT_EQ(starFileMessage(reading.fileIssues[0]), u"Không tìm thấy file vansuxau.dat");
    const auto html = utf16ToUtf8(reading.html);
    EXPECT_NE(html.find("<b>+ Sao Thử: </b>thử<br>"), std::string::npos);
    EXPECT_NE(html.find("<b>Chú giải:</b>"), std::string::npos);

    const auto both = ComposeAlmanacReading(manual(0), {"/nonexistent/1", "/nonexistent/2"});
    const std::vector<StarFileIssue> bothMissing{{u"vansutot.dat", StarFileProblem::Missing},
                                                 {u"vansuxau.dat", StarFileProblem::Missing}};
    EXPECT_EQ(both.fileIssues, bothMissing);
}

// Each kind of unusable star file is told in its own words, and the reading goes on.
TEST(AlmanacReading, EveryStarFileIssueIsTold) {
    const struct {
        StarFileProblem problem;
        const char16_t* message;
    } cases[] = {
        {StarFileProblem::Missing, u"Không tìm thấy file vansutot.dat"},
        {StarFileProblem::Unreadable, u"Không đọc được file vansutot.dat"},
        {StarFileProblem::Damaged, u"File vansutot.dat bị hỏng: chỉ dùng được các sao đọc được"},
    };
    for (const auto& c : cases) EXPECT_EQ(starFileMessage({u"vansutot.dat", c.problem}), c.message);
}

TEST(AlmanacReading, FileTextsAreHtmlEscaped) {
    StarFiles files("escape", {star(u"A&B <i>", u"\"x\" > 'y'", 110, true)}, {});
    const auto html = readingHtml(manual(0), files.paths());
    EXPECT_NE(html.find("<b>A&amp;B &lt;i&gt;</b>."), std::string::npos) << html;
    EXPECT_NE(html.find("<b>+ A&amp;B &lt;i&gt;: </b>&quot;x&quot; &gt; &#39;y&#39;<br>"),
              std::string::npos);
    EXPECT_EQ(html.find("<i>"), std::string::npos);
}

TEST(AlmanacReading, LongDocumentWithManyStarsIsNotCut) {
    std::vector<AlmanacStarRecord> many;
    for (int i = 0; i < 150; ++i)
        many.push_back(
            star(u"Sao " + utf8ToUtf16(std::to_string(i)), std::u16string(60, u'đ'), 110));
    StarFiles files("long", many, many);
    const auto reading = ComposeAlmanacReading(manual(0), files.paths());
    EXPECT_GT(reading.html.size(), 4096u * 4);
    const auto html = utf16ToUtf8(reading.html);
    EXPECT_NE(html.find("Sao 149."), std::string::npos);
    EXPECT_NE(html.find("<b>- Sao 149: </b>"), std::string::npos);
    EXPECT_TRUE(html.ends_with("</font></font><br>"));
}

TEST(AlmanacReading, DepartureHoursOfFirstDayOfFirstMonth) {
    const auto html = readingHtml(manual(0, 1, 1), {"/nonexistent/a", "/nonexistent/b"});
    EXPECT_NE(html.find("<b>● Giờ tốt: </b>Ngọ, Tý<b> (Đại an)</b>. "), std::string::npos);
    EXPECT_NE(html.find("<b>● Giờ xấu: </b>Mùi, Sửu<b> (Lưu niên)</b>. "), std::string::npos);
}

struct DateCase {
    bool leap;
    int length;
    const char* text;
};
class DateLineForm : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateLineForm, LunarMonthMarks) {
    auto rec = manual(0);
    rec.bNhuan = GetParam().leap;
    rec.nSoNgayThangAm = GetParam().length;
    EXPECT_NE(readingHtml(rec, {"/nonexistent/a", "/nonexistent/b"}).find(GetParam().text),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DateLineForm,
    ::testing::Values(DateCase{false, 29, "Thứ tư, ngày 1 tháng 3 năm 2023 (10/2 t)</b>"},
                      DateCase{false, 30, "(10/2 đ)</b>"}, DateCase{true, 29, "(10/2n t)</b>"},
                      DateCase{true, 30, "(10/2n đ)</b>"}));

} // namespace
} // namespace velmora::almanac
