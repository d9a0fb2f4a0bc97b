// A Time Protocol server on 127.0.0.1 for tests: it answers every connection with the bytes it is
// given and closes, or keeps silent with the connection open. Shared by the net and clock tests.
#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtEndian>
#include <vector>

namespace velmora::testing {

class LocalTimeServer {
  public:
    // Replies with `reply` then closes; with silent set, never writes and never closes.
    explicit LocalTimeServer(QByteArray reply, bool silent = false) : reply_(std::move(reply)) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this, silent] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                ++connections_;
                held_.push_back(s);
                if (silent) continue;
                s->write(reply_);
                s->disconnectFromHost();
            }
        });
    }

    // The 4 bytes of a reply naming `seconds` since 1900.
    static QByteArray secondsReply(quint32 seconds) {
        QByteArray bytes(4, '\0');
        qToBigEndian(seconds, bytes.data());
        return bytes;
    }

    // A port on 127.0.0.1 where nothing listens, so a connection is refused.
    static quint16 closedPort() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const quint16 port = probe.serverPort();
        probe.close();
        return port;
    }

    quint16 port() const { return server_.serverPort(); }
    int connections() const { return connections_; }

  private:
    QTcpServer server_;
    QByteArray reply_;
    std::vector<QTcpSocket*> held_; // children of the server
    int connections_ = 0;
};

} // namespace velmora::testing
