// The personal record file: read the first 490 bytes, write them back keeping the rest.
#include "suite/personal/PersonalFile.h"

#include "platform/device/DeviceRoot.h"
#include "suite/files/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace velmora::personal {

namespace {

// The bytes after the record belong to other features and are kept; a file longer than this is
// not a personal record file, and is never rewritten.
constexpr std::size_t kLongestFile = 1 << 20;

bool fail(QString* error, const QString& reason) {
    if (error) *error = reason;
    return false;
}

// The first free name among "<file>.hong", "<file>.hong.2", ... beside the file.
QString asideName(const QString& hostFile) {
    const QString first = hostFile + QStringLiteral(".hong");
    if (!QFileInfo::exists(first)) return first;
    for (int n = 2;; ++n) {
        const QString next = first + QLatin1Char('.') + QString::number(n);
        if (!QFileInfo::exists(next)) return next;
    }
}

} // namespace

PersonalFileRead readPersonalFile(const QString& devicePath) {
    PersonalFileRead read;
    const std::optional<QString> host = device::hostPath(devicePath);
    if (!host) {
        read.state = PersonalFileState::Unreadable;
        return read;
    }
    const files::ReadResult file =
        files::readRegularFile(QFile::encodeName(*host).toStdString(), kPersonalRecordSize);
    switch (file.status) {
    case files::ReadStatus::Missing:
        read.state = PersonalFileState::Missing;
        return read;
    case files::ReadStatus::NotAFile:
    case files::ReadStatus::ReadError:
        read.state = PersonalFileState::Unreadable;
        return read;
    case files::ReadStatus::Ok:
    case files::ReadStatus::TooLong: // longer files are normal: only the record is read
        break;
    }
    if (file.bytes.size() < std::size_t(kPersonalRecordSize)) {
        read.state = PersonalFileState::Short;
        return read;
    }
    bool garbled = false;
    read.record = decodePersonalRecord(QByteArray::fromStdString(file.bytes), &garbled);
    read.state = garbled ? PersonalFileState::Garbled : PersonalFileState::Ok;
    return read;
}

QString personalFileMessage(PersonalFileState state) {
    const QString file = QStringLiteral("\\My Documents\\LichVelmora\\userinfo.dat");
    switch (state) {
    case PersonalFileState::Short:
    case PersonalFileState::Garbled:
        return QStringLiteral("Tệp thông tin cá nhân %1 bị hỏng%2. Chương trình mở với những gì "
                              "đọc được; khi bạn lưu thông tin, tệp cũ được giữ lại bên cạnh "
                              "thành userinfo.dat.hong.")
            .arg(file, state == PersonalFileState::Short ? QStringLiteral(" (ngắn hơn 490 byte)")
                                                         : QString());
    case PersonalFileState::Unreadable:
        return QStringLiteral("Không đọc được tệp thông tin cá nhân %1: ở chỗ của nó không phải là "
                              "một tệp. Chương trình mở với thông tin trống.")
            .arg(file);
    case PersonalFileState::Missing:
    case PersonalFileState::Ok:
        break;
    }
    return {};
}

bool writePersonalRecord(const PersonalRecord& record, const QString& devicePath, QString* error) {
    const QString notWritten = QStringLiteral("không ghi được vào thư mục %1");
    const qsizetype cut = devicePath.lastIndexOf(QLatin1Char('\\'));
    if (cut <= 0) return fail(error, QStringLiteral("đường dẫn %1 không hợp lệ").arg(devicePath));
    const QString deviceFolder = devicePath.left(cut);
    const std::optional<QString> folder = device::hostPath(deviceFolder);
    if (!folder || !QDir().mkpath(*folder)) return fail(error, notWritten.arg(deviceFolder));
    const std::optional<QString> host = device::hostPath(devicePath);
    if (!host) return fail(error, QStringLiteral("đường dẫn %1 không hợp lệ").arg(devicePath));

    // The bytes after the record belong to other features: keep them, or write nothing.
    QByteArray tail;
    const QFileInfo old(*host);
    if (old.exists() || old.isSymLink()) {
        const files::ReadResult file =
            files::readRegularFile(QFile::encodeName(*host).toStdString(), kLongestFile);
        if (file.status == files::ReadStatus::NotAFile)
            return fail(error, QStringLiteral("ở chỗ tệp %1 có một thư mục hay một thiết bị, "
                                              "không phải một tệp")
                                   .arg(devicePath));
        if (file.status != files::ReadStatus::Ok)
            return fail(error, QStringLiteral("không đọc được tệp cũ %1").arg(devicePath));
        const QByteArray bytes = QByteArray::fromStdString(file.bytes);
        bool garbled = false;
        decodePersonalRecord(bytes, &garbled);
        // A damaged file may still hold what the user wants back: keep it aside, whole.
        if ((bytes.size() < kPersonalRecordSize || garbled) &&
            !QFile::copy(*host, asideName(*host)))
            return fail(error, notWritten.arg(deviceFolder));
        tail = bytes.mid(kPersonalRecordSize);
    }

    QSaveFile file(*host);
    const QByteArray content = encodePersonalRecord(record) + tail;
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        file.cancelWriting();
        return fail(
            error,
            QStringLiteral("không ghi được tệp %1 (ổ nhớ đầy hay chỉ cho đọc?)").arg(devicePath));
    }
    if (!file.commit())
        return fail(
            error,
            QStringLiteral("không ghi được tệp %1 (ổ nhớ đầy hay chỉ cho đọc?)").arg(devicePath));
    return true;
}

} // namespace velmora::personal
