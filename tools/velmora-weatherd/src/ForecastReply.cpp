// Reading the API's arrays and writing the item's line format.
#include "tools/velmora-weatherd/src/ForecastReply.h"

#include "tools/velmora-weatherd/src/WeatherCodes.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QUrl>
#include <QUrlQuery>
#include <algorithm>
#include <cmath>
#include <vector>

namespace velmora::weatherd {
namespace {

constexpr int kUnknown = -128; // the item's "unknown" temperature and humidity

using Number = std::optional<double>;

Number numberAt(const QJsonArray& values, qsizetype i) {
    if (i < 0 || i >= values.size() || !values[i].isDouble()) return std::nullopt;
    return values[i].toDouble();
}

Number numberOf(const QJsonObject& object, const char* name) {
    const QJsonValue v = object.value(QLatin1String(name));
    return v.isDouble() ? Number(v.toDouble()) : std::nullopt;
}

// Rounded half away from zero and held to [lo, hi]; `missing` when there is no value.
int whole(Number v, int lo, int hi, int missing) {
    if (!v || !std::isfinite(*v)) return missing;
    return std::clamp(int(std::lround(*v)), lo, hi);
}

// A WMO code 0..99; -1 for a missing or impossible one, which the item shows as not available.
int wmoOf(Number v) {
    if (!v || !std::isfinite(*v)) return -1;
    const long c = std::lround(*v);
    return c >= 0 && c <= 99 ? int(c) : -1;
}

// "YYYY-MM-DDTHH:MM" read as wall-clock fields, never through the host's time zone.
struct Stamp {
    QDate date;
    int hour = -1;
    bool isValid() const { return date.isValid() && hour >= 0 && hour < 24; }
};

Stamp stampOf(const QString& text) {
    Stamp s;
    s.date = QDate::fromString(text.left(10), Qt::ISODate);
    bool ok = false;
    if (text.size() >= 13 && text[10] == u'T') s.hour = text.mid(11, 2).toInt(&ok);
    if (!ok) s.hour = -1;
    return s;
}

Number mean(const std::vector<double>& values) {
    if (values.empty()) return std::nullopt;
    double sum = 0;
    for (double v : values) sum += v;
    return sum / double(values.size());
}

// The 16 compass points from north (0) clockwise, as the programs' direction names count them;
// calm or unknown wind has none (0, which also stands for north).
int directionIndex(Number degrees, Number speed) {
    if (!degrees || !speed || *speed < 0.5) return 0;
    return int(std::lround(std::fmod(std::fmod(*degrees, 360.0) + 360.0, 360.0) / 22.5)) % 16;
}

struct Line {
    int code = 0;
    QDate date;
    int wmo = -1;
    bool isDay = true;
    Number temperature, humidity, direction, speed, visibility, highest, dewPoint;

    QString text() const {
        const QList<int> numbers{
            code,
            date.day(),
            date.month(),
            iconFor(wmo, isDay),
            whole(temperature, -127, 127, kUnknown),
            whole(humidity, 0, 100, kUnknown),
            directionIndex(direction, speed),
            whole(speed, 0, 127, 0),
            // Metres to tenths of a kilometre, at most what a byte holds (12.7 km).
            whole(visibility ? Number(*visibility / 100.0) : std::nullopt, 0, 127, 0),
            whole(highest, -127, 127, kUnknown),
            whole(dewPoint, -127, 127, kUnknown),
        };
        QStringList fields;
        for (int n : numbers) fields << QString::number(n);
        fields << QString::fromUtf16(descriptionFor(wmo));
        return fields.join(u'|') + u'\n';
    }
};

// The API's hourly block: each array indexed like "time".
struct Hourly {
    QJsonObject block;
    std::vector<Stamp> times;

    explicit Hourly(const QJsonObject& h) : block(h) {
        for (const QJsonValue& t : h.value(QLatin1String("time")).toArray())
            times.push_back(stampOf(t.toString()));
    }
    QJsonArray array(const char* name) const { return block.value(QLatin1String(name)).toArray(); }
    Number at(const char* name, qsizetype i) const { return numberAt(array(name), i); }
    qsizetype indexOf(QDate date, int hour) const {
        for (size_t i = 0; i < times.size(); ++i)
            if (times[i].date == date && times[i].hour == hour) return qsizetype(i);
        return -1;
    }
};

struct Daily {
    QJsonObject block;
    std::vector<QDate> days;

