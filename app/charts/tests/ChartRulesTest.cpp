// The chart windows' rules without a screen: the palace grid, taps, keys and menu commands, the
// Tuần and Triệt boxes, the luck band, the saved-charts list and the HTML the viewer shows.
#include "app/charts/FourPillarsPainter.h"
#include "app/charts/PurpleStarHtml.h"
#include "app/charts/PurpleStarRules.h"
#include "app/charts/SavedChartsList.h"
#include "app/res/CommandIds.h"
#include "suite/charts/ByteFields.h"
#include "suite/charts/PurpleStarChart.h"
#include "suite/charts/tests/ChartTestSupport.h"
#include "suite/text/Utf.h"

#include <QApplication>
#include <fstream>
#include <set>
#include <sstream>

namespace velmora::app {
namespace {

using charts::BirthRecord;
using charts::testing::birth;
using charts::testing::TemporaryFolder;

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// ---------------------------------------------------------------- the palace grid

TEST(PurpleStarGrid, EveryPalaceHasOneBorderCellAndTheCentreNone) {
    std::set<std::pair<int, int>> cells;
    for (int p = 0; p < 12; ++p) {
        const GridCell c = cellOfPalace(p);
        EXPECT_TRUE(c.column == 0 || c.column == 3 || c.row == 0 || c.row == 3) << p;
        EXPECT_EQ(palaceOfCell(c.column, c.row), p);
        cells.insert({c.column, c.row});
    }
    EXPECT_EQ(cells.size(), 12u);
    for (int column : {1, 2})
        for (int row : {1, 2}) EXPECT_EQ(palaceOfCell(column, row), kNoPalace);
    // Tý sits at the bottom, right of centre; Tỵ in the top left corner; Hợi bottom right.
    EXPECT_EQ(palaceAtPoint(130, 310, 240, 320), 0);
    EXPECT_EQ(palaceAtPoint(5, 5, 240, 320), 5);
    EXPECT_EQ(palaceAtPoint(239, 319, 240, 320), 11);
    EXPECT_EQ(palaceAtPoint(120, 160, 240, 320), kNoPalace);
    EXPECT_EQ(palaceAtPoint(240, 10, 240, 320), kNoPalace);
    EXPECT_EQ(palaceAtPoint(-1, 10, 240, 320), kNoPalace);
}

TEST(PurpleStarGrid, ArrowKeysWalkTheRingAndStopAtItsCorners) {
    const struct {
        ArrowKey key;
        int from, to;
    } cases[] = {
        {ArrowKey::Left, 0, 1},    {ArrowKey::Left, 1, 2},
        {ArrowKey::Left, 6, 5},    {ArrowKey::Left, 8, 7},
        {ArrowKey::Left, 11, 0},   {ArrowKey::Left, 2, 2},
        {ArrowKey::Left, 5, 5},    {ArrowKey::Left, 9, 9},
        {ArrowKey::Up, 2, 3},      {ArrowKey::Up, 4, 5},
        {ArrowKey::Up, 9, 8},      {ArrowKey::Up, 11, 10},
        {ArrowKey::Up, 5, 5},      {ArrowKey::Up, 0, 0},
        {ArrowKey::Right, 5, 6},   {ArrowKey::Right, 7, 8},
        {ArrowKey::Right, 1, 0},   {ArrowKey::Right, 2, 1},
        {ArrowKey::Right, 0, 11},  {ArrowKey::Right, 8, 8},
        {ArrowKey::Right, 11, 11}, {ArrowKey::Down, 3, 2},
        {ArrowKey::Down, 5, 4},    {ArrowKey::Down, 8, 9},
        {ArrowKey::Down, 10, 11},  {ArrowKey::Down, 2, 2},
        {ArrowKey::Down, 11, 11},  {ArrowKey::Down, kNoPalace, kNoPalace},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(movedSelection(c.from, c.key), c.to) << c.from << " key " << int(c.key);
        // A move goes to a neighbouring cell on the grid, or nowhere.
        if (c.to != c.from) {
            const GridCell a = cellOfPalace(c.from), b = cellOfPalace(c.to);
            EXPECT_EQ(std::abs(a.column - b.column) + std::abs(a.row - b.row), 1);
        }
    }
}

TEST(PurpleStarGrid, EnterAndMenuCommandsSelectFromTheLifePalace) {
    EXPECT_EQ(enterSelection(kNoPalace, 4), 4);
    EXPECT_EQ(enterSelection(7, 4), 4);
    EXPECT_EQ(enterSelection(4, 4), kNoPalace);
    EXPECT_EQ(palaceOfCommand(CmdPurpleStarPalaceFirst, 9), 9);     // "Cung mệnh"
    EXPECT_EQ(palaceOfCommand(CmdPurpleStarPalaceFirst + 4, 9), 1); // "Quan lộc"
    EXPECT_EQ(palaceOfCommand(CmdPurpleStarPalaceLast, 0), 11);     // "Huynh đệ"
    EXPECT_EQ(palaceOfCommand(CmdPurpleStarWhole, 0), kNoPalace);
}

TEST(PurpleStarGrid, NamesAreLongOnlyInCellsWiderThanSixtyUnits) {
    EXPECT_FALSE(useLongNames(60, 96)); // qvga: 240 / 4
    EXPECT_TRUE(useLongNames(61, 96));
    EXPECT_FALSE(useLongNames(120, 192)); // vga portrait: 480 / 4 is 60 units
    EXPECT_TRUE(useLongNames(160, 192));  // vga landscape
    EXPECT_TRUE(listsMainStars(56, 96));
    EXPECT_FALSE(listsMainStars(55, 96));
}

TEST(PurpleStarGrid, LabelBoxesSitInsideTheCentreOnItsEdgeAndApart) {
    for (const auto& [width, height] :
         {std::pair{240, 268}, std::pair{480, 536}, std::pair{640, 376}}) {
        // "Triệt" in its box is about 34 pixels wide on a 240-pixel screen.
        const int w = width / 4, h = height / 4, boxWidth = 34 * width / 240;
        std::vector<LabelBox> boxes;
        for (int first = 0; first < 12; first += 2) {
            const LabelBox b = pairLabelBox(first, width, height, boxWidth, 12, 2);
            // Inside the centre, touching the edge its strip is on, within the gap.
            EXPECT_GE(b.x, w);
            EXPECT_LE(b.x + b.width, 3 * w);
            EXPECT_EQ(b.y == h + 2, labelOnTop(first)) << first;
            EXPECT_EQ(b.y + b.height == 3 * h - 2, !labelOnTop(first)) << first;
            // Nearer the pair's own palaces than the centre's other side.
            const GridCell a = cellOfPalace(first), c = cellOfPalace(first + 1);
            const int pairX = (a.column + c.column + 1) * w / 2,
                      pairY = (a.row + c.row + 1) * h / 2;
            EXPECT_LE(std::abs(b.x + b.width / 2 - pairX), w) << first;
            EXPECT_LE(std::abs(b.y + b.height / 2 - pairY), h) << first;
            for (const LabelBox& o : boxes)
                EXPECT_TRUE(b.x + b.width <= o.x || o.x + o.width <= b.x || b.y + b.height <= o.y ||
                            o.y + o.height <= b.y)
                    << first;
            boxes.push_back(b);
        }
        // The viewer sits between the label strips, or fills the centre where there are none.
        const LabelBox v = viewerBox(width, height, 16, 0);
        EXPECT_EQ(v.y, h + 1 + 16);
        EXPECT_EQ(v.y + v.height, 3 * h);
        const LabelBox whole = viewerBox(width, height, 0, 0);
        EXPECT_EQ(whole.width, 2 * w - 1);
        EXPECT_EQ(whole.height, 2 * h - 1);
    }
}

TEST(FourPillarsBands, OnlyTheMiddleBandSelectsALuck) {
    EXPECT_EQ(luckColumnAt(10, 10, 240, 300), -1);
    EXPECT_EQ(luckColumnAt(10, 100, 240, 300), 0);
    EXPECT_EQ(luckColumnAt(239, 199, 240, 300), 3);
    EXPECT_EQ(luckColumnAt(130, 150, 240, 300), 2);
    EXPECT_EQ(luckColumnAt(10, 200, 240, 300), -1);
    EXPECT_EQ(luckColumnAt(10, 300, 240, 300), -1);
}

// ---------------------------------------------------------------- the saved-charts list

class SavedChartsListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        BirthRecord a = birth(1990, 5, 17, 8, 0, true, u"Nguyễn Văn An");
        charts::setFieldText(a.telephone, u"0903111222");
        BirthRecord b = birth(1985, 1, 2, 23, 15, false, u"Lê Thị Bình");
        charts::setFieldText(b.telephone, u"0912555666");
        BirthRecord c = birth(2001, 9, 9, 9, 9, true, u"Trần An Khang");
        for (BirthRecord* r : {&a, &b, &c}) charts::fillDerivedValues(*r);
        people = {a, b, c};
        ASSERT_TRUE(charts::writeSavedCharts(file(), people));
        ASSERT_EQ(list.load(file()), SavedChartsList::LoadResult::Loaded);
    }
    std::filesystem::path file() const { return folder / "luulaso.dat"; }
    std::vector<std::u16string> names() const {
        std::vector<std::u16string> out;
        for (int row = 0; row < list.rowCount(); ++row)
            out.push_back(charts::fieldText(list.recordAtRow(row)->name));
        return out;
    }
    TemporaryFolder folder;
    std::vector<BirthRecord> people;
    SavedChartsList list;
};

