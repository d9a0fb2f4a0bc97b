// The clock synchronisation's texts.
#include "app/tools/ClockSync.h"

#include "platform/net/ConnectionManager.h"

namespace velmora::app {

using namespace velmora::net;

QString connectionStatusText(uint32_t status) {
    switch (status) {
    case StatusConnected:
        return QStringLiteral("Kết nối thành công ");
    case StatusDisconnected:
        return QStringLiteral("Đã ngắt kết nối");
    case StatusConnectionFailed:
        return QStringLiteral("Kết nối bị lỗi");
    case StatusConnectionCanceled:
        return QStringLiteral("Bạn đã hủy kết nối");
    case StatusNoPathToDestination:
        return QStringLiteral("Không có đường dẫn");
    case StatusWaitingConnection:
        return QStringLiteral("Đang chờ kết nối");
    case StatusWaitingDisconnection:
        return QStringLiteral("Chờ ngắt kết nối");
    case StatusWaitingConnectionAbort:
        return QStringLiteral("Chờ hủy kết nối");
    default:
        return QStringLiteral("Không nhận dạng được");
    }
}

namespace {

bool isKnownStatus(uint32_t status) {
    switch (status) {
    case StatusConnected:
    case StatusDisconnected:
    case StatusConnectionFailed:
    case StatusConnectionCanceled:
    case StatusNoPathToDestination:
    case StatusWaitingConnection:
    case StatusWaitingDisconnection:
    case StatusWaitingConnectionAbort:
        return true;
    default:
        return false;
    }
}

} // namespace

bool releasesConnection(uint32_t status) {
    if (status == StatusConnectionFailed || status == StatusConnectionCanceled ||
        status == StatusNoPathToDestination)
        return true;
    return !isKnownStatus(status) && (status & 0x20) != 0;
}

QString connectionRequestFailure(uint32_t result) {
    return QStringLiteral("ConnMgrEstablishConnection failed.\r\nResult=%1").arg(result, 0, 16);
}

} // namespace velmora::app
