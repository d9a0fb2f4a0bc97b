// Tests of reading the weather server's reply: the line scan, the value names and the store.
#include "suite/weather/WeatherReply.h"

#include "platform/registry/RegistryKey.h"
#include "platform/testing/DeviceRootTest.h"
#include "suite/weather/SystemTimeBytes.h"
#include "suite/weather/WeatherKeys.h"

#include <random>

using namespace velmora::weather;
using velmora::registry::RegistryKey;
using velmora::registry::Status;

namespace {

SYSTEMTIME at(int y, int m, int d, int h = 9, int min = 41) {
    SYSTEMTIME t{};
    t.wYear = uint16_t(y);
    t.wMonth = uint16_t(m);
    t.wDay = uint16_t(d);
    t.wHour = uint16_t(h);
    t.wMinute = uint16_t(min);
    return t;
}

const SYSTEMTIME kJanuary = at(2025, 1, 29);

struct LineCase {
    const char* label;
    const char* line; // as the store hands it over: spaces already "_"
    bool stored;
};

[[maybe_unused]] void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.label;
}

class ReplyLine : public testing::TestWithParam<LineCase> {};

TEST_P(ReplyLine, IsStoredWholeOrNotAtAll) {
    const std::optional<WeatherSlot> slot = parseReplyLine(GetParam().line, kJanuary);
    EXPECT_EQ(slot.has_value(), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Scan, ReplyLine,
    testing::Values(LineCase{"Whole", "9|29|1|30|18|75|3|12|100|24|13|Ít_mây", true},
                    LineCase{"SignedAndExtremes", "-1|29|1|1|-128|127|+0|0|0|-5|-128|x", true},
                    LineCase{"IconNotAvailable", "9|29|1|44|18|75|3|12|100|24|13|Không_rõ", false},
                    LineCase{"IconZero", "9|29|1|0|18|75|3|12|100|24|13|x", false},
                    LineCase{"IconNegative", "9|29|1|-3|18|75|3|12|100|24|13|x", false},
                    LineCase{"TenNumbers", "9|29|1|30|18|75|3|12|100|24|Ít_mây", false},
                    LineCase{"NoDescription", "9|29|1|30|18|75|3|12|100|24|13|", false},
                    LineCase{"BlankDescription", "9|29|1|30|18|75|3|12|100|24|13|\t", false},
                    LineCase{"NotANumber", "9|29|1|30|1x|75|3|12|100|24|13|x", false},
                    LineCase{"EmptyNumber", "9||1|30|18|75|3|12|100|24|13|x", false},
                    LineCase{"SignAlone", "9|-|1|30|18|75|3|12|100|24|13|x", false},
                    LineCase{"AboveAByte", "9|29|1|30|18|75|3|12|128|24|13|x", false},
                    LineCase{"BelowAByte", "9|29|1|30|-129|75|3|12|100|24|13|x", false},
                    LineCase{"HugeNumber", "9|29|1|30|99999999999|75|3|12|100|24|13|x", false},
                    LineCase{"Empty", "", false}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ReplyLineFields, FillTheirOffsetsAndCutTheDescription) {
    const std::optional<WeatherSlot> slot = parseReplyLine(
        QStringLiteral("41|30|1|11|27|-80|9|15|100|31|-2|Mưa_rào_rất_to_kèm_gió_giật_mạnh\r"),
        kJanuary);
    ASSERT_TRUE(slot);
    const QByteArray bytes = encodeSlot(*slot);
    // code, day, month, icon, temperature, (reserved), humidity, direction, speed, visibility,
    // highest, dew point at offsets 4..15.
    const QByteArray expected("\x29\x1e\x01\x0b\x1b\x00\xb0\x09\x0f\x64\x1f\xfe", 12);
    EXPECT_EQ(bytes.mid(4, 12), expected);
    EXPECT_EQ(slot->year, 2025);
    EXPECT_EQ(descriptionOf(*slot), QStringLiteral("Mưa_rào_rất_to_kèm_gió_gi")); // 25 characters
}

struct YearCase {
    int nowMonth;
    int lineMonth;
    int year;
};

class YearRule : public testing::TestWithParam<YearCase> {};

TEST_P(YearRule, JanuaryLinesReadInDecemberBelongToTheNextYear) {
    const YearCase& c = GetParam();
    const std::optional<WeatherSlot> slot =
        parseReplyLine(QStringLiteral("32|1|%1|32|20|70|0|0|0|25|12|Nắng").arg(c.lineMonth),
                       at(2025, c.nowMonth, 31));
    ASSERT_TRUE(slot);
    EXPECT_EQ(slot->year, c.year);
}

INSTANTIATE_TEST_SUITE_P(Months, YearRule,
                         testing::Values(YearCase{12, 1, 2026}, YearCase{12, 12, 2025},
                                         YearCase{1, 1, 2025}, YearCase{1, 12, 2025},
                                         YearCase{11, 1, 2025}));

TEST(SlotValueName, FollowsTheSlotCode) {
    const struct {
        int code;
        const char* name;
    } cases[] = {{-128, "HienTai"}, {-1, "HienTai"},    {0, "2026010100"},  {23, "2026010123"},
                 {24, ""},          {30, ""},           {31, "20260101SA"}, {39, "20260101SA"},
                 {40, ""},          {41, "20260101CH"}, {49, "20260101CH"}, {50, ""},
                 {127, ""}};
    for (const auto& c : cases) {
        WeatherSlot slot{};
        slot.year = 2026;
        slot.month = 1;
        slot.day = 1;
        slot.code = int8_t(c.code);
        EXPECT_EQ(slotValueName(slot), QString::fromLatin1(c.name)) << c.code;
    }
}

class Store : public velmora::testing::DeviceRootTest {
  protected:
    RegistryKey city() const {
        RegistryKey key;
        EXPECT_EQ(RegistryKey::currentUser().open(kWeatherKeyPath + "\\005", &key),
                  Status::Success);
        return key;
    }
    QStringList valueNames() const {
        QStringList names;
        QString name;
        const RegistryKey key = city();
        for (uint32_t i = 0; key.enumValue(i, &name) == Status::Success; ++i) names << name;
        return names;
    }
    WeatherSlot slot(const QString& name) const {
        QByteArray bytes;
        city().getBinary(name, &bytes);
        return decodeSlot(bytes);
    }
};

TEST_F(Store, FirstLineIsIgnoredEvenWhenItHoldsData) {
    const QString reply = QStringLiteral("9|31|12|32|20|70|0|0|0|25|12|Nắng\n"
                                         "10|31|12|30|22|65|0|0|0|25|12|Ít mây\n");
    EXPECT_EQ(StoreWeatherReply(reply, "005", at(2025, 12, 31)), 1);
    EXPECT_EQ(valueNames(), QStringList({"GioCapNhat", "2025123110"}));
}

TEST_F(Store, SpacesBecomeUnderscoresAndLine1SetsTheUpdateTime) {
    const QString reply = QStringLiteral("header line\r\n"
                                         "-1|31|12|40|24|83|6|11|100|27|21|Mưa rào nhẹ\r\n"
                                         "43|31|12|12|26|90|6|11|100|27|21|Mưa rào rất to\r\n");
    const SYSTEMTIME now = at(2025, 12, 31, 9, 41);
    EXPECT_EQ(StoreWeatherReply(reply, "005", now), 2);
    EXPECT_EQ(descriptionOf(slot("HienTai")), QStringLiteral("Mưa_rào_nhẹ"));
    EXPECT_EQ(descriptionOf(slot("20251231CH")), QStringLiteral("Mưa_rào_rất_to"));
    QByteArray updated;
    ASSERT_EQ(city().getBinary("GioCapNhat", &updated), Status::Success);
    EXPECT_EQ(updated, encodeSystemTime(now));
}

TEST_F(Store, NoUpdateTimeWhenLine1IsNotStored) {
    const QString reply = QStringLiteral("header\n"
                                         "-1|31|12|44|24|83|6|11|100|27|21|Không có số liệu\n"
                                         "33|31|12|32|20|70|0|0|0|25|12|Nắng\n");
    EXPECT_EQ(StoreWeatherReply(reply, "005", at(2025, 12, 31)), 1);
    EXPECT_EQ(valueNames(), QStringList({"20251231SA"}));
}

TEST_F(Store, LinesOverTheLimitAreSkippedWhole) {
    const QString line = QStringLiteral("0|29|1|32|20|70|0|0|0|25|12|");
    const QString fits = line + QString(kReplyLineLimit - line.size(), u'x');
    const QString tooLong = QStringLiteral("1|29|1|32|20|70|0|0|0|25|12|") +
                            QString(kReplyLineLimit - line.size() + 1, u'x');
    EXPECT_EQ(StoreWeatherReply("h\n" + fits + "\n" + tooLong + "\n", "005", kJanuary), 1);
    EXPECT_EQ(valueNames(), QStringList({"GioCapNhat", "2025012900"}));
}

TEST_F(Store, DecemberAndJanuaryLinesGetTheirYears) {
    const QString reply = QStringLiteral("h\n"
                                         "33|31|12|32|20|70|0|0|0|25|12|Nắng\n"
                                         "34|1|1|30|19|72|0|0|0|24|12|Ít mây\n"
                                         "44|1|1|26|23|60|0|0|0|24|12|Nhiều mây\n");
    EXPECT_EQ(StoreWeatherReply(reply, "005", at(2025, 12, 31)), 3);
    EXPECT_EQ(valueNames(), QStringList({"GioCapNhat", "20251231SA", "20260101SA", "20260101CH"}));
    EXPECT_EQ(slot("20260101SA").year, 2026);
}

TEST_F(Store, CodesThatNameNoSlotStoreNothing) {
    const QString reply = QStringLiteral("h\n"
                                         "24|29|1|32|20|70|0|0|0|25|12|a\n"
                                         "40|29|1|32|20|70|0|0|0|25|12|b\n"
                                         "50|29|1|32|20|70|0|0|0|25|12|c\n");
    EXPECT_EQ(StoreWeatherReply(reply, "005", kJanuary), 0);
    // Line 1 held a slot, so the update time is written although its code names no value.
    EXPECT_EQ(valueNames(), QStringList({"GioCapNhat"}));
}

// Garbled replies (random lines of digits, bars, signs, letters, spaces and line ends) never store
// a slot that a whole line did not give: every stored value is a slot with an icon, under the
// name its own code and date give.
TEST_F(Store, GarbledRepliesStoreOnlyWholeLines) {
    std::mt19937 random(20251231);
    const QString alphabet = QStringLiteral("0123456789||||||---+ _abcNắng\n\n\r");
    int stored = 0;
    for (int round = 0; round < 200; ++round) {
        QString reply;
        const int length = int(random() % 400);
        for (int i = 0; i < length; ++i) reply += alphabet[int(random() % alphabet.size())];
        // Now and then a line that does scan, so that storing is exercised too.
        if (round % 4 == 0)
            reply += QStringLiteral("\n%1|29|1|%2|20|70|0|0|0|25|12|x\n")
                         .arg(round % 24)
                         .arg(round % 47 + 1);
        const int n = StoreWeatherReply(reply, "005", kJanuary);
        ASSERT_GE(n, 0);
        stored += n;
    }
    EXPECT_GT(stored, 0);
    const RegistryKey key = city();
    QString name;
    for (uint32_t i = 0; key.enumValue(i, &name) == Status::Success; ++i) {
        if (name == "GioCapNhat") continue;
        const WeatherSlot s = slot(name);
        EXPECT_GT(s.icon, 0) << name.toStdString();
        EXPECT_NE(s.icon, 44) << name.toStdString();
        EXPECT_EQ(slotValueName(s), name);
    }
}

} // namespace