TEST_F(SavedChartsListTest, SearchFindsNamesAndTelephonesCaseSensitively) {
    const struct {
        std::u16string search;
        std::vector<std::u16string> shown;
    } cases[] = {
        {u"", {u"Nguyễn Văn An", u"Lê Thị Bình", u"Trần An Khang"}},
        {u"An", {u"Nguyễn Văn An", u"Trần An Khang"}},
        {u"an", {u"Trần An Khang"}}, // only "Khang" has a small "an"
        {u"555", {u"Lê Thị Bình"}},  // found in the telephone number only
        {u"Bình", {u"Lê Thị Bình"}},
        {u"zz", {}},
    };
    for (const auto& c : cases) {
        list.setSearch(c.search);
        EXPECT_EQ(names(), c.shown) << text::utf16ToUtf8(c.search);
    }
    list.setSearch(std::u16string(150, u'x'));
    EXPECT_EQ(list.search().size(), kSearchLimit);
}

TEST_F(SavedChartsListTest, DeletingTheSecondOfThreeAndSavingLeavesTwoRecords) {
    ASSERT_TRUE(list.remove(1));
    ASSERT_EQ(list.save(), SavedChartsList::SaveResult::Saved);
    EXPECT_EQ(std::filesystem::file_size(file()), 2 * charts::kBirthRecordSize);
    const charts::SavedCharts read = charts::readSavedCharts(file());
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(charts::fieldText(read.records[1].name), u"Trần An Khang");
    EXPECT_FALSE(list.remove(5));
}

