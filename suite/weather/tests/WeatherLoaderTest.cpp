// Tests of the loaders on a real device registry: city choice, name, dates, current and hourly
// slots.
#include "VelmoraDay.h"
#include "platform/testing/DeviceRootTest.h"

#include "suite/weather/CityTable.h"
#include "suite/weather/SystemTimeBytes.h"
#include "suite/weather/WeatherKeys.h"
#include "suite/weather/WeatherLoader.h"
#include "suite/weather/WeatherStore.h"
#include "suite/weather/tests/SlotTesting.h"

#include "platform/registry/RegistryKey.h"
#include <QDate>

using namespace velmora::weather;
using velmora::registry::RegistryKey;
using velmora::registry::Status;

namespace {

SYSTEMTIME at(int y, int m, int d, int h, int min = 30) {
    return velmora::systemTime(y, m, d, h, min);
}

// A slot that names where it was stored: its date, its code and an icon.
WeatherSlot marked(QDate date, int code, int icon) {
    return velmora::weather::test::slotOn(date, code, icon);
}

RegistryKey cityKey(int index) {
    RegistryKey key;
    EXPECT_EQ(RegistryKey::currentUser().create(kWeatherKeyPath + "\\" + cityKeyName(index), &key),
              Status::Success);
    return key;
}

bool storeTableCity(int index, uint32_t csd, uint32_t stt = 0) {
    const CityEntry& row = cityTable()[index];
    return storeCity(index, QString::fromUtf16(row.name), QString::fromUtf16(row.code), stt, csd);
}

class Loader : public velmora::testing::DeviceRootTest {};

TEST_F(Loader, ValueNamesFollowTheStoredFormats) {
    EXPECT_EQ(hourValueName(2025, 2, 5, 7), "2025020507");
    EXPECT_EQ(morningValueName(2025, 12, 31), "20251231SA");
    EXPECT_EQ(afternoonValueName(2026, 1, 1), "20260101CH");
}

struct DatesCase {
    const char* label;
    QDate today;
};

// Printed as its label in failure messages.
[[maybe_unused]] void PrintTo(const DatesCase& c, std::ostream* os) {
    *os << c.label;
}

class ForecastDates : public velmora::testing::DeviceRootTest,
                      public testing::WithParamInterface<DatesCase> {};

TEST_P(ForecastDates, MorningAndAfternoonAreTodayAndTheNineFollowingDays) {
    const QDate today = GetParam().today;
    ASSERT_TRUE(storeTableCity(5, 0));
    // Slots for a wider span than is read, so a wrong date picks a wrong slot instead of none.
    for (QDate d = today.addDays(-3); d <= today.addDays(13); d = d.addDays(1)) {
        ASSERT_TRUE(storeSlot(5, morningValueName(d.year(), d.month(), d.day()), marked(d, 32, 1)));
        ASSERT_TRUE(
            storeSlot(5, afternoonValueName(d.year(), d.month(), d.day()), marked(d, 42, 2)));
    }
    WeatherView view;
    ASSERT_TRUE(LoadWeatherView(view, 0, at(today.year(), today.month(), today.day(), 8)));
    for (int j = 0; j < kForecastDays; ++j) {
        const QDate want = today.addDays(j);
        for (const WeatherSlot* s : {&view.morning[j], &view.afternoon[j]}) {
            EXPECT_EQ(QDate(s->year, s->month, s->day), want) << "day " << j;
        }
        EXPECT_EQ(view.morning[j].code, 32);
        EXPECT_EQ(view.afternoon[j].code, 42);
    }
}

INSTANTIATE_TEST_SUITE_P(Calendar, ForecastDates,
                         testing::Values(DatesCase{"CommonYearFebruary", QDate(2025, 2, 25)},
                                         DatesCase{"LeapYearFebruary", QDate(2024, 2, 25)},
                                         DatesCase{"CenturyFebruary", QDate(2100, 2, 25)},
                                         DatesCase{"IntoJanuary", QDate(2025, 12, 27)},
                                         DatesCase{"LastDayOfYear", QDate(2025, 12, 31)},
                                         DatesCase{"ThirtyDayMonth", QDate(2025, 4, 28)}),
                         [](const auto& info) { return std::string(info.param.label); });

struct CurrentCase {
    const char* label;
    bool hasUpdate;
    SYSTEMTIME updated;
    bool hasCurrent;
    bool hasHourly;
    int expectedIcon; // 30 from "HienTai", 10 from the hourly value, 0 for none
};

// Printed as its label in failure messages.
[[maybe_unused]] void PrintTo(const CurrentCase& c, std::ostream* os) {
    *os << c.label;
}

const SYSTEMTIME kNow = at(2025, 2, 25, 14, 40);

class CurrentSlot : public velmora::testing::DeviceRootTest,
                    public testing::WithParamInterface<CurrentCase> {};

TEST_P(CurrentSlot, ComesFromTheRightValue) {
    const CurrentCase& c = GetParam();
    ASSERT_TRUE(storeTableCity(5, 0));
    if (c.hasUpdate) {
        ASSERT_TRUE(storeUpdateTime(5, c.updated));
    }
    if (c.hasCurrent) {
        ASSERT_TRUE(storeSlot(5, value::currentSlot, marked({2025, 2, 25}, -1, 30)));
    }
    if (c.hasHourly) {
        ASSERT_TRUE(storeSlot(5, "2025022514", marked({2025, 2, 25}, 14, 10)));
    }
    ASSERT_TRUE(storeSlot(5, "2025022513", marked({2025, 2, 25}, 13, 9)));
    WeatherView view;
    ASSERT_TRUE(LoadWeatherView(view, 0, kNow));
    EXPECT_EQ(view.current.icon, c.expectedIcon);
    if (c.hasUpdate) {
        EXPECT_EQ(encodeSystemTime(view.updated), encodeSystemTime(c.updated));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Slots, CurrentSlot,
    testing::Values(
        CurrentCase{"UpdatedThisHour", true, at(2025, 2, 25, 14, 5), true, true, 30},
        CurrentCase{"UpdatedThisHourWithoutHienTai", true, at(2025, 2, 25, 14, 5), false, true, 0},
        CurrentCase{"UpdatedEarlierHour", true, at(2025, 2, 25, 13, 59), true, true, 10},
        CurrentCase{"SameHourOtherDay", true, at(2025, 2, 24, 14, 5), true, true, 10},
        CurrentCase{"SameHourOtherYear", true, at(2024, 2, 25, 14, 5), true, true, 10},
        CurrentCase{"NoUpdateTime", false, {}, true, true, 10},
        CurrentCase{"EarlierHourAndNoHourlyValue", true, at(2025, 2, 25, 12, 0), true, false, 0}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(Loader, UncheckedCityIsNeverShownEvenWhenItIsTheOnlyOne) {
    ASSERT_TRUE(storeTableCity(5, kUncheckedCity));
    ASSERT_TRUE(storeSlot(5, "20250225SA", marked({2025, 2, 25}, 32, 5)));
    for (uint32_t wanted : {0u, 1u, kUncheckedCity, 0xFFFFFFFFu}) {
        WeatherView view;
        view.morning[0].icon = 99;
        EXPECT_FALSE(LoadWeatherView(view, wanted, kNow)) << wanted;
        EXPECT_EQ(view.morning[0].icon, 0);
        EXPECT_TRUE(nameOf(view).isEmpty());
    }
}

TEST_F(Loader, CityIsChosenBySequenceNumberNotByPosition) {
    ASSERT_TRUE(storeTableCity(8, 1, 0)); // Huế
    ASSERT_TRUE(storeTableCity(5, 0, 1)); // Hà Nội
    WeatherView view;
    ASSERT_TRUE(LoadWeatherView(view, 0, kNow));
    EXPECT_EQ(nameOf(view), QStringLiteral("Hà Nội"));
    ASSERT_TRUE(LoadWeatherView(view, 1, kNow));
    EXPECT_EQ(nameOf(view), QStringLiteral("Huế"));
    EXPECT_FALSE(LoadWeatherView(view, 2, kNow));
}

struct UnreadableCsd {
    const char* label;
    std::function<void(const RegistryKey&)> spoil;
};

// Printed as its label in failure messages.
[[maybe_unused]] void PrintTo(const UnreadableCsd& c, std::ostream* os) {
    *os << c.label;
}

class StaleSequenceNumber : public velmora::testing::DeviceRootTest,
                            public testing::WithParamInterface<UnreadableCsd> {};

// A subkey whose "CSD" cannot be read must not match with a value left from elsewhere.
TEST_P(StaleSequenceNumber, UnreadableCsdNeverPicksTheWrongCity) {
    // Huế comes first in the key and has no readable CSD; Hà Nội is the city shown as 0.
    ASSERT_TRUE(storeTableCity(8, 0));
    GetParam().spoil(cityKey(8));
    ASSERT_TRUE(storeTableCity(5, 0));
    WeatherView view;
    ASSERT_TRUE(LoadWeatherView(view, 0, kNow));
    EXPECT_EQ(nameOf(view), QStringLiteral("Hà Nội"));

    // Alone, it is no city at all.
    ASSERT_EQ(RegistryKey::currentUser().deleteKey(kWeatherKeyPath + "\\005"), Status::Success);
    EXPECT_FALSE(LoadWeatherView(view, 0, kNow));
    HourlyWeather hourly;
    EXPECT_FALSE(LoadHourlyWeather(hourly, 0, kNow));
}

INSTANTIATE_TEST_SUITE_P(
    Csd, StaleSequenceNumber,
    testing::Values(
        UnreadableCsd{"Missing",
                      [](const RegistryKey& k) { k.deleteValue(value::sequenceNumber); }},
        UnreadableCsd{"String",
                      [](const RegistryKey& k) { k.setString(value::sequenceNumber, "0"); }},
        UnreadableCsd{"Binary",
                      [](const RegistryKey& k) { k.setBinary(value::sequenceNumber, {}); }}),
    [](const auto& info) { return std::string(info.param.label); });

struct NameCase {
    const char* label;
    std::function<void(const RegistryKey&)> write;
    QString expected;
};

// Printed as its label in failure messages.
[[maybe_unused]] void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.label;
}

class CityName : public velmora::testing::DeviceRootTest,
                 public testing::WithParamInterface<NameCase> {};

TEST_P(CityName, MissingIsEmptyAndUnreadableIsUnnamed) {
    ASSERT_TRUE(storeTableCity(5, 0));
    const RegistryKey city = cityKey(5);
    city.deleteValue(value::nameWritten);
    GetParam().write(city);
    WeatherView view;
    ASSERT_TRUE(LoadWeatherView(view, 0, kNow));
    EXPECT_EQ(nameOf(view), GetParam().expected);
    EXPECT_EQ(view.name[kViewNameWidth - 1], u'\0');
}

const QString kUnnamed = QStringLiteral("<Không tên>");

INSTANTIATE_TEST_SUITE_P(
    Names, CityName,
    testing::Values(
        NameCase{"Missing", [](const RegistryKey&) {}, QString()},
        NameCase{"WrittenAsTEN", [](const RegistryKey& k) { k.setString("TEN", "Vũng Tàu"); },
                 QStringLiteral("Vũng Tàu")},
        NameCase{"LongestThatFits",
                 [](const RegistryKey& k) { k.setString("Ten", QString(49, 'x')); },
                 QString(49, 'x')},
        NameCase{"TooLong", [](const RegistryKey& k) { k.setString("Ten", QString(50, 'x')); },
                 kUnnamed},
        NameCase{"Dword", [](const RegistryKey& k) { k.setDword("Ten", 5); }, kUnnamed},
        NameCase{"Binary", [](const RegistryKey& k) { k.setBinary("Ten", "abc"); }, kUnnamed}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(Loader, WrongSizedSlotValuesStayZeroWhileTheOthersAreRead) {
    ASSERT_TRUE(storeTableCity(5, 0));
    const RegistryKey city = cityKey(5);
    ASSERT_EQ(city.setBinary("20250225SA", encodeSlot(marked({2025, 2, 25}, 32, 3)).left(67)),
              Status::Success);
    ASSERT_EQ(city.setBinary("20250225CH", encodeSlot(marked({2025, 2, 25}, 42, 4)) + "!"),
              Status::Success);
    ASSERT_EQ(city.setString("20250226SA", "không phải dữ liệu"), Status::Success);
    ASSERT_EQ(city.setBinary("20250226CH", QByteArray(kSlotSize, '\xFF')), Status::Success);
    ASSERT_EQ(city.setBinary(value::updateTime, QByteArray(15, '\x07')), Status::Success);
    ASSERT_TRUE(storeSlot(5, "20250227SA", marked({2025, 2, 27}, 32, 6)));
    WeatherView view;
    ASSERT_TRUE(LoadWeatherView(view, 0, kNow));
    EXPECT_EQ(view.morning[0].icon, 0);
    EXPECT_EQ(view.afternoon[0].icon, 0);
    EXPECT_EQ(view.morning[1].icon, 0);
    EXPECT_EQ(view.afternoon[1].icon, -1); // garbled but 68 bytes: read as stored
    EXPECT_EQ(descriptionOf(view.afternoon[1]).size(), kDescriptionWidth);
    EXPECT_EQ(view.updated.wYear, 0);
    EXPECT_EQ(view.morning[2].icon, 6);
}

TEST_F(Loader, HourlyArrayHoldsEveryThirdHourOfToday) {
    ASSERT_TRUE(storeTableCity(5, 0));
    const QDate today(2025, 12, 31);
    for (int h = 0; h < 24; ++h)
        if (h != 6) {
            ASSERT_TRUE(storeSlot(5, hourValueName(2025, 12, 31, h), marked(today, h, h + 1)));
        }
    ASSERT_TRUE(storeSlot(5, hourValueName(2026, 1, 1, 0), marked(today.addDays(1), 0, 40)));
    HourlyWeather hourly;
    hourly[2].icon = 99;
    ASSERT_TRUE(LoadHourlyWeather(hourly, 0, at(2025, 12, 31, 23)));
    for (int i = 0; i < kHourlySlots; ++i) {
        if (i == 2) {
            EXPECT_EQ(hourly[i].icon, 0) << "no 06 h value";
        } else {
            EXPECT_EQ(hourly[i].code, 3 * i);
            EXPECT_EQ(hourly[i].icon, 3 * i + 1);
        }
    }
}

TEST_F(Loader, ShownCityRoundTripsAndIsAbsentAtFirst) {
    EXPECT_FALSE(shownCity().has_value());
    ASSERT_TRUE(setShownCity(3));
    EXPECT_EQ(shownCity(), 3u);
    EXPECT_FALSE(storeCity(33, "X", "vmxx9999", 0, 0));
    EXPECT_FALSE(storeCity(-1, "X", "vmxx9999", 0, 0));
}

} // namespace
