// Telling the Today item that the reminder file has changed.
#pragma once

#include <QString>
#include <cstdint>

namespace velmora::app {

inline const QString kReminderChangeMessageName = QStringLiteral("VL_LICHNHAN_CHANGE");

// Sends the registered message VL_LICHNHAN_CHANGE (both parameters 0) to the Today item's window
// and waits until it has been handled, at most timeoutMs. False, quietly, when no Today item
// runs or the message number cannot be had.
bool AnnounceReminderChange(int timeoutMs = 1000);

} // namespace velmora::app
