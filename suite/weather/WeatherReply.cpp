// Scanning the reply's lines and storing their slots in one registry transaction.
#include "suite/weather/WeatherReply.h"

#include "suite/weather/SystemTimeBytes.h"
#include "suite/weather/WeatherKeys.h"

#include "platform/registry/RegistryKey.h"

#include <QStringList>
#include <array>
#include <limits>

namespace velmora::weather {

using registry::RegistryKey;
using registry::Status;

namespace {

constexpr int kNumberFields = 11;
constexpr int8_t kNotAvailableIcon = 44; // the feed's "not available", stored as no icon

// The eleven numbers of a line in reply order, with the slot field each fills.
int8_t WeatherSlot::*const kLineFields[kNumberFields] = {
    &WeatherSlot::code,          &WeatherSlot::day,
    &WeatherSlot::month,         &WeatherSlot::icon,
    &WeatherSlot::temperature,   &WeatherSlot::humidity,
    &WeatherSlot::windDirection, &WeatherSlot::windSpeed,
    &WeatherSlot::visibility,    &WeatherSlot::highTemperature,
    &WeatherSlot::dewPoint};

// An optional sign and at least one digit, the whole field; nullopt otherwise or beyond a byte.
std::optional<int8_t> byteField(QStringView text) {
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) ++i;
    if (i == text.size()) return std::nullopt;
    for (qsizetype j = i; j < text.size(); ++j)
        if (text[j] < u'0' || text[j] > u'9') return std::nullopt;
    if (text.size() - i > 4) return std::nullopt; // far outside a byte; avoids overflow
    const int value = text.toInt();
    if (value < std::numeric_limits<int8_t>::min() || value > std::numeric_limits<int8_t>::max())
        return std::nullopt;
    return static_cast<int8_t>(value);
}

} // namespace

std::optional<WeatherSlot> parseReplyLine(const QString& line, const SYSTEMTIME& now) {
    WeatherSlot slot{};
    qsizetype start = 0;
    for (int field = 0; field < kNumberFields; ++field) {
        const qsizetype bar = line.indexOf(u'|', start);
        if (bar < 0) return std::nullopt;
        const std::optional<int8_t> value = byteField(QStringView(line).mid(start, bar - start));
        if (!value) return std::nullopt;
        slot.*kLineFields[field] = *value;
        start = bar + 1;
    }
    // The description is one word: everything up to the first white space (a trailing CR too).
    qsizetype end = start;
    while (end < line.size() && !line[end].isSpace()) ++end;
    if (end == start) return std::nullopt;
    setDescription(slot, line.mid(start, end - start));

    if (slot.icon == kNotAvailableIcon) slot.icon = 0;
    if (slot.icon <= 0) return std::nullopt;
    // A January line read in December belongs to the coming year.
    slot.year = now.wYear + (slot.month == 1 && now.wMonth == 12 ? 1 : 0);
    return slot;
}

QString slotValueName(const WeatherSlot& slot) {
    if (slot.code < 0) return value::currentSlot;
    if (slot.code <= 23) return hourValueName(slot.year, slot.month, slot.day, slot.code);
    if (slot.code >= 31 && slot.code <= 39)
        return morningValueName(slot.year, slot.month, slot.day);
    if (slot.code >= 41 && slot.code <= 49)
        return afternoonValueName(slot.year, slot.month, slot.day);
    return {};
}

int StoreWeatherReply(const QString& reply, const QString& cityKey, const SYSTEMTIME& now) {
    RegistryKey city;
    if (RegistryKey::currentUser().create(kWeatherKeyPath + QLatin1Char('\\') + cityKey, &city) !=
        Status::Success)
        return -1;

    int stored = 0;
    const Status s = city.transaction([&] {
        const QStringList lines = reply.split(u'\n');
        for (qsizetype index = 1; index < lines.size(); ++index) {
            QString line = lines[index];
            if (line.endsWith(u'\r')) line.chop(1); // a reply written with CR LF
            // A line cut short would be stored half-read; it is skipped instead.
            if (line.size() > kReplyLineLimit) continue;
            line.replace(u' ', u'_');
            const std::optional<WeatherSlot> slot = parseReplyLine(line, now);
            if (!slot) continue;
            if (index == 1) {
                const Status t = city.setBinary(value::updateTime, encodeSystemTime(now));
                if (t != Status::Success) return t;
            }
            const QString name = slotValueName(*slot);
            if (name.isEmpty()) continue;
            const Status t = city.setBinary(name, encodeSlot(*slot));
            if (t != Status::Success) return t;
            ++stored;
        }
        return Status::Success;
    });
    return s == Status::Success ? stored : -1;
}

} // namespace velmora::weather
