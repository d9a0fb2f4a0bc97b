// The device's network settings, kept in its registry under "Device\Network": the destination
// networks the connection manager offers, whether the device is online, and the servers the
// programs talk to. Tests and users point the servers elsewhere by writing these values.
#pragma once

#include <QString>
#include <QUrl>
#include <vector>

namespace velmora::net {

// A destination network: what the connection manager lists, and its identifier.
struct Destination {
    QString description; // "Internet"
    QString id;          // a GUID text, "{...}"
};

// The destinations, in their stored order ("Device\Network\Destinations", one subkey each with
// "Description" and "Id"); when none are stored, the device's two defaults: "Internet" and
// "Mạng nội bộ" (the local network).
std::vector<Destination> destinations();
// Replaces the stored destinations.
bool setDestinations(const std::vector<Destination>& list);

// "Online" (DWORD, default 1): 0 makes every connection request fail as a device without a
// network would.
bool isOnline();
bool setOnline(bool online);

// "WeatherServer" (text): the root URL of the weather server; default http://127.0.0.1:8765.
QUrl weatherServer();
bool setWeatherServer(const QUrl& root);

// "HttpTimeout" (DWORD, milliseconds, default 30000): how long a download from the weather server
// may take from request to last byte before it is given up; 1000 at least.
int httpTimeoutMs();
bool setHttpTimeoutMs(int ms);

// "TimeServer" (text, "host" or "host:port"): the Time Protocol server; default the public
// server of the National Institute of Standards and Technology, time-a-g.nist.gov (129.6.15.28),
// port 37.
struct TimeServer {
    QString host;
    quint16 port = 37;
};
TimeServer timeServer();
bool setTimeServer(const QString& hostAndPort);

} // namespace velmora::net
