// The constant table of places whose forecast can be stored.
#include "suite/weather/CityTable.h"

#include <cstddef>

namespace velmora::weather {

namespace {
constexpr std::array<CityEntry, kCityCount> kCities{{
    {0, u"vmxx0001", u"An Nhơn", 13.88, 109.10},
    {1, u"vmxx0002", u"Bắc Giang", 21.28, 106.19},
    {2, u"vmxx0003", u"Biên Hòa", 10.95, 106.82},
    {3, u"vmxx0004", u"Cần Thơ", 10.03, 105.78},
    {4, u"vmxx0005", u"Hải Phòng", 20.86, 106.68},
    {5, u"vmxx0006", u"Hà Nội", 21.02, 105.85},
    {6, u"vmxx0007", u"Hồ Chí Minh", 10.78, 106.69},
    {7, u"vmxx0008", u"Hòa Bình", 20.84, 105.33},
    {8, u"vmxx0009", u"Huế", 16.48, 107.50},
    {9, u"vmxx0010", u"Mỹ Tho", 10.36, 106.36},
    {10, u"vmxx0011", u"Nam Định", 20.43, 106.17},
    {11, u"vmxx0012", u"Phan Thiết", 10.93, 108.11},
    {12, u"vmxx0013", u"Quy Nhơn", 13.77, 109.22},
    {13, u"vmxx0014", u"Sông Cầu", 13.45, 109.21},
    {14, u"vmxx0015", u"Thái Nguyên", 21.56, 105.86},
    {15, u"vmxx0016", u"Tuy Hòa", 13.09, 109.30},
    {16, u"vmxx0017", u"Việt Trì", 21.31, 105.43},
    {17, u"vmxx0018", u"Vũng Tàu", 10.35, 107.08},
    {18, u"vmxx0019", u"Lào Cai", 22.50, 103.96},
    {19, u"vmxx0020", u"Cao Bằng", 22.68, 106.27},
    {20, u"vmxx0022", u"Phú Liên", 20.80, 106.63},
    {21, u"vmxx0023", u"Lạng Sơn", 21.86, 106.76},
    {22, u"vmxx0024", u"Bạch Long Vĩ", 20.13, 107.72},
    {23, u"vmxx0025", u"Thanh Hóa", 19.81, 105.78},
    {24, u"vmxx0026", u"Vinh", 18.68, 105.67},
    {25, u"vmxx0027", u"Đồng Hới", 17.47, 106.62},
    {26, u"vmxx0028", u"Đà Nẵng", 16.07, 108.21},
    {27, u"vmxx0029", u"Nha Trang", 12.25, 109.19},
    {28, u"vmxx0030", u"Song Tử Tây", 11.42, 114.33},
    {29, u"vmxx0031", u"Cà Mau", 9.18, 105.15},
    {30, u"vmxx0032", u"Phú Quốc", 10.23, 103.96},
    {31, u"vmxx0033", u"Côn Đảo", 8.69, 106.60},
    {32, u"vmxx0034", u"Trường Sa", 8.65, 111.92},
}};

// Each row's index is its position, as callers index the table by it.
constexpr bool indicesMatchRows() {
    for (int i = 0; i < kCityCount; ++i)
        if (kCities[static_cast<std::size_t>(i)].index != i) return false;
    return true;
}
static_assert(indicesMatchRows());
} // namespace

const std::array<CityEntry, kCityCount>& cityTable() {
    return kCities;
}

} // namespace velmora::weather