TEST_F(SavedChartsListTest, AddedPersonSurvivesSaveAndReload) {
    BirthRecord d = birth(1999, 12, 31, 23, 59, false, u"Phạm Thu Dung");
    charts::setFieldText(d.organisation, u"Trường Đại học");
    charts::setFieldText(d.address, u"12 Lý Thường Kiệt");
    charts::setFieldText(d.email, u"dung@example.vn");
    charts::fillDerivedValues(d);
    EXPECT_EQ(list.append(d), 3);
    ASSERT_EQ(list.save(), SavedChartsList::SaveResult::Saved);
    SavedChartsList again;
    ASSERT_EQ(again.load(file()), SavedChartsList::LoadResult::Loaded);
    ASSERT_EQ(again.rowCount(), 4);
    EXPECT_EQ(savedChartColumns(*again.recordAtRow(3)), savedChartColumns(d));
    EXPECT_EQ(again.recordAtRow(3)->sex, 0);
}

// Saving rewrites the whole working copy, not just the rows a search shows.
TEST_F(SavedChartsListTest, SavingWhileSearchingKeepsThePeopleNotShown) {
    list.setSearch(u"Bình");
    ASSERT_EQ(list.rowCount(), 1);
    BirthRecord edited = *list.recordAtRow(0);
    charts::setFieldText(edited.address, u"Đà Nẵng");
    ASSERT_TRUE(list.replace(0, edited));
    ASSERT_EQ(list.save(), SavedChartsList::SaveResult::Saved);
    const charts::SavedCharts read = charts::readSavedCharts(file());
    ASSERT_EQ(read.records.size(), 3u);
    EXPECT_EQ(charts::fieldText(read.records[1].address), u"Đà Nẵng");
    EXPECT_EQ(charts::fieldText(read.records[2].name), u"Trần An Khang");
}

TEST_F(SavedChartsListTest, AddingWhileSearchingShowsTheNewPerson) {
    list.setSearch(u"Bình");
    const int row = list.append(birth(1970, 1, 1, 0, 0, true, u"Hoàng Minh"));
    EXPECT_TRUE(list.search().empty());
    EXPECT_EQ(charts::fieldText(list.recordAtRow(row)->name), u"Hoàng Minh");
}

