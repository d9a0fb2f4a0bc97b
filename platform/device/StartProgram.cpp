// Starting a device program detached, handing on the device environment.
#include "platform/device/StartProgram.h"

#include "platform/device/DeviceRoot.h"
#include "platform/screen/ScreenProfile.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

namespace velmora::device {

bool startProgram(const QString& devicePath, const QStringList& args) {
    const std::optional<QString> host = hostPath(devicePath, LinkPolicy::AllowProgramLink);
    if (!host) return false;
    const QFileInfo info(*host);
    if (!info.exists() || !info.isFile() || !info.isExecutable()) return false;

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VELMORA_DEVICE_ROOT"), deviceRoot());
    env.insert(QStringLiteral("VELMORA_SCREEN"), screen::current().name);
    QProcess process;
    process.setProgram(*host);
    process.setArguments(args);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(info.absolutePath());
    return process.startDetached();
}

} // namespace velmora::device
