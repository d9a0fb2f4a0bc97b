// The personal record file: read the first 490 bytes, write them back keeping the rest.
#include "suite/personal/PersonalFile.h"

#include "platform/device/DeviceRoot.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace velmora::app {

PersonalRecord readPersonalRecord(const QString& devicePath) {
    const std::optional<QString> host = device::hostPath(devicePath);
    if (!host) return PersonalRecord{};
    QFile file(*host);
    if (!file.open(QIODevice::ReadOnly)) return PersonalRecord{};
    return decodePersonalRecord(file.read(kPersonalRecordSize));
}

bool writePersonalRecord(const PersonalRecord& record, const QString& devicePath) {
    const qsizetype cut = devicePath.lastIndexOf(QLatin1Char('\\'));
    if (cut <= 0) return false;
    const std::optional<QString> folder = device::hostPath(devicePath.left(cut));
    if (!folder || !QDir().mkpath(*folder)) return false;
    const std::optional<QString> host = device::hostPath(devicePath);
    if (!host) return false;

    // The bytes after the record belong to other features: keep them, or write nothing.
    QByteArray tail;
    QFile old(*host);
    if (old.exists()) {
        if (!QFileInfo(*host).isFile() || !old.open(QIODevice::ReadOnly)) return false;
        if (old.size() > kPersonalRecordSize) {
            if (!old.seek(kPersonalRecordSize)) return false;
            tail = old.readAll();
            if (tail.size() != old.size() - kPersonalRecordSize) return false;
        }
        old.close();
    }

    QSaveFile file(*host);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray content = encodePersonalRecord(record) + tail;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace velmora::app
