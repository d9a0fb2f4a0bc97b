// Named events as lock files held by the process that set them.
#include "platform/today/NamedEvent.h"

#include "platform/ipc/IpcNames.h"

#include <QHash>
#include <QLockFile>
#include <QMutex>
#include <memory>

namespace velmora::todayscreen {
namespace {

QMutex heldLock;
QHash<QString, std::shared_ptr<QLockFile>>& held() {
    static QHash<QString, std::shared_ptr<QLockFile>> events;
    return events;
}

QString lockPath(const QString& name) {
    return ipc::instanceLockPath(QStringLiteral("event:") + name.toCaseFolded());
}

} // namespace

bool setEvent(const QString& name) {
    QMutexLocker lock(&heldLock);
    if (held().contains(name)) return true;
    auto file = std::make_shared<QLockFile>(lockPath(name));
    file->setStaleLockTime(0); // stale only when its process is gone
    if (file->tryLock(0)) {
        held().insert(name, file);
        return true;
    }
    return file->error() == QLockFile::LockFailedError; // set by another live process
}

void resetEvent(const QString& name) {
    QMutexLocker lock(&heldLock);
    held().remove(name); // unlocks
}

bool isEventSet(const QString& name) {
    {
        QMutexLocker lock(&heldLock);
        if (held().contains(name)) return true;
    }
    QLockFile probe(lockPath(name));
    probe.setStaleLockTime(0);
    if (probe.tryLock(0)) {
        probe.unlock();
        return false;
    }
    return probe.error() == QLockFile::LockFailedError;
}

} // namespace velmora::todayscreen
