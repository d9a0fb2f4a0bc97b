// The device clock, with its zone and offset kept in a small file under the device root.
#include "platform/device/DeviceClock.h"

#include "platform/device/DeviceRoot.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <atomic>
#include <cstdio>

namespace velmora::device {
namespace {

constexpr int defaultZone = 7;

struct ClockSettings {
    int zoneHours = defaultZone;
    qint64 offsetMs = 0;
};

QString settingsPath() {
    return deviceRoot() + QStringLiteral("/clock.conf");
}

// "zone=7" and "offset-ms=123" lines; anything unreadable leaves the default.
ClockSettings readSettings() {
    ClockSettings s;
    QFile file(settingsPath());
    if (!file.open(QIODevice::ReadOnly)) return s;
    const QList<QByteArray> lines = file.read(4096).split('\n');
    for (const QByteArray& line : lines) {
        const qsizetype eq = line.indexOf('=');
        if (eq < 0) continue;
        const QByteArray key = line.left(eq).trimmed();
        bool ok = false;
        if (key == "zone") {
            const int zone = line.mid(eq + 1).trimmed().toInt(&ok);
            if (ok && zone >= -12 && zone <= 14) s.zoneHours = zone;
        } else if (key == "offset-ms") {
            const qint64 offset = line.mid(eq + 1).trimmed().toLongLong(&ok);
            if (ok) s.offsetMs = offset;
        }
    }
    return s;
}

// Written whole and renamed over the old file, so a reader never sees half of it.
bool writeSettings(const ClockSettings& s) {
    if (!QDir().mkpath(deviceRoot())) return false;
    QSaveFile file(settingsPath());
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(QByteArray("zone=") + QByteArray::number(s.zoneHours) + "\n");
    file.write(QByteArray("offset-ms=") + QByteArray::number(s.offsetMs) + "\n");
    return file.commit();
}

QDateTime wallFields(const QDateTime& t) {
    return QDateTime(t.date(), t.time(), Qt::UTC);
}

} // namespace

std::optional<QDateTime> frozenNow() {
    const QString value = qEnvironmentVariable("VELMORA_NOW");
    if (value.isEmpty()) return std::nullopt;
    for (const char* format : {"yyyy-MM-ddTHH:mm:ss", "yyyy-MM-ddTHH:mm"}) {
        QDateTime t = QDateTime::fromString(value, QLatin1String(format));
        if (t.isValid()) return wallFields(t);
    }
    static std::atomic_bool warned{false};
    if (!warned.exchange(true)) {
        std::fprintf(stderr, "VELMORA_NOW=%s is not YYYY-MM-DDTHH:MM[:SS]; the clock runs\n",
                     value.toUtf8().constData());
    }
    return std::nullopt;
}

QDateTime localNow() {
    if (const auto frozen = frozenNow()) return *frozen;
    const ClockSettings s = readSettings();
    const QDateTime utc = QDateTime::currentDateTimeUtc();
    return utc.addMSecs(qint64(s.zoneHours) * 3600 * 1000 + s.offsetMs);
}

SYSTEMTIME localSystemTime() {
    const QDateTime t = localNow();
    SYSTEMTIME st{};
    st.wYear = static_cast<uint16_t>(t.date().year());
    st.wMonth = static_cast<uint16_t>(t.date().month());
    st.wDayOfWeek = static_cast<uint16_t>(t.date().dayOfWeek() % 7);
    st.wDay = static_cast<uint16_t>(t.date().day());
    st.wHour = static_cast<uint16_t>(t.time().hour());
    st.wMinute = static_cast<uint16_t>(t.time().minute());
    st.wSecond = static_cast<uint16_t>(t.time().second());
    st.wMilliseconds = static_cast<uint16_t>(t.time().msec());
    return st;
}

bool setLocalTime(const QDateTime& deviceLocal) {
    if (frozenNow() || !deviceLocal.isValid()) return false;
    ClockSettings s = readSettings();
    const QDateTime hostLocal =
        QDateTime::currentDateTimeUtc().addMSecs(qint64(s.zoneHours) * 3600 * 1000);
    s.offsetMs = hostLocal.msecsTo(wallFields(deviceLocal));
    return writeSettings(s);
}

bool setSystemTime(const QDateTime& utc) {
    if (!utc.isValid()) return false;
    const QDateTime inZone = utc.toUTC().addSecs(qint64(zoneHours()) * 3600);
    return setLocalTime(wallFields(inZone));
}

int zoneHours() {
    return readSettings().zoneHours;
}

bool setZoneHours(int hours) {
    if (hours < -12 || hours > 14) return false;
    ClockSettings s = readSettings();
    s.zoneHours = hours;
    return writeSettings(s);
}

} // namespace velmora::device
