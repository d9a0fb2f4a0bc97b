// The Time Protocol (RFC 868) over TCP: the server sends the time as 4 bytes, seconds since
// 1900-01-01 00:00 UTC in network byte order, and closes. The query runs on the caller's event
// loop with a time-out, so a silent server never holds the program.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <cstdint>

namespace velmora::net {

inline constexpr quint16 kTimeProtocolPort = 37;
inline constexpr int kTimeQueryTimeoutMs = 10000;

enum class TimeQueryError {
    None,
    ConnectFailed, // refused, unreachable, no such host
    ShortReply,    // the server closed before 4 bytes came
    TimedOut,      // nothing complete within the time-out
};

struct TimeReply {
    TimeQueryError error = TimeQueryError::None;
    quint32 seconds = 0; // as received
    QDateTime utc;       // timeProtocolInstant(seconds); invalid on an error
};

// The instant a reply names. The 32-bit count runs out on 2036-02-07 06:28:16 UTC and starts
// again from 0; a count with its top bit clear (before 1968 in the first era) is taken as being in
// the next era, so the protocol keeps working until 2104.
QDateTime timeProtocolInstant(quint32 seconds);

class TimeQuery : public QObject {
    Q_OBJECT
  public:
    explicit TimeQuery(QObject* parent = nullptr);
    ~TimeQuery() override;

    // Connects to host:port and reads the reply; finished() follows exactly once. False when a
    // query is already running.
    bool start(const QString& host, quint16 port = kTimeProtocolPort,
               int timeoutMs = kTimeQueryTimeoutMs);
    bool isRunning() const { return socket_ != nullptr; }

  signals:
    void finished(const velmora::net::TimeReply& reply);

  private:
    void finish(TimeQueryError error);

    QPointer<QTcpSocket> socket_;
    QTimer timeout_;
    QByteArray received_;
};

} // namespace velmora::net

Q_DECLARE_METATYPE(velmora::net::TimeReply)
