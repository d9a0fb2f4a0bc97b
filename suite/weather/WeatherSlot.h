// One stored weather observation or forecast (68 bytes) and its exact little-endian byte form.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace velmora::weather {

inline constexpr int8_t kUnknownValue = -128; // temperature or humidity not known
inline constexpr int kDescriptionWidth = 26;  // characters, terminator included

struct WeatherSlot {
    int32_t year;           // year of the slot's date
    int8_t code;            // <0 current; 0..23 hour; 31..39 morning; 41..49 afternoon
    int8_t day;             // 1..31
    int8_t month;           // 1..12
    int8_t icon;            // 1..47; 0 = none
    int8_t temperature;     // °C; kUnknownValue = unknown
    int8_t reserved;        // never written by the parser, never read
    int8_t humidity;        // percent; kUnknownValue = unknown
    int8_t windDirection;   // index into the direction names; below 1 = none
    int8_t windSpeed;       // km/h
    int8_t visibility;      // tenths of a kilometre
    int8_t highTemperature; // °C
    int8_t dewPoint;        // °C
    char16_t description[kDescriptionWidth]; // "_" for spaces; terminated unless it fills the width
};

inline constexpr int kSlotSize = 68;
static_assert(std::is_standard_layout_v<WeatherSlot> && std::is_trivially_copyable_v<WeatherSlot>);
static_assert(sizeof(WeatherSlot) == kSlotSize);
static_assert(offsetof(WeatherSlot, code) == 4 && offsetof(WeatherSlot, day) == 5 &&
              offsetof(WeatherSlot, month) == 6 && offsetof(WeatherSlot, icon) == 7 &&
              offsetof(WeatherSlot, temperature) == 8 && offsetof(WeatherSlot, reserved) == 9 &&
              offsetof(WeatherSlot, humidity) == 10 && offsetof(WeatherSlot, windDirection) == 11 &&
              offsetof(WeatherSlot, windSpeed) == 12 && offsetof(WeatherSlot, visibility) == 13 &&
              offsetof(WeatherSlot, highTemperature) == 14 &&
              offsetof(WeatherSlot, dewPoint) == 15 && offsetof(WeatherSlot, description) == 16);

// The slot stored in bytes: all zero unless bytes is exactly 68 long. The description keeps what
// precedes its first terminator (all 26 characters when it has none); the rest is zeroed.
WeatherSlot decodeSlot(const QByteArray& bytes);
// The 68 stored bytes of slot.
QByteArray encodeSlot(const WeatherSlot& slot);

// The description as text, never reading past its width.
QString descriptionOf(const WeatherSlot& slot);
// Sets the description, cut to 25 characters so that it stays terminated.
void setDescription(WeatherSlot& slot, const QString& text);

} // namespace velmora::weather
