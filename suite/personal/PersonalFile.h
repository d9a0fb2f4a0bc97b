// Reading and safely writing the personal record file in the user's documents.
#pragma once

#include "suite/personal/PersonalRecord.h"

#include <QString>

namespace velmora::app {

inline const QString kPersonalFolder = QStringLiteral("\\My Documents\\LichVelmora");
inline const QString kPersonalFile = QStringLiteral("\\My Documents\\LichVelmora\\userinfo.dat");

// The record in the first 490 bytes of the file at devicePath; all zero when the file is missing,
// unreadable or shorter than 490 bytes.
PersonalRecord readPersonalRecord(const QString& devicePath = kPersonalFile);

// Writes record over the first 490 bytes of the file, keeping any bytes from offset 490 on and
// creating the folder and file when missing. The new content goes to a temporary file in the same
// folder that then replaces the old one, so a crash leaves either the old or the new record.
// False when nothing could be written (the file is left as it was).
bool writePersonalRecord(const PersonalRecord& record, const QString& devicePath = kPersonalFile);

} // namespace velmora::app
