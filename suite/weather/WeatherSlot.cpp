// Decoding and encoding the stored form of a weather slot.
#include "suite/weather/WeatherSlot.h"

#include <QtEndian>
#include <algorithm>

namespace velmora::weather {

namespace {
// The single-byte fields, in stored order from offset 4.
int8_t WeatherSlot::*const kByteFields[] = {&WeatherSlot::code,
                                            &WeatherSlot::day,
                                            &WeatherSlot::month,
                                            &WeatherSlot::icon,
                                            &WeatherSlot::temperature,
                                            &WeatherSlot::reserved,
                                            &WeatherSlot::humidity,
                                            &WeatherSlot::windDirection,
                                            &WeatherSlot::windSpeed,
                                            &WeatherSlot::visibility,
                                            &WeatherSlot::highTemperature,
                                            &WeatherSlot::dewPoint};
constexpr int kDescriptionOffset = 16;
} // namespace

WeatherSlot decodeSlot(const QByteArray& bytes) {
    WeatherSlot slot{};
    if (bytes.size() != kSlotSize) return slot;
    const char* p = bytes.constData();
    slot.year = qFromLittleEndian<qint32>(p);
    int offset = 4;
    for (auto field : kByteFields) slot.*field = static_cast<int8_t>(p[offset++]);
    for (int i = 0; i < kDescriptionWidth; ++i) {
        const char16_t c = qFromLittleEndian<quint16>(p + kDescriptionOffset + 2 * i);
        if (c == 0) break;
        slot.description[i] = c;
    }
    return slot;
}

QByteArray encodeSlot(const WeatherSlot& slot) {
    QByteArray bytes(kSlotSize, '\0');
    char* p = bytes.data();
    qToLittleEndian<qint32>(slot.year, p);
    int offset = 4;
    for (auto field : kByteFields) p[offset++] = static_cast<char>(slot.*field);
    for (int i = 0; i < kDescriptionWidth; ++i)
        qToLittleEndian<quint16>(slot.description[i], p + kDescriptionOffset + 2 * i);
    return bytes;
}

QString descriptionOf(const WeatherSlot& slot) {
    const char16_t* begin = slot.description;
    const char16_t* end = std::find(begin, begin + kDescriptionWidth, u'\0');
    return QString::fromUtf16(begin, end - begin);
}

void setDescription(WeatherSlot& slot, const QString& text) {
    std::fill(std::begin(slot.description), std::end(slot.description), u'\0');
    const qsizetype n = std::min<qsizetype>(text.size(), kDescriptionWidth - 1);
    std::copy_n(reinterpret_cast<const char16_t*>(text.utf16()), n, slot.description);
}

} // namespace velmora::weather
