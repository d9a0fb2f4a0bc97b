// A tiny program the device tests install and start: it writes how it was started to a file.
#include "platform/device/DeviceClock.h"
#include "platform/device/ProgramFolder.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QStringList>

// Writes to $VELMORA_PROBE_OUT the device's local time ("--now"), its own device path
// and folder ("--whoami"), or the device root, the
// screen and the arguments, one a line.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QStringList lines;
    if (args.value(0) == "--whoami") {
        lines << velmora::device::currentProgramDevicePath() << velmora::device::ProgramFolder();
    } else if (args.value(0) == "--now") {
        lines << velmora::device::localNow().toString(Qt::ISODateWithMs);
    } else {
        lines << qEnvironmentVariable("VELMORA_DEVICE_ROOT")
              << qEnvironmentVariable("VELMORA_SCREEN") << args;
    }
    QSaveFile out(qEnvironmentVariable("VELMORA_PROBE_OUT"));
    if (!out.open(QIODevice::WriteOnly)) return 1;
    out.write(lines.join('\n').toUtf8());
    return out.commit() ? 0 : 1;
}
