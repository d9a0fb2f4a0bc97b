// Synchronous and asynchronous delivery over the endpoint's local socket.
#include "platform/ipc/Messaging.h"

#include "platform/ipc/Endpoint.h"
#include "platform/ipc/IpcWire.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QPointer>

namespace velmora::ipc {
namespace {

// Connects and writes the request; false when nobody listens or the time runs out.
bool deliverRequest(QLocalSocket& socket, Handle handle, const wire::Request& request,
                    QDeadlineTimer deadline) {
    if (handle == 0) return false;
    socket.connectToServer(endpointServerName(handle));
    if (!socket.waitForConnected(int(deadline.remainingTime()))) return false;
    socket.write(wire::encode(request));
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(int(deadline.remainingTime()))) return false;
    return true;
}

} // namespace

bool send(Handle handle, uint32_t msg, uint32_t wParam, int32_t lParam, int timeoutMs,
          int32_t* result) {
    if (Endpoint* local = Endpoint::local(handle)) {
        const int32_t r = local->deliver(msg, wParam, lParam);
        if (result) *result = r;
        return true;
    }
    const QDeadlineTimer deadline(qMax(timeoutMs, 0));
    QLocalSocket socket;
    if (!deliverRequest(socket, handle, {wire::Send, msg, wParam, lParam}, deadline)) return false;
    while (socket.bytesAvailable() < wire::replySize)
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    const QByteArray reply = socket.read(wire::replySize);
    if (result) *result = qFromLittleEndian<qint32>(reply.constData());
    socket.disconnectFromServer();
    return true;
}

bool post(Handle handle, uint32_t msg, uint32_t wParam, int32_t lParam, int timeoutMs) {
    if (Endpoint* local = Endpoint::local(handle)) {
        QPointer<Endpoint> target(local);
        QMetaObject::invokeMethod(
            local,
            [target, msg, wParam, lParam] {
                if (target) target->deliver(msg, wParam, lParam);
            },
            Qt::QueuedConnection);
        return true;
    }
    const QDeadlineTimer deadline(qMax(timeoutMs, 0));
    QLocalSocket socket;
    if (!deliverRequest(socket, handle, {wire::Post, msg, wParam, lParam}, deadline)) return false;
    socket.disconnectFromServer();
    return true;
}

} // namespace velmora::ipc
