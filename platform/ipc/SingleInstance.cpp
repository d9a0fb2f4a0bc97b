// Single instance by a lock file held for life and a socket that receives activation requests.
#include "platform/ipc/SingleInstance.h"

#include "platform/ipc/IpcNames.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>

namespace velmora::ipc {
namespace {

constexpr char activateRequest = 'A';
constexpr char activateReply = 'K';

} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), key_(key), lock_(instanceLockPath(key)) {
    // A lock counts as stale only when its process is gone, never by age.
    lock_.setStaleLockTime(0);
    claim();
}

SingleInstance::~SingleInstance() {
    server_.close();
    if (primary_) lock_.unlock();
}

bool SingleInstance::claim() {
    if (!lock_.tryLock(0)) return false;
    const QString name = instanceServerName(key_);
    // Holding the lock, any socket of this name is a crashed owner's leftover.
    QLocalServer::removeServer(name);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(name)) {
        lock_.unlock();
        return false;
    }
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->read(1) != QByteArray(1, activateRequest)) return;
                socket->write(QByteArray(1, activateReply));
                socket->flush();
                emit activationRequested();
            });
        }
    });
    primary_ = true;
    return true;
}

bool SingleInstance::tryActivateExisting(int timeoutMs) {
    if (primary_) return false;
    const QDeadlineTimer deadline(qMax(timeoutMs, 0));
    do {
        QLocalSocket socket;
        socket.connectToServer(instanceServerName(key_));
        if (socket.waitForConnected(int(deadline.remainingTime()))) {
            socket.write(QByteArray(1, activateRequest));
            socket.waitForBytesWritten(int(deadline.remainingTime()));
            while (socket.bytesAvailable() < 1 && !deadline.hasExpired())
                if (!socket.waitForReadyRead(int(deadline.remainingTime()))) break;
            return true;
        }
        // The owner may have just ended or still be starting: take over, or wait for it.
        if (claim()) return false;
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return true;
}

} // namespace velmora::ipc
