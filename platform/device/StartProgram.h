// Starting another program of the device by its device path.
#pragma once

#include <QString>
#include <QStringList>

namespace velmora::device {

// Starts the program at devicePath (an installed link to a host executable) detached, with the same
// device root, screen profile and clock as this process; false when it is missing or cannot start.
bool startProgram(const QString& devicePath, const QStringList& args);

} // namespace velmora::device
