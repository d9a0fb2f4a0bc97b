// The process-wide program device path and the folder derived from it.
#include "platform/device/ProgramFolder.h"

#include "platform/device/DeviceRoot.h"

#include <QCoreApplication>
#include <QDir>
#include <QMutex>

namespace velmora::device {
namespace {

QMutex pathLock;
QString& programPath() {
    static QString path;
    return path;
}

} // namespace

QString programFolderOf(const QString& exeDevicePath) {
    const qsizetype cut = exeDevicePath.lastIndexOf(QLatin1Char('\\'));
    return cut < 0 ? QString() : exeDevicePath.left(cut);
}

QString currentProgramDevicePath() {
    QMutexLocker lock(&pathLock);
    if (programPath().isEmpty() && QCoreApplication::instance()) {
        // Started through its device link, argv[0] is that link below the root.
        const QString argv0 = QCoreApplication::arguments().value(0);
        if (argv0.contains(QLatin1Char('/')))
            programPath() =
                devicePathOf(QDir::current().absoluteFilePath(argv0)).value_or(QString());
    }
    return programPath();
}

void setCurrentProgramDevicePath(const QString& exeDevicePath) {
    QMutexLocker lock(&pathLock);
    programPath() = exeDevicePath;
}

QString ProgramFolder() {
    return programFolderOf(currentProgramDevicePath());
}

} // namespace velmora::device
