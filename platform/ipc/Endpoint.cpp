// Endpoints: handle allocation through the registry and serving requests from other programs.
#include "platform/ipc/Endpoint.h"

#include "platform/ipc/IpcWire.h"
#include "platform/registry/RegistryKey.h"

#include <QHash>
#include <QLocalSocket>
#include <QMutex>

namespace velmora::ipc {
namespace {

constexpr Handle firstHandle = 0x10000;

QMutex localLock;
QHash<Handle, Endpoint*>& localEndpoints() {
    static QHash<Handle, Endpoint*> endpoints;
    return endpoints;
}

} // namespace

Handle allocateHandle() {
    using namespace registry;
    RegistryKey key;
    if (RegistryKey::currentUser().create(QStringLiteral("Device\\Ipc"), &key) != Status::Success)
        return 0;
    uint32_t handle = 0;
    // Counting up from a floor keeps handles apart from small literal numbers; wrapping skips 0.
    const Status s = key.updateDword(
        QStringLiteral("NextHandle"),
        [](uint32_t v) { return v < firstHandle || v == 0xFFFFFFFFu ? firstHandle : v + 1; },
        &handle);
    return s == Status::Success ? handle : 0;
}

Endpoint::Endpoint(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {
    const Handle handle = allocateHandle();
    if (handle == 0) return;
    const QString name = endpointServerName(handle);
    // The handle is new on this device, so a socket file of that name can only be a leftover.
    QLocalServer::removeServer(name);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(name)) return;
    handle_ = handle;
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) serve(socket);
    });
    QMutexLocker lock(&localLock);
    localEndpoints().insert(handle_, this);
}

Endpoint::~Endpoint() {
    QMutexLocker lock(&localLock);
    localEndpoints().remove(handle_);
}

Endpoint* Endpoint::local(Handle handle) {
    QMutexLocker lock(&localLock);
    return localEndpoints().value(handle, nullptr);
}

int32_t Endpoint::deliver(uint32_t msg, uint32_t wParam, int32_t lParam) const {
    return handler_ ? handler_(msg, wParam, lParam) : 0;
}

void Endpoint::serve(QLocalSocket* socket) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
        while (socket->bytesAvailable() >= wire::requestSize) {
            const QByteArray bytes = socket->read(wire::requestSize);
            const wire::Request r = wire::decode(bytes.constData());
            if (r.kind != wire::Send && r.kind != wire::Post) {
                socket->abort(); // not one of ours
                return;
            }
            const int32_t result = deliver(r.msg, r.wParam, r.lParam);
            if (r.kind == wire::Send) {
                socket->write(wire::encodeReply(result));
                socket->flush();
            }
        }
    });
}

Handle registerEndpoint(QObject* owner, Endpoint::Handler handler) {
    auto* endpoint = new Endpoint(std::move(handler), owner);
    const Handle handle = endpoint->handle();
    if (handle == 0) delete endpoint;
    return handle;
}

} // namespace velmora::ipc
