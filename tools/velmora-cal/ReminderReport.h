// The device's reminders in the terminal and as an iCalendar file.
#pragma once

#include <string>

namespace velmora::cal {

// Prints the reminders of the device's lichnhan.dat with their next dates and alarms, and with
// icsPath not empty writes them as iCalendar there. Returns the exit code.
int printDeviceReminders(const std::string& icsPath);

} // namespace velmora::cal
