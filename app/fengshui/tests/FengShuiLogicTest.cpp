// The feng-shui windows' rules without a screen: layouts at every screen profile, the charts
// drawn off-screen, the hexagram buttons' bars, and what the I Ching, coin and nine-star
// dialogs' states do.
#include "app/fengshui/CoinCastDialog.h"
#include "app/fengshui/HexagramButton.h"
#include "app/fengshui/HouseTrigramChart.h"
#include "app/fengshui/IChingModel.h"
#include "app/fengshui/LoBanScale.h"
#include "app/fengshui/NineStarDialog.h"

#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/shell/SoftKeyBar.h"
#include "platform/shell/TaskBar.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace velmora::app {
namespace {

using namespace fengshui;

// Selects each screen profile in turn and gives the work area a full-screen dialog gets.
class EveryProfile : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override { ASSERT_TRUE(screen::select(QString::fromLatin1(GetParam()))); }
    void TearDown() override { screen::select(QStringLiteral("vga")); }
    static QSize workArea() {
        const screen::Profile& p = screen::current();
        return QSize(p.width,
                     p.height - shell::TaskBar::barHeight() - shell::SoftKeyBar::barHeight());
    }
};

INSTANTIATE_TEST_SUITE_P(Profiles, EveryProfile,
                         ::testing::Values("qvga", "qvga-landscape", "square", "vga",
                                           "vga-landscape", "wvga"));

bool inside(const QRect& r, QSize client) {
    return QRect(QPoint(0, 0), client).contains(r);
}

TEST_P(EveryProfile, HouseChartIsTheLargestSquareBesideItsControls) {
    const QSize client = workArea();
    const auto orientation = screen::GetScreenOrientation();
    const HouseTrigramLayout l = houseTrigramLayout(client, orientation, screen::ScaleY(22));
    EXPECT_EQ(l.chart.width(), l.chart.height());
    EXPECT_TRUE(inside(l.chart, client));
    for (const QRect& r : {l.birthLabel, l.birth, l.male, l.facingLabel, l.facing}) {
        if (r.isEmpty()) continue; // a label a square screen has no room for
        EXPECT_TRUE(inside(r, client)) << r.x() << "," << r.y();
        EXPECT_FALSE(r.intersects(l.chart));
    }
    EXPECT_FALSE(l.birth.intersects(l.male));
    EXPECT_FALSE(l.male.intersects(l.facing));
    EXPECT_EQ(l.birthLabel.isEmpty(), orientation == screen::Square);
    if (orientation == screen::Landscape) {
        EXPECT_EQ(l.chart.topLeft(), QPoint(0, 0));
        EXPECT_GT(l.facing.left(), l.chart.right());
    } else {
        // Centred across the width, as large as the room below the controls allows.
        EXPECT_LE(std::abs(l.chart.left() - (client.width() - l.chart.right() - 1)), 1);
        EXPECT_TRUE(l.chart.width() == client.width() || l.chart.bottom() == client.height() - 1);
    }
}

TEST_P(EveryProfile, HouseChartTextsFitTheirCellsForEveryReading) {
    const HouseTrigramLayout l =
        houseTrigramLayout(workArea(), screen::GetScreenOrientation(), screen::ScaleY(22));
    const QRect chart(QPoint(0, 0), l.chart.size());
    for (int owner = 0; owner < 8; ++owner) {
        for (int facing = 0; facing < 8; ++facing) {
            const HouseReading reading{owner, facing, houseTrigram(facing)};
            const int height = houseChartFontHeight(chart, reading);
            // Legible on every screen: at least 7 pixels at 96 dpi, scaled.
            EXPECT_GE(height, screen::ScaleY(7)) << owner << "," << facing;
            const QFontMetrics bold(houseChartFont(height, true)),
                plain(houseChartFont(height, false));
            for (int c = 0; c <= kChartCentre; ++c) {
                const QRect cell = chartCellRect(chart, c);
                const QStringList lines = chartCellLines(reading, c);
                EXPECT_LE(int(lines.size()) * gdi::lineHeight(bold), cell.height());
                for (int i = 0; i < lines.size(); ++i)
                    EXPECT_LT(
                        (i == 0 && c != kChartCentre ? bold : plain).horizontalAdvance(lines[i]),
                        cell.width())
                        << lines[i].toStdString();
            }
        }
    }
}

