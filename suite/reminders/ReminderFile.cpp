// Reading and writing lichnhan.dat below the device root.
#include "suite/reminders/ReminderFile.h"

#include "suite/reminders/RegularFile.h"

#include "platform/device/DeviceRoot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>

namespace velmora::reminders {

namespace {

std::string localPath(const QString& hostPath) {
    return QFile::encodeName(hostPath).toStdString();
}

std::optional<QString> folderOf(const QString& devicePath) {
    const qsizetype cut = devicePath.lastIndexOf(QLatin1Char('\\'));
    if (cut <= 0) return std::nullopt;
    return device::hostPath(devicePath.left(cut));
}

FileContent readFile(const QString& host) {
    return readRegularFile(localPath(host),
                           static_cast<std::size_t>(kMaxReminderRecords) * kReminderRecordSize);
}

} // namespace

std::vector<ReminderRecord> decodeReminderRecords(std::string_view bytes) {
    std::vector<ReminderRecord> records;
    records.reserve(bytes.size() / kReminderRecordSize);
    for (std::size_t at = 0; at + kReminderRecordSize <= bytes.size(); at += kReminderRecordSize)
        records.push_back(
            decodeReminder(reinterpret_cast<const unsigned char*>(bytes.data() + at)));
    return records;
}

std::vector<ReminderRow> rowsOfRecords(const std::vector<ReminderRecord>& records) {
    std::vector<ReminderRow> rows;
    for (const ReminderRecord& r : records)
        if (r.kind > 0) rows.push_back(rowFromRecord(r, static_cast<int>(rows.size())));
    return rows;
}

std::string encodeReminderRows(const std::vector<ReminderRow>& rows) {
    std::string bytes;
    bytes.reserve(rows.size() * kReminderRecordSize);
    for (const ReminderRow& row : rows) {
        const auto record = encodeReminder(recordFromRow(row));
        bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
    }
    return bytes;
}

bool LoadReminderFile(std::vector<ReminderRow>& rows, const QString& devicePath) {
    const std::optional<QString> host = device::hostPath(devicePath);
    if (!host) return false;
    FileContent content = readFile(*host);
    if (content.status == FileStatus::Missing) {
        // Created empty, as the device does; the folder too, so that a later save can succeed.
        const std::optional<QString> folder = folderOf(devicePath);
        QFile created(*host);
        if (!folder || !QDir().mkpath(*folder) ||
            !created.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return false;
        return true;
    }
    if (content.status != FileStatus::Read) return false;
    for (ReminderRow& row : rowsOfRecords(decodeReminderRecords(content.bytes)))
        rows.push_back(std::move(row));
    return true;
}

bool readReminderRecords(std::vector<ReminderRecord>& records, const QString& devicePath) {
    const std::optional<QString> host = device::hostPath(devicePath);
    if (!host) return false;
    const FileContent content = readFile(*host);
    if (content.status != FileStatus::Read) return false;
    records = decodeReminderRecords(content.bytes);
    return true;
}

SaveOutcome SaveReminderFile(const std::vector<ReminderRow>& rows, const QString& devicePath) {
    SaveOutcome outcome;
    for (const ReminderRow& row : rows)
        if (hasAlarm(advanceOf(row))) ++outcome.alarms;
    const std::optional<QString> folder = folderOf(devicePath);
    const std::optional<QString> host = device::hostPath(devicePath);
    if (!folder || !host || !QDir().mkpath(*folder)) return outcome;
    const FileStatus existing = pathKind(localPath(*host));
    if (existing != FileStatus::Missing && existing != FileStatus::Read) return outcome;
    // A link to a regular file is written through: the new file replaces the one it names.
    const QString target =
        QFileInfo(*host).isSymLink() ? QFileInfo(*host).canonicalFilePath() : *host;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) return outcome;
    const std::string bytes = encodeReminderRows(rows);
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        file.cancelWriting();
        return outcome;
    }
    outcome.written = file.commit();
    return outcome;
}

} // namespace velmora::reminders
