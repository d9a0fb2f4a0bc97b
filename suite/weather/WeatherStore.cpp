// Writing a city's stored forecast and the shown city into the registry.
#include "suite/weather/WeatherStore.h"

#include "suite/weather/CityTable.h"
#include "suite/weather/SystemTimeBytes.h"
#include "suite/weather/WeatherKeys.h"

#include "platform/registry/RegistryKey.h"

namespace velmora::weather {

using registry::RegistryKey;
using registry::Status;

namespace {

std::optional<RegistryKey> openForWriting(const QString& subPath) {
    RegistryKey key;
    if (RegistryKey::currentUser().create(subPath, &key) != Status::Success) return std::nullopt;
    return key;
}

std::optional<RegistryKey> cityKey(int cityIndex) {
    if (cityIndex < 0 || cityIndex >= kCityCount) return std::nullopt;
    return openForWriting(kWeatherKeyPath + QLatin1Char('\\') + cityKeyName(cityIndex));
}

} // namespace

bool storeCity(int cityIndex, const QString& name, const QString& code, uint32_t stt,
               uint32_t csd) {
    const std::optional<RegistryKey> city = cityKey(cityIndex);
    return city && city->setString(value::nameWritten, name) == Status::Success &&
           city->setString(value::code, code) == Status::Success &&
           city->setDword(value::listPosition, stt) == Status::Success &&
           city->setDword(value::sequenceNumber, csd) == Status::Success;
}

bool storeSlot(int cityIndex, const QString& valueName, const WeatherSlot& slot) {
    const std::optional<RegistryKey> city = cityKey(cityIndex);
    return city && city->setBinary(valueName, encodeSlot(slot)) == Status::Success;
}

bool storeUpdateTime(int cityIndex, const SYSTEMTIME& time) {
    const std::optional<RegistryKey> city = cityKey(cityIndex);
    return city && city->setBinary(value::updateTime, encodeSystemTime(time)) == Status::Success;
}

bool setShownCity(uint32_t csd) {
    const std::optional<RegistryKey> weather = openForWriting(kWeatherKeyPath);
    return weather && weather->setDword(value::shownCity, csd) == Status::Success;
}

std::optional<uint32_t> shownCity() {
    RegistryKey weather;
    uint32_t csd = 0;
    if (RegistryKey::currentUser().open(kWeatherKeyPath, &weather) != Status::Success ||
        weather.getDword(value::shownCity, &csd) != Status::Success)
        return std::nullopt;
    return csd;
}

} // namespace velmora::weather
