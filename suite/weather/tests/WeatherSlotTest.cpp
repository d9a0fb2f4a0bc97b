// Tests of the 68-byte slot and SYSTEMTIME forms: exact offsets, wrong lengths, garbled bytes.
#include "suite/weather/WeatherSlot.h"
#include "suite/weather/SystemTimeBytes.h"

#include <gtest/gtest.h>
#include <ostream>

using namespace velmora::weather;

namespace {

// A slot as the parser stores it, byte by byte.
QByteArray storedBytes() {
    QByteArray b(kSlotSize, '\0');
    const unsigned char head[16] = {0xE9, 0x07, 0x00, 0x00, // 2025
                                    0xFF,                   // code -1: current conditions
                                    25,   2,    47,   0x80, // day, month, icon, temperature unknown
                                    0x7F, 87,   0xFE, 12,   95, 31, 0xF6};
    std::copy(std::begin(head), std::end(head), b.begin());
    const char16_t text[] = u"Mưa_rào";
    for (int i = 0; text[i]; ++i) {
        b[16 + 2 * i] = char(text[i] & 0xFF);
        b[17 + 2 * i] = char(text[i] >> 8);
    }
    return b;
}

TEST(WeatherSlot, DecodesEveryFieldAtItsOffsetAsSignedBytes) {
    const WeatherSlot s = decodeSlot(storedBytes());
    EXPECT_EQ(s.year, 2025);
    EXPECT_EQ(s.code, -1);
    EXPECT_EQ(s.day, 25);
    EXPECT_EQ(s.month, 2);
    EXPECT_EQ(s.icon, 47);
    EXPECT_EQ(s.temperature, kUnknownValue);
    EXPECT_EQ(s.reserved, 127);
    EXPECT_EQ(s.humidity, 87);
    EXPECT_EQ(s.windDirection, -2);
    EXPECT_EQ(s.windSpeed, 12);
    EXPECT_EQ(s.visibility, 95);
    EXPECT_EQ(s.highTemperature, 31);
    EXPECT_EQ(s.dewPoint, -10);
    EXPECT_EQ(descriptionOf(s), QStringLiteral("Mưa_rào"));
    EXPECT_EQ(encodeSlot(s), storedBytes());
}

struct LengthCase {
    const char* label;
    int size;
};

// Printed as its label in failure messages.
[[maybe_unused]] void PrintTo(const LengthCase& c, std::ostream* os) {
    *os << c.label;
}

class SlotLengths : public testing::TestWithParam<LengthCase> {};

TEST_P(SlotLengths, AnythingButSixtyEightBytesLeavesTheSlotZero) {
    QByteArray bytes = storedBytes();
    bytes.resize(GetParam().size, 'x');
    const WeatherSlot s = decodeSlot(bytes);
    EXPECT_EQ(encodeSlot(s), QByteArray(kSlotSize, '\0'));
}

INSTANTIATE_TEST_SUITE_P(Slot, SlotLengths,
                         testing::Values(LengthCase{"empty", 0}, LengthCase{"one short", 67},
                                         LengthCase{"one long", 69}, LengthCase{"double", 136}),
                         [](const auto& info) {
                             return std::string("size") + std::to_string(info.param.size);
                         });

TEST(WeatherSlot, GarbledDescriptionWithoutTerminatorIsCutAtItsWidth) {
    const WeatherSlot s = decodeSlot(QByteArray(kSlotSize, '\x41'));
    EXPECT_EQ(s.year, 0x41414141);
    EXPECT_EQ(s.icon, 0x41);
    EXPECT_EQ(descriptionOf(s), QString(kDescriptionWidth, QChar(0x4141)));
}

TEST(WeatherSlot, BytesAfterTheTerminatorAreNotKept) {
    QByteArray bytes = storedBytes();
    bytes[16 + 2 * 10] = 'Z'; // after "Mưa_rào" and its terminator
    const WeatherSlot s = decodeSlot(bytes);
    EXPECT_EQ(descriptionOf(s), QStringLiteral("Mưa_rào"));
    EXPECT_EQ(s.description[10], u'\0');
}

TEST(WeatherSlot, SetDescriptionKeepsTheTerminator) {
    WeatherSlot s{};
    setDescription(s, QString(40, QChar('a')));
    EXPECT_EQ(descriptionOf(s), QString(kDescriptionWidth - 1, QChar('a')));
    EXPECT_EQ(s.description[kDescriptionWidth - 1], u'\0');
}

TEST(SystemTimeBytes, RoundTripsAndRefusesOtherLengths) {
    const SYSTEMTIME t{2025, 2, 2, 25, 23, 59, 58, 999};
    const QByteArray bytes = encodeSystemTime(t);
    ASSERT_EQ(bytes.size(), 16);
    EXPECT_EQ(bytes.left(4), QByteArray("\xE9\x07\x02\x00", 4));
    const SYSTEMTIME back = decodeSystemTime(bytes);
    EXPECT_EQ(encodeSystemTime(back), bytes);
    for (int size : {0, 15, 17, 32})
        EXPECT_EQ(decodeSystemTime(bytes.leftJustified(size, '\x01', true)).wYear, 0) << size;
}

} // namespace
