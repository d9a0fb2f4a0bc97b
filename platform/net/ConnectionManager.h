// The device's connection manager: which destination network serves a URL, and connections to a
// destination with their status notifications. On Linux a destination is "connected" when the
// device is online and the host has a route to the server the connection is for.
#pragma once

#include "platform/net/NetworkSettings.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>
#include <QUrl>
#include <cstdint>
#include <optional>

namespace velmora::net {

// Connection statuses, with the device's numbers.
enum ConnectionStatus : uint32_t {
    StatusUnknown = 0x00,
    StatusConnected = 0x10,
    StatusDisconnected = 0x20,
    StatusConnectionFailed = 0x21,
    StatusConnectionCanceled = 0x22,
    StatusNoPathToDestination = 0x24,
    StatusWaitingConnection = 0x40,
    StatusWaitingDisconnection = 0x80,
    StatusWaitingConnectionAbort = 0x81,
};

// The destination that serves a URL: the first destination for any URL with a host; nothing for
// a URL without one.
std::optional<Destination> destinationForUrl(const QUrl& url);

// Whether the host has a route to host:port now (a name is resolved first, waiting at most
// timeoutMs). Nothing is sent.
bool hasRouteTo(const QString& host, quint16 port, int timeoutMs = 5000);

// Connects to a destination for talking to host:port and waits for the outcome:
// StatusConnected, StatusConnectionFailed (offline, or not a destination of the device) or
// StatusNoPathToDestination (no route to the server).
ConnectionStatus connectAndWait(const QString& destinationId, const QString& host, quint16 port,
                                int timeoutMs);

// A connection requested without waiting: its progress arrives as statusChanged on the thread
// that made it (waiting, then connected or a failure). Released when destroyed.
class Connection : public QObject {
    Q_OBJECT
  public:
    explicit Connection(QObject* parent = nullptr) : QObject(parent) {}
    ~Connection() override;

    // Starts connecting; false when a request is already running or held (release it first).
    bool establish(const QString& destinationId, const QString& host, quint16 port,
                   int timeoutMs = 60000);
    // Gives the connection back; a held connection reports StatusDisconnected.
    void release();
    bool isHeld() const { return status_ == StatusConnected || worker_ != nullptr; }
    ConnectionStatus status() const { return status_; }

  signals:
    void statusChanged(uint32_t status);

  private:
    void finish(ConnectionStatus status);
    void report(ConnectionStatus status);

    ConnectionStatus status_ = StatusUnknown;
    QPointer<QThread> worker_;
};

} // namespace velmora::net
