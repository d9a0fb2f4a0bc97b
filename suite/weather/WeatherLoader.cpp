// Reading the stored forecast of one city out of the registry.
#include "suite/weather/WeatherLoader.h"

#include "suite/weather/SystemTimeBytes.h"
#include "suite/weather/WeatherKeys.h"

#include <algorithm>

namespace velmora::weather {

using registry::RegistryKey;
using registry::Status;

namespace {

const QString kUnnamed = QStringLiteral("<Không tên>");

WeatherSlot readSlot(const RegistryKey& city, const QString& valueName) {
    QByteArray bytes;
    if (city.getBinary(valueName, &bytes) != Status::Success) return WeatherSlot{};
    return decodeSlot(bytes);
}

// The city's name: empty when absent, kUnnamed when present but not a string that fits.
QString readName(const RegistryKey& city) {
    QString text;
    switch (city.getString(value::nameRead, &text)) {
    case Status::Success:
        return text.size() < kViewNameWidth ? text : kUnnamed;
    case Status::NotFound:
        return {};
    default:
        return kUnnamed;
    }
}

struct Date {
    int year, month, day;
};

Date nextDay(Date d) {
    if (++d.day > SoNgayCuaThang(d.month, d.year)) {
        d.day = 1;
        if (++d.month > 12) {
            d.month = 1;
            ++d.year;
        }
    }
    return d;
}

} // namespace

std::optional<RegistryKey> findCityKey(uint32_t sequenceNumber) {
    if (sequenceNumber >= kUncheckedCity) return std::nullopt;
    RegistryKey weather;
    if (RegistryKey::currentUser().open(kWeatherKeyPath, &weather) != Status::Success)
        return std::nullopt;
    QString name;
    for (uint32_t i = 0; weather.enumKey(i, &name) == Status::Success; ++i) {
        RegistryKey city;
        uint32_t csd = 0;
        // Each subkey answers for itself: an unreadable "CSD" is no match, never the last one read.
        if (weather.open(name, &city) == Status::Success &&
            city.getDword(value::sequenceNumber, &csd) == Status::Success && csd == sequenceNumber)
            return city;
    }
    return std::nullopt;
}

bool LoadWeatherView(WeatherView& view, uint32_t sequenceNumber, const SYSTEMTIME& now) {
    view = WeatherView{};
    const std::optional<RegistryKey> city = findCityKey(sequenceNumber);
    if (!city) return false;

    const QString name = readName(*city);
    std::copy_n(reinterpret_cast<const char16_t*>(name.utf16()), name.size(), view.name);

    QByteArray bytes;
    if (city->getBinary(value::updateTime, &bytes) == Status::Success)
        view.updated = decodeSystemTime(bytes);

    const SYSTEMTIME& u = view.updated;
    const bool updatedThisHour = u.wYear == now.wYear && u.wMonth == now.wMonth &&
                                 u.wDay == now.wDay && u.wHour == now.wHour;
    view.current = readSlot(*city, updatedThisHour
                                       ? value::currentSlot
                                       : hourValueName(now.wYear, now.wMonth, now.wDay, now.wHour));

    Date d{now.wYear, now.wMonth, now.wDay};
    for (int j = 0; j < kForecastDays; ++j, d = nextDay(d)) {
        view.morning[j] = readSlot(*city, morningValueName(d.year, d.month, d.day));
        view.afternoon[j] = readSlot(*city, afternoonValueName(d.year, d.month, d.day));
    }
    return true;
}

bool LoadHourlyWeather(HourlyWeather& hourly, uint32_t sequenceNumber, const SYSTEMTIME& now) {
    hourly.fill(WeatherSlot{});
    const std::optional<RegistryKey> city = findCityKey(sequenceNumber);
    if (!city) return false;
    for (int i = 0; i < kHourlySlots; ++i)
        hourly[i] = readSlot(*city, hourValueName(now.wYear, now.wMonth, now.wDay, 3 * i));
    return true;
}

} // namespace velmora::weather
