// The Time Protocol client on a QTcpSocket.
#include "platform/net/TimeProtocol.h"

#include <QTcpSocket>
#include <QtEndian>

namespace velmora::net {

QDateTime timeProtocolInstant(quint32 seconds) {
    static const QDateTime epoch(QDate(1900, 1, 1), QTime(0, 0), Qt::UTC);
    const qint64 era = (seconds & 0x80000000u) ? 0 : (qint64(1) << 32);
    return epoch.addSecs(era + qint64(seconds));
}

TimeQuery::TimeQuery(QObject* parent) : QObject(parent) {
    qRegisterMetaType<TimeReply>();
    timeout_.setSingleShot(true);
    connect(&timeout_, &QTimer::timeout, this, [this] { finish(TimeQueryError::TimedOut); });
}

TimeQuery::~TimeQuery() {
    if (socket_) socket_->abort();
}

bool TimeQuery::start(const QString& host, quint16 port, int timeoutMs) {
    if (socket_) return false;
    received_.clear();
    socket_ = new QTcpSocket(this);
    QTcpSocket* socket = socket_;
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        if (socket != socket_) return;
        received_ += socket->read(4 - received_.size());
        if (received_.size() == 4) finish(TimeQueryError::None);
    });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        if (socket == socket_) finish(TimeQueryError::ShortReply);
    });
    connect(
        socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError e) {
            if (socket != socket_) return;
            // The peer closing after it has sent is a short reply; anything before is no
            // connection.
            if (e == QAbstractSocket::RemoteHostClosedError) {
                received_ += socket->readAll().left(4 - received_.size());
                finish(received_.size() == 4 ? TimeQueryError::None : TimeQueryError::ShortReply);
            } else {
                finish(socket->state() == QAbstractSocket::ConnectedState
                           ? TimeQueryError::ShortReply
                           : TimeQueryError::ConnectFailed);
            }
        });
    timeout_.start(timeoutMs);
    socket->connectToHost(host, port);
    return true;
}

void TimeQuery::finish(TimeQueryError error) {
    if (!socket_) return;
    timeout_.stop();
    QTcpSocket* socket = socket_;
    socket_ = nullptr;
    socket->abort();
    socket->deleteLater();
    TimeReply reply;
    reply.error = error;
    if (error == TimeQueryError::None) {
        reply.seconds = qFromBigEndian<quint32>(received_.constData());
        reply.utc = timeProtocolInstant(reply.seconds);
    }
    emit finished(reply);
}

} // namespace velmora::net
