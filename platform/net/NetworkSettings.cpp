// The device's network settings in its registry.
#include "platform/net/NetworkSettings.h"

#include "platform/registry/RegistryKey.h"

#include <algorithm>

namespace velmora::net {

using registry::RegistryKey;
using registry::Status;

namespace {

const QString kNetworkKey = QStringLiteral("Device\\Network");
const QString kDestinationsKey = QStringLiteral("Device\\Network\\Destinations");

QString storedString(const QString& name) {
    RegistryKey key;
    QString text;
    if (RegistryKey::currentUser().open(kNetworkKey, &key) != Status::Success ||
        key.getString(name, &text) != Status::Success)
        return {};
    return text.trimmed();
}

bool storeString(const QString& name, const QString& text) {
    RegistryKey key;
    return RegistryKey::currentUser().create(kNetworkKey, &key) == Status::Success &&
           key.setString(name, text) == Status::Success;
}

} // namespace

std::vector<Destination> destinations() {
    std::vector<Destination> list;
    RegistryKey key;
    if (RegistryKey::currentUser().open(kDestinationsKey, &key) == Status::Success) {
        QString name;
        for (uint32_t i = 0; key.enumKey(i, &name) == Status::Success; ++i) {
            RegistryKey entry;
            Destination d;
            if (key.open(name, &entry) != Status::Success ||
                entry.getString(QStringLiteral("Description"), &d.description) != Status::Success)
                continue;
            entry.getString(QStringLiteral("Id"), &d.id);
            list.push_back(d);
        }
    }
    if (list.empty()) {
        list.push_back(
            {QStringLiteral("Internet"), QStringLiteral("{436EF144-B4FB-4863-A041-8F905A62C572}")});
        list.push_back({QStringLiteral("Mạng nội bộ"),
                        QStringLiteral("{A1182988-0D73-439E-87AD-2A5B369F808B}")});
    }
    return list;
}

bool setDestinations(const std::vector<Destination>& list) {
    const RegistryKey root = RegistryKey::currentUser();
    const Status removed = root.deleteKey(kDestinationsKey);
    RegistryKey key;
    if ((removed != Status::Success && removed != Status::NotFound) ||
        root.create(kDestinationsKey, &key) != Status::Success)
        return false;
    for (size_t i = 0; i < list.size(); ++i) {
        RegistryKey entry;
        if (key.create(QString::number(i), &entry) != Status::Success ||
            entry.setString(QStringLiteral("Description"), list[i].description) !=
                Status::Success ||
            entry.setString(QStringLiteral("Id"), list[i].id) != Status::Success)
            return false;
    }
    return true;
}

bool isOnline() {
    RegistryKey key;
    uint32_t online = 1;
    if (RegistryKey::currentUser().open(kNetworkKey, &key) == Status::Success)
        key.getDword(QStringLiteral("Online"), &online);
    return online != 0;
}

bool setOnline(bool online) {
    RegistryKey key;
    return RegistryKey::currentUser().create(kNetworkKey, &key) == Status::Success &&
           key.setDword(QStringLiteral("Online"), online ? 1 : 0) == Status::Success;
}

QUrl weatherServer() {
    const QUrl stored(storedString(QStringLiteral("WeatherServer")));
    return stored.isValid() && !stored.host().isEmpty()
               ? stored
               : QUrl(QStringLiteral("http://127.0.0.1:8765"));
}

bool setWeatherServer(const QUrl& root) {
    return storeString(QStringLiteral("WeatherServer"), root.toString());
}

int httpTimeoutMs() {
    RegistryKey key;
    uint32_t ms = 30000;
    if (RegistryKey::currentUser().open(kNetworkKey, &key) == Status::Success)
        key.getDword(QStringLiteral("HttpTimeout"), &ms);
    return int(std::clamp<uint32_t>(ms, 1000, 600000));
}

bool setHttpTimeoutMs(int ms) {
    RegistryKey key;
    return ms > 0 && RegistryKey::currentUser().create(kNetworkKey, &key) == Status::Success &&
           key.setDword(QStringLiteral("HttpTimeout"), uint32_t(ms)) == Status::Success;
}

TimeServer timeServer() {
    const QString stored = storedString(QStringLiteral("TimeServer"));
    TimeServer server{QStringLiteral("129.6.15.28"), 37};
    if (stored.isEmpty()) return server;
    const int colon = stored.lastIndexOf(QLatin1Char(':'));
    bool ok = true;
    const uint port = colon > 0 ? stored.mid(colon + 1).toUInt(&ok) : 37;
    if (!ok || port == 0 || port > 65535) return server;
    server.host = colon > 0 ? stored.left(colon) : stored;
    server.port = quint16(port);
    return server;
}

bool setTimeServer(const QString& hostAndPort) {
    return storeString(QStringLiteral("TimeServer"), hostAndPort);
}

} // namespace velmora::net