TEST_P(EveryProfile, HouseChartIsDrawnOffScreenCellByCell) {
    const HouseTrigramLayout l =
        houseTrigramLayout(workArea(), screen::GetScreenOrientation(), screen::ScaleY(22));
    const QRect chart(QPoint(0, 0), l.chart.size());
    const HouseReading reading = readHouse(1984, true, 5);
    const QImage image = renderHouseChart(l.chart.size(), chart, reading, QColor(236, 236, 236));
    int red = 0;
    for (int c = 0; c <= kChartCentre; ++c) {
        const QRect cell = chartCellRect(chart, c);
        // The grey frame is whole, its bottom-right corner too.
        EXPECT_EQ(image.pixelColor(cell.topLeft()), QColor(0xA0, 0xA0, 0xA0)) << c;
        EXPECT_EQ(image.pixelColor(cell.bottomRight()), QColor(0xA0, 0xA0, 0xA0)) << c;
        EXPECT_EQ(image.pixelColor(cell.topLeft() + QPoint(2, 2)), QColor(Qt::white)) << c;
        int dark = 0;
        for (int y = cell.top() + 1; y < cell.bottom(); ++y)
            for (int x = cell.left() + 1; x < cell.right(); ++x) {
                const QColor px = image.pixelColor(x, y);
                dark += px.lightness() < 100;
                red += px.red() > 150 && px.green() < 80;
            }
        EXPECT_GT(dark, 20) << c; // the cell has its text
    }
    EXPECT_GT(red, 20); // the auspicious stars
}

TEST(HouseChart, CellsTileTheSquareClockwiseFromTheTop) {
    const QRect chart(10, 20, 200, 200);
    int area = 0;
    for (int c = 0; c <= kChartCentre; ++c) {
        area += chartCellRect(chart, c).width() * chartCellRect(chart, c).height();
        for (int d = 0; d < c; ++d)
            EXPECT_FALSE(chartCellRect(chart, c).intersects(chartCellRect(chart, d)));
    }
    EXPECT_EQ(area, 200 * 200);
    EXPECT_EQ(chartCellRect(chart, 0).topLeft(), QPoint(10 + 66, 20));       // top middle
    EXPECT_EQ(chartCellRect(chart, 2).topLeft(), QPoint(10 + 133, 20 + 66)); // middle right
    EXPECT_EQ(chartCellRect(chart, 7).topLeft(), QPoint(10, 20));            // top left
}

TEST(HouseChart, ManOf1984InAHouseFacingSouth) {
    const HouseReading reading = readHouse(1984, true, 5);
    // The facing on top: Ly, south; the owner Đoài sees it as Ngũ Quỷ, the house Khảm as Phúc Đức.
    EXPECT_EQ(chartCellLines(reading, 0),
              (QStringList{"LY", "Chính Nam", "-Ngũ Quỷ", "+Phúc Đức"}));
    // The sitting side at the bottom: Khảm, the house's own direction.
    EXPECT_EQ(chartCellLines(reading, 4),
              (QStringList{"KHẢM", "Chính Bắc", "-Họa Hại", "+Phục Vị"}));
    EXPECT_EQ(chartCellLines(reading, kChartCentre),
              (QStringList{"Mệnh: ĐOÀI", "Hướng: LY", "Trạch: KHẢM"}));
}

