// The weather window's texts and pictures without a screen: unknown values, the detail lines on
// each screen shape, the seven forecast rows, an empty view, and the city table's mapping to the
// stored cities.
#include "app/tools/WeatherScene.h"

#include "platform/gdi/DrawText.h"
#include "platform/testing/DeviceRootTest.h"
#include "suite/weather/WeatherStore.h"

#include <gtest/gtest.h>

using namespace velmora::app;
using namespace velmora::weather;

namespace {

const QString kFolder = QStringLiteral("\\Program Files\\LichVelmora");

WeatherSlot current(int icon, int humidity) {
    WeatherSlot s{};
    s.code = -1;
    s.icon = int8_t(icon);
    s.temperature = 31;
    s.humidity = int8_t(humidity);
    s.windDirection = 6;
    s.windSpeed = 12;
    s.visibility = 85;
    s.highTemperature = 34;
    s.dewPoint = 24;
    return s;
}

std::vector<QString> textsOf(const WeatherScene& scene) {
    std::vector<QString> out;
    for (const WeatherText& t : scene.texts) out.push_back(t.text);
    return out;
}

bool has(const WeatherScene& scene, const QString& text) {
    const auto texts = textsOf(scene);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(WeatherScene, NoIconButAHumidity) {
    const std::vector<QString> lines = weatherDetailLines(current(0, 80), false);
    EXPECT_EQ(lines, (std::vector<QString>{"Có thể tới: -°C", "Điểm hóa sương: -°C", "Độ ẩm: 80 %",
                                           "Gió: Đông Nam", "Tốc độ gió: 12 km/h"}));
    WeatherView view{};
    view.current = current(0, 80);
    EXPECT_TRUE(has(weatherScene(view, kFolder, false), "--°C"));
}

struct WindCase {
    int direction;
    const char* line;
};
class WindLine : public ::testing::TestWithParam<WindCase> {};

// 0 means none although the table has a name at index 0.
TEST_P(WindLine, NamesTheDirection) {
    WeatherSlot s = current(30, 70);
    s.windDirection = int8_t(GetParam().direction);
    EXPECT_EQ(weatherDetailLines(s, false)[3], QString::fromUtf8(GetParam().line));
}

INSTANTIATE_TEST_SUITE_P(WeatherScene, WindLine,
                         ::testing::Values(WindCase{0, "Gió: --"}, WindCase{17, "Gió: Gió lặng"},
                                           WindCase{18, "Gió: --"}, WindCase{-3, "Gió: --"}));

TEST(WeatherScene, TheVisibilityShowsOnAScreenOnItsSideOnly) {
    WeatherSlot s = current(30, -128);
    s.windSpeed = 0;
    const std::vector<QString> side = weatherDetailLines(s, true);
    ASSERT_EQ(side.size(), 6u);
    EXPECT_EQ(side[2], "Độ ẩm: --");
    EXPECT_EQ(side[4], "Tốc độ gió: -- km/h");
    EXPECT_EQ(side[5], "Tầm nhìn xa: 8 km");
    s.visibility = 0;
    EXPECT_EQ(weatherDetailLines(s, true)[5], "Tầm nhìn xa: -- km");
    EXPECT_EQ(weatherDetailLines(s, false).size(), 5u);
}

// A view with ten days of forecasts: only seven rows are drawn, each with the weekday, the date
// and both halves of the day.
TEST(WeatherScene, SevenOfTenDays) {
    WeatherView view{};
    for (int j = 0; j < 10; ++j) {
        // year, code, day, month, icon, temperature, reserved, humidity, ...
        view.morning[j] = WeatherSlot{
            2025, int8_t(32 + (5 + j) % 7), int8_t(1 + j), 3, 30, 24, 0, 80, 0, 0, 0, 0, 0, {}};
        view.afternoon[j] = WeatherSlot{
            2025, int8_t(42 + (5 + j) % 7), int8_t(1 + j), 3, 30, 31, 0, -128, 0, 0, 0, 0, 0, {}};
    }
    view.morning[3].temperature = -128;
    const WeatherScene upright = weatherScene(view, kFolder, false);
    int weekdays = 0;
    for (const WeatherText& t : upright.texts)
        for (int d = 0; d < 7; ++d) weekdays += t.text == QString::fromUtf16(g_sThu[d]);
    EXPECT_EQ(weekdays, 7);
    EXPECT_TRUE(has(upright, "(01/03)"));
    EXPECT_TRUE(has(upright, "(07/03)"));
    EXPECT_FALSE(has(upright, "(08/03)"));
    EXPECT_TRUE(has(upright, "--°C")); // the morning of day 4
    EXPECT_TRUE(has(upright, "--%"));  // the afternoons' humidity
    // Today's pair, afternoon then morning, whatever the current slot holds; the rows' icons.
    EXPECT_TRUE(has(upright, "31°C/24°C"));
    view.afternoon[0].icon = 0;
    EXPECT_TRUE(has(weatherScene(view, kFolder, false), "--°C/--°C"));
    int small = 0;
    for (const WeatherPicture& p : upright.pictures) small += p.path.contains("\\Images\\wm30.png");
    EXPECT_EQ(small, 14);
    // Rows 26 units apart: the first morning icon at (120, 83) upright, (200, 3) on its side.
    EXPECT_EQ(upright.pictures[1].box, QRect(120, 83, 24, 24));
    EXPECT_EQ(weatherScene(view, kFolder, true).pictures[1].box, QRect(200, 3, 24, 24));
    EXPECT_EQ(upright.pictures.back().box, QRect(180, 83 + 26 * 6, 24, 24));
}

TEST(WeatherScene, AnEmptyViewShowsItsUnknowns) {
    const WeatherView view{};
    const WeatherScene scene = weatherScene(view, kFolder, false);
    EXPECT_EQ(scene.background, kFolder + "\\Images\\pwbkgnd.jpg");
    EXPECT_EQ(weatherScene(view, kFolder, true).background, kFolder + "\\Images\\lwbkgnd.jpg");
    ASSERT_EQ(scene.pictures.size(), 1u);
    EXPECT_EQ(scene.pictures[0].path, kFolder + "\\Images\\wl44.png");
    EXPECT_EQ(scene.pictures[0].box, QRect(0, 21, 120, 70));
    EXPECT_EQ(textsOf(scene),
              (std::vector<QString>{"", "(Cập nhật: 00:00 00/00/0000)", "--°C", "--°C/--°C",
                                    "Có thể tới: -°C", "Điểm hóa sương: -°C", "Độ ẩm: 0 %",
                                    "Gió: --", "Tốc độ gió: -- km/h"}));
    EXPECT_EQ(scene.texts[0].box, QRect(8, 4, 125, 15));
    EXPECT_EQ(scene.texts[4].box, QRect(135, 3, 105, 15));
    EXPECT_EQ(scene.texts[8].box, QRect(135, 63, 105, 15));
    EXPECT_EQ(scene.texts[3].flags, velmora::gdi::DT_RIGHT | velmora::gdi::DT_BOTTOM);
}

class WeatherCities : public velmora::testing::DeviceRootTest {};

// The list offers the table; a position stands for the stored city of its subkey.
TEST_F(WeatherCities, ATablePositionIsTheCityOfItsSubkey) {
    ASSERT_TRUE(storeCity(6, "Hồ Chí Minh", "vmxx0007", 0, 0));
    ASSERT_TRUE(storeCity(5, "Hà Nội", "vmxx0006", 1, 1));
    ASSERT_TRUE(storeCity(26, "Đà Nẵng", "vmxx0028", 2, 10000));
    EXPECT_EQ(sequenceNumberOfCity(6), 0u);
    EXPECT_EQ(sequenceNumberOfCity(5), 1u);
    EXPECT_FALSE(sequenceNumberOfCity(26)); // unchecked
    EXPECT_FALSE(sequenceNumberOfCity(0));  // never stored
    EXPECT_FALSE(sequenceNumberOfCity(33));
    EXPECT_EQ(tableIndexOfSequence(0), 6);
    EXPECT_EQ(tableIndexOfSequence(1), 5);
    EXPECT_EQ(tableIndexOfSequence(2), -1);
}

} // namespace
