// The clock synchronisation's rules, without a screen: the status texts of each step and of each
// connection status, and which statuses give the connection back.
#pragma once

#include <QString>
#include <cstdint>

namespace velmora::app {

inline const QString kClockSyncPrompt =
    QStringLiteral("Chọn loại kết nối rồi chọn [Lấy giờ] để đồng bộ lại thời gian");
inline const QString kClockSyncSearching = QStringLiteral("Đang tìm kết nối");
inline const QString kClockSyncQueryFailed = QStringLiteral("Có lỗi khi lấy thời gian");
inline const QString kClockSyncSetFailed = QStringLiteral("Có lỗi khi đặt thời gian");
inline const QString kClockSyncDone = QStringLiteral("Đã đặt lại giờ");

// The status line for a connection status of the connection manager.
QString connectionStatusText(uint32_t status);
// Whether the connection is to be given back on that status: a failure, a cancellation, no path,
// or any other status with bit 0x20 set.
bool releasesConnection(uint32_t status);

// The message shown when a connection cannot even be requested.
QString connectionRequestFailure(uint32_t result);

} // namespace velmora::app
