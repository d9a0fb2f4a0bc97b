// Device-wide named events that are either set or not, such as "SYSTEM/ShellAPIReady", which the
// Today screen sets once it is up. Any program of the device may test one without waiting.
#pragma once

#include <QString>

namespace velmora::todayscreen {

inline const QString kShellApiReady = QStringLiteral("SYSTEM/ShellAPIReady");

// Sets the event for as long as this process runs or until resetEvent; false when it cannot be
// set (another live process of the device holds it set counts as set).
bool setEvent(const QString& name);
void resetEvent(const QString& name);
// Whether a live process of the device has the event set. A crashed setter's event is not set.
bool isEventSet(const QString& name);

} // namespace velmora::todayscreen
