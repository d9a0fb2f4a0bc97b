// The running program's device path and the folder it lives in.
#pragma once

#include <QString>

namespace velmora::device {

// The folder of an executable's device path: everything before the last backslash, with no
// trailing backslash ("\Program Files\X\app.exe" gives "\Program Files\X").
QString programFolderOf(const QString& exeDevicePath);

// The device path of the running program: as start-up set it, else the device link it was started
// through (argv[0] below the device root); empty when neither is known.
QString currentProgramDevicePath();
void setCurrentProgramDevicePath(const QString& exeDevicePath);

// programFolderOf(currentProgramDevicePath()).
QString ProgramFolder();

} // namespace velmora::device
