// The reminder file "\My Documents\LichVelmora\lichnhan.dat": a plain sequence of 1428-byte
// records, read into rows of the reminder list and written back from them.
#pragma once

#include "suite/reminders/ReminderRow.h"

#include <QString>
#include <string_view>
#include <vector>

namespace velmora::reminders {

inline const QString kReminderFolder = QStringLiteral("\\My Documents\\LichVelmora");
inline const QString kReminderFile = QStringLiteral("\\My Documents\\LichVelmora\\lichnhan.dat");

// The most records a file is read for (a list of this many is far beyond any user's); the
// records after them are not read.
inline constexpr int kMaxReminderRecords = 10000;

// Every whole record of bytes, empty slots included; a final piece shorter than a record is
// ignored.
std::vector<ReminderRecord> decodeReminderRecords(std::string_view bytes);
// The rows of the records whose kind is above 0, numbered 0, 1, ... in file order.
std::vector<ReminderRow> rowsOfRecords(const std::vector<ReminderRecord>& records);
// The file's bytes for rows in their order.
std::string encodeReminderRows(const std::vector<ReminderRow>& rows);

// Appends one row per reminder of the file to rows (item data counting the rows appended). An
// absent file is created empty, with its folder. False, leaving rows alone, when the file can
// neither be read nor created (the caller tells the user "Không tìm thấy file lichnhan.dat"): a
// folder, FIFO or device in its place counts as that too.
bool LoadReminderFile(std::vector<ReminderRow>& rows, const QString& devicePath = kReminderFile);

// The records of the file, without creating anything; false when it is missing or unreadable.
bool readReminderRecords(std::vector<ReminderRecord>& records,
                         const QString& devicePath = kReminderFile);

struct SaveOutcome {
    bool written = false; // the file now holds exactly the rows
    int alarms = 0;       // rows whose advance value gives an alarm
};

// Writes the rows, in their order, as the whole file: to a new file beside it that then replaces
// it, so a crash during the save leaves the old file whole. The folder is created when missing.
// Anything but a regular file in the file's place is left alone and the save fails.
SaveOutcome SaveReminderFile(const std::vector<ReminderRow>& rows,
                             const QString& devicePath = kReminderFile);

} // namespace velmora::reminders
