// Tests of the server's two tables: the places against the programs' city table, and the
// weather codes against the codes the forecast API documents.
#include "tools/velmora-weatherd/src/CityCoordinates.h"
#include "tools/velmora-weatherd/src/WeatherCodes.h"

#include "suite/weather/CityTable.h"
#include "suite/weather/WeatherSlot.h"

#include <gtest/gtest.h>
#include <set>

using namespace velmora::weatherd;

namespace {

TEST(CityPoints, AreThePlacesOfTheProgramsCityTable) {
    const auto& table = velmora::weather::cityTable();
    ASSERT_EQ(cityPoints().size(), table.size());
    for (size_t i = 0; i < table.size(); ++i) {
        const CityPoint& p = cityPoints()[i];
        EXPECT_EQ(QString::fromLatin1(p.code), QString::fromUtf16(table[i].code));
        EXPECT_EQ(QString::fromUtf16(p.name), QString::fromUtf16(table[i].name));
        EXPECT_DOUBLE_EQ(p.latitude, table[i].lat) << p.code;
        EXPECT_DOUBLE_EQ(p.longitude, table[i].lon) << p.code;
        // Inside Vietnam's land and sea area.
        EXPECT_TRUE(p.latitude > 8 && p.latitude < 24 && p.longitude > 102 && p.longitude < 118);
    }
}

TEST(CityPoints, AreFoundCaseBlindAndOnlyByWholeCode) {
    EXPECT_EQ(QString::fromUtf16(cityByCode("VMXX0006")->name), QStringLiteral("Hà Nội"));
    for (const char* code : {"vmxx0021", "vmxx006", "vmxx00060", "", " vmxx0006", "vmxx0035"})
        EXPECT_FALSE(cityByCode(QString::fromLatin1(code))) << code;
}

// The codes the API documents for "weather_code" (WMO 4677 as the API uses it).
const std::set<int> kDocumentedCodes{0,  1,  2,  3,  45, 48, 51, 53, 55, 56, 57, 61, 63, 65,
                                     66, 67, 71, 73, 75, 77, 80, 81, 82, 85, 86, 95, 96, 99};

TEST(WeatherCodes, EveryDocumentedCodeHasAnIconTheItemKeeps) {
    std::set<int> seen;
    for (const WeatherCodeRow& row : weatherCodeRows()) {
        EXPECT_TRUE(seen.insert(row.wmo).second) << "twice: " << row.wmo;
        for (int icon : {row.dayIcon, row.nightIcon}) {
            EXPECT_GE(icon, 1) << row.wmo;
            EXPECT_LE(icon, 47) << row.wmo;
            EXPECT_NE(icon, kNotAvailableIcon) << row.wmo; // the item would drop the line
        }
        // Stored whole in the slot's description.
        EXPECT_LT(QString::fromUtf16(row.text).size(), velmora::weather::kDescriptionWidth);
    }
    EXPECT_EQ(seen, kDocumentedCodes);
}

TEST(WeatherCodes, NightIconsDifferOnlyWhereTheSkyShows) {
    // Clear, mainly clear and partly cloudy: the feed's night icons (31, 33, 29) show a moon.
    EXPECT_EQ(iconFor(0, true), 32);
    EXPECT_EQ(iconFor(0, false), 31);
    EXPECT_EQ(iconFor(1, false), 33);
    EXPECT_EQ(iconFor(2, false), 29);
    EXPECT_EQ(iconFor(95, false), iconFor(95, true));
}

TEST(WeatherCodes, UnknownOrMissingCodesAreNotAvailable) {
    for (int code : {-1, 4, 50, 100, 255}) {
        EXPECT_EQ(iconFor(code, true), kNotAvailableIcon) << code;
        EXPECT_EQ(QString::fromUtf16(descriptionFor(code)), QStringLiteral("Không có số liệu"));
    }
}

} // namespace
