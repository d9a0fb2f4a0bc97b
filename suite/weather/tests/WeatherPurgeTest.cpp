// Tests of deleting the slots of earlier days.
#include "suite/weather/WeatherPurge.h"
#include "VelmoraDay.h"
#include "platform/registry/RegistryKey.h"
#include "platform/testing/DeviceRootTest.h"
#include "suite/weather/WeatherKeys.h"
#include "suite/weather/WeatherStore.h"

using namespace velmora::weather;
using velmora::registry::RegistryKey;
using velmora::registry::Status;

namespace {

class Purge : public velmora::testing::DeviceRootTest {};

TEST_F(Purge, DeletesOnlySlotsOfEarlierDays) {
    ASSERT_TRUE(storeCity(5, QStringLiteral("Hà Nội"), "VMXX0006", 1, 1));
    const QStringList stored{"2024123123", "20241231SA", "20250101CH", "2025010100",
                             "2025010223", "20250102SA", "20250110CH", "HienTai"};
    for (const QString& name : stored) ASSERT_TRUE(storeSlot(5, name, WeatherSlot{}));
    EXPECT_EQ(PurgeWeatherSlots(cityKeyName(5), velmora::systemTime(2025, 1, 2)), 4);

    RegistryKey city;
    ASSERT_EQ(RegistryKey::currentUser().open(kWeatherKeyPath + "\\005", &city), Status::Success);
    QStringList left;
    QString name;
    for (uint32_t i = 0; city.enumValue(i, &name) == Status::Success; ++i) left << name;
    // The city's own values, the current slot and today's and later slots stay.
    EXPECT_EQ(left, QStringList({"TEN", "MTT", "STT", "CSD", "2025010223", "20250102SA",
                                 "20250110CH", "HienTai"}));
}

TEST_F(Purge, MissingCityIsReported) {
    EXPECT_EQ(PurgeWeatherSlots("031", SYSTEMTIME{}), -1);
}

} // namespace
