// Reading and writing lichnhan.dat below the device root.
#include "suite/reminders/ReminderFile.h"

#include "suite/files/RegularFile.h"

#include "platform/device/DeviceRoot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <filesystem>
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

// The file's records, at most kMaxReminderRecords of them: an over-long file is read up to that.
std::optional<std::string> readFile(const QString& host, bool* missing = nullptr) {
    files::ReadResult read = files::readRegularFile(
        localPath(host), static_cast<std::size_t>(kMaxReminderRecords) * kReminderRecordSize);
    if (missing) *missing = read.status == files::ReadStatus::Missing;
    if (read.status != files::ReadStatus::Ok && read.status != files::ReadStatus::TooLong)
        return std::nullopt;
    return std::move(read.bytes);
}

// Whether a save may put a file at host: nothing is there yet, or a regular file (or a link to
// one, which is written through).
bool savablePlace(const std::string& host) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_type itself = fs::symlink_status(host, error).type();
    if (itself == fs::file_type::not_found) return true;
    return fs::status(host, error).type() == fs::file_type::regular;
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
    bool missing = false;
    const std::optional<std::string> bytes = readFile(*host, &missing);
    if (missing) {
        // Created empty, as the device does; the folder too, so that a later save can succeed.
        const std::optional<QString> folder = folderOf(devicePath);
        QFile created(*host);
        if (!folder || !QDir().mkpath(*folder) ||
            !created.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return false;
        return true;
    }
    if (!bytes) return false;
    for (ReminderRow& row : rowsOfRecords(decodeReminderRecords(*bytes)))
        rows.push_back(std::move(row));
    return true;
}

bool readReminderRecords(std::vector<ReminderRecord>& records, const QString& devicePath) {
    const std::optional<QString> host = device::hostPath(devicePath);
    if (!host) return false;
    const std::optional<std::string> bytes = readFile(*host);
    if (!bytes) return false;
    records = decodeReminderRecords(*bytes);
    return true;
}

SaveOutcome SaveReminderFile(const std::vector<ReminderRow>& rows, const QString& devicePath) {
    SaveOutcome outcome;
    for (const ReminderRow& row : rows)
        if (hasAlarm(advanceOf(row))) ++outcome.alarms;
    const std::optional<QString> folder = folderOf(devicePath);
    const std::optional<QString> host = device::hostPath(devicePath);
    if (!folder || !host || !QDir().mkpath(*folder)) return outcome;
    if (!savablePlace(localPath(*host))) return outcome;
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
