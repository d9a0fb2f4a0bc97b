// The eight-mansions reading of a house for its owner: the owner's trigram by birth year and sex,
// the house's trigram from its facing, and the star each direction carries for a trigram.
#pragma once

#include <array>
#include <string_view>

namespace velmora::fengshui {

// Index k names both a trigram and a direction, in the Later Heaven arrangement clockwise from
// north-west: 0 Càn/Tây Bắc, 1 Khảm/Chính Bắc, 2 Cấn/Đông Bắc, 3 Chấn/Chính Đông, 4 Tốn/Đông Nam,
// 5 Ly/Chính Nam, 6 Khôn/Tây Nam, 7 Đoài/Chính Tây.
inline constexpr int kTrigramCount = 8;

// Upper-case trigram names as the chart shows them.
inline constexpr std::array<std::u16string_view, kTrigramCount> kChartTrigramNames{
    u"CÀN", u"KHẢM", u"CẤN", u"CHẤN", u"TỐN", u"LY", u"KHÔN", u"ĐOÀI"};

inline constexpr std::array<std::u16string_view, kTrigramCount> kDirectionNames{
    u"Tây Bắc",  u"Chính Bắc", u"Đông Bắc", u"Chính Đông",
    u"Đông Nam", u"Chính Nam", u"Tây Nam",  u"Chính Tây"};

// The eight stars: the first four auspicious ("+"), the last four inauspicious ("-").
inline constexpr std::array<std::u16string_view, kTrigramCount> kMansionStarNames{
    u"+Sinh Khí", u"+Thiên Y", u"+Phúc Đức", u"+Phục Vị",
    u"-Họa Hại",  u"-Lục Sát", u"-Ngũ Quỷ",  u"-Tuyệt Mệnh"};

// The owner's trigram (cung phi) of a Gregorian birth year.
int ownerTrigram(int birthYear, bool male);

// The house sits opposite its facing: the trigram of the direction four steps round.
int houseTrigram(int facing);

// The star that direction d carries for a person or house of trigram t; -1 outside 0..7.
int mansionStar(int trigram, int direction);

// The direction shown in chart cell c (0 top middle, then clockwise; 8 is the centre):
// the facing is always at the top.
int chartCellDirection(int facing, int cell);

// The dialog's reading: owner's trigram, facing direction and house trigram.
struct HouseReading {
    int nMenh = 0;
    int nHuong = 0;
    int nTrach = 4;
};

HouseReading readHouse(int birthYear, bool male, int facing);

} // namespace velmora::fengshui
