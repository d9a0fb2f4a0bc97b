// Socket and lock names derived from a hash of the device root, so two devices never meet.
#include "platform/ipc/IpcNames.h"

#include "platform/device/DeviceRoot.h"

#include <QCryptographicHash>
#include <QDir>

namespace velmora::ipc {
namespace {

QString shortHash(const QString& text) {
    return QString::fromLatin1(
        QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

QString devicePrefix() {
    return QStringLiteral("velmora-") + shortHash(device::deviceRoot());
}

} // namespace

QString endpointServerName(Handle handle) {
    return devicePrefix() + QStringLiteral("-h%1").arg(handle, 8, 16, QLatin1Char('0'));
}

QString instanceServerName(const QString& key) {
    return devicePrefix() + QStringLiteral("-i") + shortHash(key);
}

QString instanceLockPath(const QString& key) {
    return QDir::tempPath() + QLatin1Char('/') + instanceServerName(key) + QStringLiteral(".lock");
}

} // namespace velmora::ipc
