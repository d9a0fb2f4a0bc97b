// Reading and safely writing the personal record file in the user's documents.
#pragma once

#include "suite/personal/PersonalRecord.h"

#include <QString>

namespace velmora::personal {

inline const QString kPersonalFolder = QStringLiteral("\\My Documents\\LichVelmora");
inline const QString kPersonalFile = QStringLiteral("\\My Documents\\LichVelmora\\userinfo.dat");

// What reading the file found.
enum class PersonalFileState {
    Missing,    // no file: a zero record, as the device has before the first save
    Ok,         // a record of 490 bytes or more
    Short,      // fewer than 490 bytes: a zero record
    Garbled,    // texts without terminators or with garbage, or an impossible birth date
    Unreadable, // a folder, FIFO or device in its place, or a read error: a zero record
};

struct PersonalFileRead {
    PersonalRecord record{};
    PersonalFileState state = PersonalFileState::Missing;
};

// The record in the first 490 bytes of the file at devicePath, and what was found. Only a regular
// file is read, and only its first 490 bytes: nothing in its place can block or flood the reader.
PersonalFileRead readPersonalFile(const QString& devicePath = kPersonalFile);
inline PersonalRecord readPersonalRecord(const QString& devicePath = kPersonalFile) {
    return readPersonalFile(devicePath).record;
}

// What the user is told of a file that is not missing and not Ok (an empty text otherwise).
QString personalFileMessage(PersonalFileState state);

// Writes record over the first 490 bytes of the file, keeping any bytes from offset 490 on and
// creating the folder and file when missing. The new content goes to a temporary file in the same
// folder that then replaces the old one, so a crash leaves either the old or the new record. A
// short or garbled file is first kept aside as "userinfo.dat.hong" (numbered when one exists).
// False, with the reason in Vietnamese in *error, when nothing could be written (the file is left
// as it was).
bool writePersonalRecord(const PersonalRecord& record, const QString& devicePath = kPersonalFile,
                         QString* error = nullptr);

} // namespace velmora::personal