TEST_P(EveryProfile, LoBanMarksFitTheirBandsAndColumns) {
    const int width = workArea().width();
    const QFontMetrics fm(gdi::makeFont(QStringLiteral("Tahoma"), -loBanFontHeight()));
    // Every subsection of both rulers comes up once as the length runs over a whole ruler.
    for (double length = 0; length < 430; length += 5) {
        const LoBanScaleGeometry g = loBanScaleGeometry(width, length, screen::current().dpi);
        EXPECT_LT(g.leftTextColumn().right(), g.rightTextColumn().left());
        for (const PlacedMark& placed : placeLoBanMarks(g, length)) {
            const QStringList lines = placed.text.split(QLatin1Char('\n'));
            for (const QString& line : lines)
                EXPECT_LE(fm.horizontalAdvance(line), placed.textBox.width()) << line.toStdString();
            // The canvas reaches far enough down for every text, the last marks' too.
            EXPECT_LE(placed.textBox.top() + int(lines.size()) * gdi::lineHeight(fm), g.height);
            // A band shorter than its text is only ever the last one, cut by the canvas.
            if (placed.textBox.bottom() < g.height - 1) {
                EXPECT_LE(int(lines.size()) * gdi::lineHeight(fm), placed.textBox.height() + 1)
                    << placed.text.toStdString() << " at " << length;
            }
        }
    }
}

TEST(LoBanScale, MillimetresAndMarksAtZeroAndJustOverOneRuler) {
    ASSERT_TRUE(screen::select(QStringLiteral("qvga")));
    LoBanScaleGeometry g = loBanScaleGeometry(240, 0, 96);
    EXPECT_EQ(g.millimetre, 3); // trunc(112 x 3 / 96)
    EXPECT_EQ(g.y(70) - g.y(0), 210);
    auto marks = placeLoBanMarks(g, 0);
    ASSERT_FALSE(marks.empty());
    EXPECT_TRUE(marks.front().leftRuler);
    EXPECT_EQ(marks.front().tickY, g.top);
    EXPECT_EQ(marks.front().text.split('\n').join(' '), QStringLiteral("+TÀI (Tài Đức)"));
    EXPECT_TRUE(marks.front().mark.auspicious);

    g = loBanScaleGeometry(240, 430, 96);
    EXPECT_EQ(g.start, 430);
    marks = placeLoBanMarks(g, 430);
    EXPECT_EQ(marks.front().mark.subsection, 0); // 429.3 mm, 2 pixels above the top
    EXPECT_EQ(marks.front().tickY, g.top - 2);
    EXPECT_EQ(loBanScaleGeometry(480, 0, 192).millimetre, 6);

    // The first mark's text is red (auspicious), the second section's black.
    const QImage image = renderLoBanScale(g, 0);
    g = loBanScaleGeometry(240, 0, 96);
    const QImage atZero = renderLoBanScale(g, 0);
    const auto colours = [&](const QRect& box) {
        int red = 0, black = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                const QColor c = atZero.pixelColor(x, y);
                red += c.red() > 200 && c.green() < 90;
                black += c.lightness() < 60;
            }
        return std::pair{red, black};
    };
    const auto placed = placeLoBanMarks(g, 0);
    EXPECT_GT(colours(placed[0].textBox).first, 10);
    EXPECT_EQ(placed[4].mark.section, 1); // "-BỆNH"
    EXPECT_GT(colours(placed[4].textBox).second, 10);
    EXPECT_EQ(colours(placed[4].textBox).first, 0);
    EXPECT_FALSE(image.isNull());
    screen::select(QStringLiteral("vga"));
}

