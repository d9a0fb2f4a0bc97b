// velmora-cal's calendars for other programs: the device's reminders (--reminders, --ics) and the
// lunar calendar of a range of years (--ics-year).
#pragma once

#include <string>
#include <vector>

namespace velmora::cal {

// The usage lines of these modes.
extern const char* const kExportUsage;

// Runs `command` with its arguments when it is one of these modes and returns the exit code; -1
// when the command is not one of them.
int runExportMode(const std::string& command, const std::vector<std::string>& args);

// Writes text to path ("-" is standard output): a regular file is written beside and renamed into
// place, anything else (a device, a pipe) is written directly. False with a Vietnamese reason.
bool writeOutput(const std::string& path, const std::string& text, std::string& error);

} // namespace velmora::cal
