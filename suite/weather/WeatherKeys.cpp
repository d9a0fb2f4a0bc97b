// Formatting the names of the city subkeys and the dated slot values.
#include "suite/weather/WeatherKeys.h"

namespace velmora::weather {

namespace {
QString dateName(int year, int month, int day) {
    return QStringLiteral("%1%2%3")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}
} // namespace

QString cityKeyName(int cityIndex) {
    return QStringLiteral("%1").arg(cityIndex, 3, 10, QLatin1Char('0'));
}

QString hourValueName(int year, int month, int day, int hour) {
    return dateName(year, month, day) + QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0'));
}

QString morningValueName(int year, int month, int day) {
    return dateName(year, month, day) + QStringLiteral("SA");
}

QString afternoonValueName(int year, int month, int day) {
    return dateName(year, month, day) + QStringLiteral("CH");
}

} // namespace velmora::weather