    explicit Daily(const QJsonObject& d) : block(d) {
        for (const QJsonValue& t : d.value(QLatin1String("time")).toArray())
            days.push_back(QDate::fromString(t.toString(), Qt::ISODate));
    }
    Number at(const char* name, QDate date) const {
        const auto it = std::find(days.begin(), days.end(), date);
        return it == days.end()
                   ? std::nullopt
                   : numberAt(block.value(QLatin1String(name)).toArray(), it - days.begin());
    }
};

Line hourLine(const Hourly& hourly, const Daily& daily, qsizetype i) {
    Line line;
    line.code = hourly.times[size_t(i)].hour;
    line.date = hourly.times[size_t(i)].date;
    line.wmo = wmoOf(hourly.at("weather_code", i));
    line.isDay = hourly.at("is_day", i).value_or(1) != 0;
    line.temperature = hourly.at("temperature_2m", i);
    line.humidity = hourly.at("relative_humidity_2m", i);
    line.direction = hourly.at("wind_direction_10m", i);
    line.speed = hourly.at("wind_speed_10m", i);
    line.visibility = hourly.at("visibility", i);
    line.highest = daily.at("temperature_2m_max", line.date);
    line.dewPoint = hourly.at("dew_point_2m", i);
    return line;
}

// A morning (hours 6..11) or afternoon (12..17): the most severe weather of its hours (the
// higher WMO codes are the more severe, as the API's own daily code is chosen), the day's low
// in the morning and high in the afternoon, the mean humidity, visibility and dew point, and the
// wind at its middle hour.
Line halfDayLine(const Hourly& hourly, const Daily& daily, QDate date, bool afternoon) {
    const int first = afternoon ? 12 : 6;
    Line line;
    line.code = (afternoon ? 42 : 32) + date.dayOfWeek() - 1;
    line.date = date;
    std::vector<double> humidity, visibility, dew;
    for (int hour = first; hour < first + 6; ++hour) {
        const qsizetype i = hourly.indexOf(date, hour);
        if (i < 0) continue;
        line.wmo = std::max(line.wmo, wmoOf(hourly.at("weather_code", i)));
        if (const Number v = hourly.at("relative_humidity_2m", i)) humidity.push_back(*v);
        if (const Number v = hourly.at("visibility", i)) visibility.push_back(*v);
        if (const Number v = hourly.at("dew_point_2m", i)) dew.push_back(*v);
    }
    if (line.wmo < 0) line.wmo = wmoOf(daily.at("weather_code", date));
    line.temperature = daily.at(afternoon ? "temperature_2m_max" : "temperature_2m_min", date);
    line.humidity = mean(humidity);
    line.visibility = mean(visibility);
    line.dewPoint = mean(dew);
    line.highest = daily.at("temperature_2m_max", date);
    const qsizetype middle = hourly.indexOf(date, first + 3);
    line.direction = hourly.at("wind_direction_10m", middle);
    line.speed = hourly.at("wind_speed_10m", middle);
    return line;
}

} // namespace

QString forecastQuery(double latitude, double longitude) {
    const QString values =
        QStringLiteral("temperature_2m,relative_humidity_2m,dew_point_2m,is_day,"
                       "weather_code,wind_speed_10m,wind_direction_10m,visibility");
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("latitude"), QString::number(latitude, 'f', 2));
    query.addQueryItem(QStringLiteral("longitude"), QString::number(longitude, 'f', 2));
    query.addQueryItem(QStringLiteral("current"), values);
    query.addQueryItem(QStringLiteral("hourly"), values);
    query.addQueryItem(QStringLiteral("daily"),
                       QStringLiteral("weather_code,temperature_2m_max,temperature_2m_min"));
    query.addQueryItem(QStringLiteral("timezone"),
                       QString::fromLatin1(QUrl::toPercentEncoding("Asia/Ho_Chi_Minh")));
    query.addQueryItem(QStringLiteral("forecast_days"), QStringLiteral("10"));
    return query.toString(QUrl::FullyEncoded);
}

std::optional<QString> composeReply(const QByteArray& apiJson, const QString& code) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(apiJson, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) return std::nullopt;
    const QJsonObject root = doc.object();
    const QJsonObject current = root.value(QLatin1String("current")).toObject();
    const QString nowText = current.value(QLatin1String("time")).toString();
    const Stamp now = stampOf(nowText);
    if (!now.isValid()) return std::nullopt;
    const Hourly hourly(root.value(QLatin1String("hourly")).toObject());
    const Daily daily(root.value(QLatin1String("daily")).toObject());

    QString reply = QStringLiteral("VELMORA|%1|%2\n").arg(code.toLower(), nowText);

    Line present;
    present.code = -1;
    present.date = now.date;
    present.wmo = wmoOf(numberOf(current, "weather_code"));
    present.isDay = numberOf(current, "is_day").value_or(1) != 0;
    present.temperature = numberOf(current, "temperature_2m");
    present.humidity = numberOf(current, "relative_humidity_2m");
    present.direction = numberOf(current, "wind_direction_10m");
    present.speed = numberOf(current, "wind_speed_10m");
    present.visibility = numberOf(current, "visibility");
    present.highest = daily.at("temperature_2m_max", now.date);
    present.dewPoint = numberOf(current, "dew_point_2m");
    reply += present.text();

    for (size_t i = 0; i < hourly.times.size(); ++i) {
        const Stamp& t = hourly.times[i];
        if (t.isValid() && (t.date == now.date || t.date == now.date.addDays(1)))
            reply += hourLine(hourly, daily, qsizetype(i)).text();
    }
    for (const QDate& date : daily.days) {
        if (!date.isValid()) continue;
        reply += halfDayLine(hourly, daily, date, false).text();
        reply += halfDayLine(hourly, daily, date, true).text();
    }
    return reply;
}

} // namespace velmora::weatherd