TEST_F(SavedChartsListTest, AFileThatCannotBeReadIsNeverOverwritten) {
    // A folder where the file should be: nothing to read, and saving must not replace it.
    std::filesystem::remove(file());
    std::filesystem::create_directory(file());
    EXPECT_EQ(list.load(file()), SavedChartsList::LoadResult::Missing);
    list.append(birth(1970, 1, 1, 0, 0, true, u"Hoàng Minh"));
    EXPECT_EQ(list.save(), SavedChartsList::SaveResult::NotLoaded);
    EXPECT_TRUE(std::filesystem::is_directory(file()));
    // Too long a file is refused whole, and kept.
    std::filesystem::remove(file());
    std::ofstream(file()).seekp(
        static_cast<std::streamoff>((charts::kMaxSavedCharts + 1) * charts::kBirthRecordSize))
        << 'x';
    EXPECT_EQ(list.load(file()), SavedChartsList::LoadResult::TooLong);
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(list.save(), SavedChartsList::SaveResult::NotLoaded);
    EXPECT_GT(std::filesystem::file_size(file()),
              charts::kMaxSavedCharts * charts::kBirthRecordSize);
}

TEST_F(SavedChartsListTest, MissingFileIsCreatedEmpty) {
    const auto fresh = folder / "new.dat";
    SavedChartsList empty;
    EXPECT_EQ(empty.load(fresh), SavedChartsList::LoadResult::Loaded);
    EXPECT_EQ(empty.rowCount(), 0);
    EXPECT_TRUE(std::filesystem::exists(fresh));
    EXPECT_EQ(empty.load(folder / "no-folder" / "x.dat"), SavedChartsList::LoadResult::Missing);
}

TEST(SavedChartColumns, TextsOfARecord) {
    BirthRecord r = birth(2009, 1, 26, 10, 30, true, u"An");
    charts::setFieldText(r.codeNumber, u"LS-1");
    charts::fillDerivedValues(r);
    const auto c = savedChartColumns(r);
    EXPECT_EQ(c[0], u"An");
    EXPECT_EQ(c[1], u"2009-01-26 10:30");
    EXPECT_EQ(c[2], u"25-02-07-29 01-01"); // Kỷ Sửu, Bính Dần, Tân Mùi, Quý Tị, lunar 1/1
    EXPECT_EQ(c[7], u"LS-1");
}

// ---------------------------------------------------------------- the viewer's HTML

charts::PurpleStarChart goldenChart(std::u16string_view name) {
    charts::PurpleStarChart chart{};
    chart.birth = birth(1984, 2, 2, 4, 0, true, name);
    const charts::StarCatalogue stars = charts::readStarCatalogue(charts::testing::builtStarFile());
    EXPECT_TRUE(charts::ComputePurpleStarChart(chart, 41, stars.records));
    return chart;
}

TEST(PurpleStarHtml, SummaryAndPalaceMatchTheirReferences) {
    charts::PurpleStarChart chart = goldenChart(u"Nguyễn Văn An");
    EXPECT_EQ(text::utf16ToUtf8(purpleStarHtml(chart)),
              readText(CHARTS_TEST_DIR "/golden/summary-1984-02-02.html.ref"));
    chart.selectedPalace = chart.lifePalace;
    EXPECT_EQ(text::utf16ToUtf8(purpleStarHtml(chart)),
              readText(CHARTS_TEST_DIR "/golden/palace-1984-02-02-life.html.ref"));
}

TEST(PurpleStarHtml, TheNameIsEscaped) {
    const charts::PurpleStarChart chart = goldenChart(u"<b>An</b> & \"Bình\"");
    const std::u16string html = purpleStarSummaryHtml(chart);
    EXPECT_NE(html.find(u"&lt;b&gt;An&lt;/b&gt; &amp; &quot;Bình&quot;"), std::u16string::npos);
    EXPECT_EQ(html.find(u"<b>An</b>"), std::u16string::npos);
}

TEST(PurpleStarHtml, StarsWithoutAColourHaveNoColourTag) {
    charts::PurpleStarChart chart = goldenChart(u"An");
    charts::ChartPalace& palace = chart.palaces[chart.lifePalace];
    ASSERT_GT(palace.starCount, 1);
    palace.stars[palace.starCount - 1].element = 9;
    const std::u16string html = purpleStarPalaceHtml(chart, chart.lifePalace);
    const std::u16string name = charts::fieldText(palace.stars[palace.starCount - 1].longName);
    const std::size_t at = html.find(name);
    ASSERT_NE(at, std::u16string::npos);
    EXPECT_EQ(html.substr(at - 16, 16),
              palace.stars[palace.starCount - 1].good ? u"<font size = 1>+" : u"<font size = 1>-");
    EXPECT_EQ(elementHtmlColour(2), u"#FF0000");
    EXPECT_EQ(elementHtmlColour(-1), u"");
}

} // namespace
} // namespace velmora::app
