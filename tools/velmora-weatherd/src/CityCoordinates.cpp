// The 33 places and their coordinates.
#include "tools/velmora-weatherd/src/CityCoordinates.h"

#include <array>

namespace velmora::weatherd {
namespace {

// Source: the coordinates of the city table that both device programs carry (two decimals, about
// a kilometre), taken over unchanged; a test holds this table to that one. They were not checked
// against a survey here. The forecast API snaps a point to its model's nearest grid cell (a few
// kilometres), which is well within that precision. There is no code vmxx0021.
constexpr std::array<CityPoint, 33> kCities{{
    {"vmxx0001", u"An Nhơn", 13.88, 109.10, "town centre, Bình Định"},
    {"vmxx0002", u"Bắc Giang", 21.28, 106.19, "city centre"},
    {"vmxx0003", u"Biên Hòa", 10.95, 106.82, "city centre, Đồng Nai"},
    {"vmxx0004", u"Cần Thơ", 10.03, 105.78, "city centre"},
    {"vmxx0005", u"Hải Phòng", 20.86, 106.68, "city centre"},
    {"vmxx0006", u"Hà Nội", 21.02, 105.85, "city centre"},
    {"vmxx0007", u"Hồ Chí Minh", 10.78, 106.69, "city centre"},
    {"vmxx0008", u"Hòa Bình", 20.84, 105.33, "city centre"},
    {"vmxx0009", u"Huế", 16.48, 107.50, "city centre"},
    {"vmxx0010", u"Mỹ Tho", 10.36, 106.36, "city centre, Tiền Giang"},
    {"vmxx0011", u"Nam Định", 20.43, 106.17, "city centre"},
    {"vmxx0012", u"Phan Thiết", 10.93, 108.11, "city centre, Bình Thuận"},
    {"vmxx0013", u"Quy Nhơn", 13.77, 109.22, "city centre, Bình Định"},
    {"vmxx0014", u"Sông Cầu", 13.45, 109.21, "town centre, Phú Yên"},
    {"vmxx0015", u"Thái Nguyên", 21.56, 105.86, "city centre"},
    {"vmxx0016", u"Tuy Hòa", 13.09, 109.30, "city centre, Phú Yên"},
    {"vmxx0017", u"Việt Trì", 21.31, 105.43, "city centre, Phú Thọ"},
    {"vmxx0018", u"Vũng Tàu", 10.35, 107.08, "city centre"},
    {"vmxx0019", u"Lào Cai", 22.50, 103.96, "city centre"},
    {"vmxx0020", u"Cao Bằng", 22.68, 106.27, "city centre"},
    {"vmxx0022", u"Phú Liên", 20.80, 106.63, "near Hải Phòng"},
    {"vmxx0023", u"Lạng Sơn", 21.86, 106.76, "city centre"},
    {"vmxx0024", u"Bạch Long Vĩ", 20.13, 107.72, "island, Gulf of Tonkin"},
    {"vmxx0025", u"Thanh Hóa", 19.81, 105.78, "city centre"},
    {"vmxx0026", u"Vinh", 18.68, 105.67, "city centre, Nghệ An"},
    {"vmxx0027", u"Đồng Hới", 17.47, 106.62, "city centre, Quảng Bình"},
    {"vmxx0028", u"Đà Nẵng", 16.07, 108.21, "city centre"},
    {"vmxx0029", u"Nha Trang", 12.25, 109.19, "city centre, Khánh Hòa"},
    {"vmxx0030", u"Song Tử Tây", 11.42, 114.33, "island, Trường Sa archipelago"},
    {"vmxx0031", u"Cà Mau", 9.18, 105.15, "city centre"},
    {"vmxx0032", u"Phú Quốc", 10.23, 103.96, "island, Kiên Giang"},
    {"vmxx0033", u"Côn Đảo", 8.69, 106.60, "island, Bà Rịa–Vũng Tàu"},
    {"vmxx0034", u"Trường Sa", 8.65, 111.92, "island, Trường Sa archipelago"},
}};

} // namespace

std::span<const CityPoint> cityPoints() {
    return kCities;
}

std::optional<CityPoint> cityByCode(const QString& code) {
    for (const CityPoint& c : kCities)
        if (code.compare(QLatin1String(c.code), Qt::CaseInsensitive) == 0) return c;
    return std::nullopt;
}

} // namespace velmora::weatherd
