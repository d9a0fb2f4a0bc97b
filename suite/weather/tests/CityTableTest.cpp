// Tests of the city table: its rows, codes and the subkey names they give.
#include "suite/weather/CityTable.h"
#include "suite/weather/WeatherKeys.h"

#include <QString>
#include <gtest/gtest.h>

using namespace velmora::weather;

namespace {

QString text(const char16_t* s) {
    return QString::fromUtf16(s);
}

TEST(CityTable, HasThirtyThreeRowsWithCodesInOrderAndNoCode0021) {
    const auto& table = cityTable();
    ASSERT_EQ(table.size(), 33u);
    int expectedNumber = 1;
    for (int i = 0; i < kCityCount; ++i) {
        const CityEntry& row = table[i];
        EXPECT_EQ(row.index, i);
        if (expectedNumber == 21) ++expectedNumber;
        EXPECT_EQ(text(row.code),
                  QStringLiteral("vmxx%1").arg(expectedNumber++, 4, 10, QChar('0')));
        EXPECT_FALSE(text(row.name).isEmpty());
        EXPECT_EQ(row.code[24], u'\0');
        EXPECT_EQ(row.name[24], u'\0');
    }
    EXPECT_EQ(expectedNumber, 35); // the last row carries 0034
}

struct RowCase {
    int index;
    const char* key;
    const char* code;
    const char* name;
    double lat, lon;
};

class CityRows : public testing::TestWithParam<RowCase> {};

TEST_P(CityRows, MatchTheTable) {
    const RowCase& c = GetParam();
    const CityEntry& row = cityTable()[c.index];
    EXPECT_EQ(cityKeyName(row.index), QString::fromUtf8(c.key));
    EXPECT_EQ(text(row.code), QString::fromUtf8(c.code));
    EXPECT_EQ(text(row.name), QString::fromUtf8(c.name));
    EXPECT_DOUBLE_EQ(row.lat, c.lat);
    EXPECT_DOUBLE_EQ(row.lon, c.lon);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CityRows,
    testing::Values(RowCase{0, "000", "vmxx0001", "An Nhơn", 13.88, 109.10},
                    RowCase{5, "005", "vmxx0006", "Hà Nội", 21.02, 105.85},
                    RowCase{6, "006", "vmxx0007", "Hồ Chí Minh", 10.78, 106.69},
                    RowCase{19, "019", "vmxx0020", "Cao Bằng", 22.68, 106.27},
                    RowCase{20, "020", "vmxx0022", "Phú Liên", 20.80, 106.63},
                    RowCase{22, "022", "vmxx0024", "Bạch Long Vĩ", 20.13, 107.72},
                    RowCase{25, "025", "vmxx0027", "Đồng Hới", 17.47, 106.62},
                    RowCase{28, "028", "vmxx0030", "Song Tử Tây", 11.42, 114.33},
                    RowCase{32, "032", "vmxx0034", "Trường Sa", 8.65, 111.92}));

} // namespace
