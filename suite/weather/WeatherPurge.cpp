// Deleting the stored slots of earlier days.
#include "suite/weather/WeatherPurge.h"

#include "platform/registry/RegistryKey.h"
#include "suite/weather/WeatherKeys.h"

#include <QStringList>

namespace velmora::weather {

using registry::RegistryKey;
using registry::Status;

int PurgeWeatherSlots(const QString& cityKey, const SYSTEMTIME& today) {
    RegistryKey city;
    if (RegistryKey::currentUser().open(kWeatherKeyPath + QLatin1Char('\\') + cityKey, &city) !=
        Status::Success)
        return -1;
    const QString todayText = QStringLiteral("%1%2%3")
                                  .arg(today.wYear, 4, 10, QLatin1Char('0'))
                                  .arg(today.wMonth, 2, 10, QLatin1Char('0'))
                                  .arg(today.wDay, 2, 10, QLatin1Char('0'));
    // Collected first: deleting while enumerating by index would skip values.
    QStringList old;
    QString name;
    for (uint32_t i = 0; city.enumValue(i, &name) == Status::Success; ++i)
        if (!name.isEmpty() && name.left(19) < todayText) old << name;
    int deleted = 0;
    for (const QString& value : old)
        if (city.deleteValue(value) == Status::Success) ++deleted;
    return deleted;
}

} // namespace velmora::weather