TEST(HexagramButtons, SixSymbolsGiveBarsFromTheBottomUp) {
    const QRect area(0, 0, 60, 60);
    const std::vector<HexagramBar> bars = hexagramBars(QStringLiteral("1o0x10"), area);
    ASSERT_EQ(bars.size(), 9u); // three yang bars and three yin lines of two halves
    // Line 1 (yang) lowest and whole; line 2 moving yang; line 3 yin in two halves.
    EXPECT_EQ(bars[0].rect.width(), 60);
    EXPECT_GT(bars[0].rect.top(), bars[1].rect.top());
    EXPECT_FALSE(bars[0].moving);
    EXPECT_TRUE(bars[1].moving);
    EXPECT_EQ(bars[2].rect.top(), bars[3].rect.top());
    EXPECT_LT(bars[2].rect.right(), bars[3].rect.left()); // the gap of a yin line
    EXPECT_TRUE(bars[4].moving && bars[5].moving);        // line 4: moving yin "x"
    for (const HexagramBar& bar : bars) EXPECT_TRUE(area.contains(bar.rect));
    EXPECT_TRUE(hexagramBars(QStringLiteral("Quẻ Khai"), area).empty());
    EXPECT_TRUE(hexagramBars(QString(), area).empty());
    EXPECT_TRUE(hexagramBars(QStringLiteral("1o0x1"), area).empty());
}

const std::vector<HexagramRecord> kBook{
    {u"||::|:", u"Thủy Trạch Tiết", u"Tổng quan Tiết", u"Theo việc Tiết", u"Theo hào Tiết"},
    {u"|::||:", u"Trạch Lôi Tùy", u"Tổng quan Tùy", u"Theo việc Tùy", u"Theo hào Tùy"},
    {u"||||||", u"Thuần Càn", u"Tổng quan Càn", u"Theo việc Càn", u"Theo hào Càn"}};

TEST(IChing, EnteredLinesFormThePrimaryAndTheResultingHexagram) {
    IChingState state;
    state.pattern = u"|||:::";
    state.nameIndex = 4;
    state.text = u"cũ";
    formHexagrams(state, u"1o0x10");
    EXPECT_EQ(state.primary, u"1o0x10");
    EXPECT_EQ(state.resulting, u"100110");
    EXPECT_EQ(state.entry, u"1o0x10");
    EXPECT_EQ(state.nameIndex, -1);
    EXPECT_EQ(state.pattern, u"");
    EXPECT_EQ(state.text, u"");

    ASSERT_TRUE(lookUpPattern(state, kBook, state.primary));
    EXPECT_EQ(state.nameIndex, 0);
    EXPECT_EQ(state.pattern, u"||::|:");
    EXPECT_EQ(state.text, u"Theo việc Tiết"); // "Giải theo việc" at start
    ASSERT_TRUE(lookUpPattern(state, kBook, state.resulting));
    EXPECT_EQ(state.nameIndex, 1);
    EXPECT_EQ(state.text, u"Theo việc Tùy");
    changeInterpretation(state, kBook, Interpretation::ByLine);
    EXPECT_EQ(state.text, u"Theo hào Tùy");
    EXPECT_EQ(state.primary, u"1o0x10"); // a look-up by pattern leaves the buttons alone
}

TEST(IChing, UnknownPatternChangesNothingAndNameLookUpSetsThePrimary) {
    IChingState state;
    formHexagrams(state, u"1o0x10");
    ASSERT_TRUE(lookUpPattern(state, kBook, u"1o0x10"));
    const IChingState before = state;
    EXPECT_FALSE(lookUpPattern(state, kBook, u"::::::"));
    EXPECT_EQ(state.text, before.text);
    EXPECT_EQ(state.nameIndex, before.nameIndex);
    ASSERT_TRUE(lookUpName(state, kBook, u"Thuần Càn"));
    EXPECT_EQ(state.primary, u"||||||");
    EXPECT_EQ(state.resulting, u"100110");
    EXPECT_EQ(state.nameIndex, 2);
    EXPECT_FALSE(lookUpName(state, kBook, u"Không có"));
    EXPECT_EQ(state.nameIndex, 2);
}

