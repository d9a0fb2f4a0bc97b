// The connection manager on Linux: destinations from the device settings, "connected" meaning a
// route to the server exists.
#include "platform/net/ConnectionManager.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHostAddress>
#include <QHostInfo>
#include <arpa/inet.h>
#include <atomic>
#include <cstring>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace velmora::net {

namespace {

// A UDP socket connected to the address: the kernel picks a route or refuses with "network
// unreachable"; no packet leaves the host.
bool routeExists(const QHostAddress& address, quint16 port) {
    const bool v6 = address.protocol() == QAbstractSocket::IPv6Protocol;
    const int fd = ::socket(v6 ? AF_INET6 : AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    int rc = -1;
    if (v6) {
        sockaddr_in6 sa{};
        sa.sin6_family = AF_INET6;
        sa.sin6_port = htons(port);
        const Q_IPV6ADDR bytes = address.toIPv6Address();
        std::memcpy(&sa.sin6_addr, &bytes, sizeof bytes);
        rc = ::connect(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa);
    } else {
        sockaddr_in sa{};
        sa.sin_family = AF_INET;
        sa.sin_port = htons(port);
        sa.sin_addr.s_addr = htonl(address.toIPv4Address());
        rc = ::connect(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa);
    }
    ::close(fd);
    return rc == 0;
}

bool isDestination(const QString& id) {
    for (const Destination& d : destinations())
        if (d.id.compare(id, Qt::CaseInsensitive) == 0) return true;
    return false;
}

} // namespace

std::optional<Destination> destinationForUrl(const QUrl& url) {
    if (!url.isValid() || url.host().isEmpty()) return std::nullopt;
    return destinations().front();
}

bool hasRouteTo(const QString& host, quint16 port, int timeoutMs) {
    const QHostAddress literal(host);
    if (!literal.isNull()) return routeExists(literal, port);
    // A name: resolved on a thread of its own so that a slow resolver cannot hold us longer.
    auto info = std::make_shared<QHostInfo>();
    QThread* lookup = QThread::create([info, host] { *info = QHostInfo::fromName(host); });
    lookup->start();
    if (lookup->wait(QDeadlineTimer(timeoutMs))) {
        delete lookup;
        for (const QHostAddress& address : info->addresses())
            if (routeExists(address, port)) return true;
        return false;
    }
    // A lookup that outlasts the wait ends on its own; its result is no longer wanted. It is
    // deleted by the application's thread, whose event loop runs: a caller on a worker thread
    // (the Today item's update) has none, and a deletion left to it would never happen.
    if (QCoreApplication* app = QCoreApplication::instance()) lookup->moveToThread(app->thread());
    QObject::connect(lookup, &QThread::finished, lookup, &QObject::deleteLater);
    if (lookup->isFinished()) lookup->deleteLater(); // it ended before the connection was made
    return false;
}

ConnectionStatus connectAndWait(const QString& destinationId, const QString& host, quint16 port,
                                int timeoutMs) {
    if (!isOnline() || !isDestination(destinationId)) return StatusConnectionFailed;
    return hasRouteTo(host, port, timeoutMs) ? StatusConnected : StatusNoPathToDestination;
}

// A request still running finishes on its own thread and deletes itself.
Connection::~Connection() = default;

bool Connection::establish(const QString& destinationId, const QString& host, quint16 port,
                           int timeoutMs) {
    if (isHeld()) return false;
    report(StatusWaitingConnection);
    // The outcome is read when the worker has finished, on this object's thread (the finished
    // signal crosses threads queued); a connection destroyed meanwhile hears nothing.
    auto result = std::make_shared<std::atomic<uint32_t>>(StatusConnectionFailed);
    worker_ = QThread::create([result, destinationId, host, port, timeoutMs] {
        result->store(connectAndWait(destinationId, host, port, timeoutMs));
    });
    QThread* worker = worker_;
    connect(worker, &QThread::finished, this, [this, worker, result] {
        if (worker_ == worker) finish(ConnectionStatus(result->load()));
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker_->start();
    return true;
}

void Connection::finish(ConnectionStatus status) {
    worker_ = nullptr;
    report(status);
}

void Connection::release() {
    if (worker_) {
        worker_ = nullptr; // its outcome will be ignored
        report(StatusConnectionCanceled);
        return;
    }
    if (status_ == StatusConnected) report(StatusDisconnected);
}

void Connection::report(ConnectionStatus status) {
    status_ = status;
    emit statusChanged(status);
}

} // namespace velmora::net
