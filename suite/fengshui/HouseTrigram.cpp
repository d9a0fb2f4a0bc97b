// The eight-mansions tables: owner's trigram by year mod 9 and the star matrix.
#include "suite/fengshui/HouseTrigram.h"

namespace velmora::fengshui {
namespace {

// Cung phi by Gregorian birth year mod 9 (the nine-palace count, centre 5 taken as Khôn for men
// and Cấn for women), written as trigram indices.
constexpr std::array<int, 9> kManByYearMod9{6, 1, 5, 2, 7, 0, 6, 4, 3};
constexpr std::array<int, 9> kWomanByYearMod9{4, 2, 0, 7, 2, 5, 1, 6, 3};

// Eight-mansions star of direction d (column) for trigram t (row), by the Bát trạch rule
// (0 Sinh Khí, 1 Thiên Y, 2 Phúc Đức, 3 Phục Vị, 4 Họa Hại, 5 Lục Sát, 6 Ngũ Quỷ, 7 Tuyệt Mệnh).
constexpr int kStarMatrix[kTrigramCount][kTrigramCount] = {
    {3, 5, 1, 6, 4, 7, 2, 0}, {5, 3, 6, 1, 0, 2, 7, 4}, {1, 6, 3, 5, 7, 4, 0, 2},
    {6, 1, 5, 3, 2, 0, 4, 7}, {4, 0, 7, 2, 3, 1, 6, 5}, {7, 2, 4, 0, 1, 3, 5, 6},
    {2, 7, 0, 4, 6, 5, 3, 1}, {0, 4, 2, 7, 5, 6, 1, 3}};

int positiveMod(int value, int modulus) {
    return ((value % modulus) + modulus) % modulus;
}

} // namespace

int ownerTrigram(int birthYear, bool male) {
    const int row = positiveMod(birthYear, 9);
    return male ? kManByYearMod9[row] : kWomanByYearMod9[row];
}

int houseTrigram(int facing) {
    return positiveMod(facing + 4, kTrigramCount);
}

int mansionStar(int trigram, int direction) {
    if (trigram < 0 || trigram >= kTrigramCount || direction < 0 || direction >= kTrigramCount)
        return -1;
    return kStarMatrix[trigram][direction];
}

int chartCellDirection(int facing, int cell) {
    return positiveMod(facing + cell, kTrigramCount);
}

HouseReading readHouse(int birthYear, bool male, int facing) {
    HouseReading reading;
    reading.nMenh = ownerTrigram(birthYear, male);
    reading.nHuong = positiveMod(facing, kTrigramCount);
    reading.nTrach = houseTrigram(reading.nHuong);
    return reading;
}

} // namespace velmora::fengshui