TEST(IChing, MutualHexagramsReplaceBothButtons) {
    IChingState state;
    takeMutualHexagrams(state); // captions only: both stay empty
    EXPECT_EQ(state.primary, u"");
    EXPECT_EQ(state.resulting, u"");
    formHexagrams(state, u"1o0x10");
    takeMutualHexagrams(state);
    EXPECT_EQ(state.primary, u"|::::|");   // Tiết's mutual: Di
    EXPECT_EQ(state.resulting, u"::|:||"); // 100110 is Tùy, whose mutual is Tiệm
}

TEST(CoinCasting, SixThrowsMakeAHexagramAndASeventhIsRefused) {
    CoinCastState state;
    const std::array<std::array<std::uint8_t, 3>, 6> throws{
        {{1, 0, 0}, {1, 1, 1}, {0, 0, 0}, {1, 1, 0}, {3, 2, 4}, {2, 2, 2}}};
    for (const auto& bytes : throws) EXPECT_TRUE(state.throwCoins(bytes));
    // One, three, no, two, one (3 is odd) and no backs.
    EXPECT_EQ(state.lines, u"|ox:|x");
    EXPECT_EQ(state.count, 6);
    EXPECT_TRUE(state.complete());
    EXPECT_FALSE(state.throwCoins({1, 1, 1}));
    EXPECT_EQ(state.lines, u"|ox:|x");
    EXPECT_EQ(state.count, 6);
    ASSERT_TRUE(state.coins.has_value());
    EXPECT_EQ(state.coins->backs(), 0);
    state.reset();
    EXPECT_EQ(state.lines, u"");
    EXPECT_EQ(state.count, 0);
    EXPECT_FALSE(state.coins.has_value());
}

TEST(NineStar, LookUpKeepsWhatItShowedWhenNothingMatches) {
    const std::vector<NineStarRecord> stars{{0, 1, 6, u"La Hầu", u"Đọc La Hầu"},
                                            {6, 7, 1, u"Kế Đô", u"Đọc Kế Đô"},
                                            {12, 2, 5, u"Thổ Tú", u"Hình hỏng"}};
    NineStarView view;
    ASSERT_TRUE(readNineStar(view, stars, 1984, 1984, true));
    EXPECT_EQ(view.name, u"La Hầu");
    EXPECT_EQ(view.picture, 0);
    ASSERT_TRUE(readNineStar(view, stars, 1984, 1993, false)); // key 1 again, a woman
    EXPECT_EQ(view.name, u"Kế Đô");
    EXPECT_EQ(view.picture, 6);
    EXPECT_FALSE(readNineStar(view, stars, 1984, 1983, true)); // before birth
    EXPECT_FALSE(readNineStar(view, stars, 1984, 1986, true)); // key 3: not in the file
    EXPECT_EQ(view.name, u"Kế Đô");
    ASSERT_TRUE(readNineStar(view, stars, 1984, 1985, true));
    EXPECT_EQ(view.picture, -1); // picture 12 is none of the nine
}

TEST_P(EveryProfile, NineStarPictureBesideTheControlsAndTheReadingBelow) {
    const QSize client = workArea();
    const NineStarLayout l = nineStarLayout(client, screen::ScaleY(22));
    EXPECT_EQ(l.picture.size(), QSize(screen::ScaleX(75), screen::ScaleY(100)));
    EXPECT_TRUE(inside(l.picture, client));
    for (const QRect& r : {l.birth, l.male, l.female, l.year, l.name}) {
        EXPECT_TRUE(inside(r, client));
        EXPECT_LT(r.right(), l.picture.left());
    }
    EXPECT_GT(l.reading.top(), l.name.bottom());
    EXPECT_GT(l.reading.top(), l.picture.bottom());
    EXPECT_EQ(l.reading.left(), 0);
    EXPECT_EQ(l.reading.width(), client.width());
    EXPECT_EQ(l.reading.bottom(), client.height() - 1);
}

} // namespace
} // namespace velmora::app

int main(int argc, char** argv) {
    // Fonts need a GUI application; no display is needed, also when the tests are listed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
