// The device's registered notification moments, kept in its registry under
// "Device\Notifications\<group>\<n>": each notice has a title, a body and the moments, in
// device-local wall time, at which it is to be shown.
#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

namespace velmora::notify {

struct Notice {
    QString title;
    QString body;
    // Device-local wall times, carried as UTC QDateTimes whose fields are the device's fields (as
    // device::localNow() gives them), in ascending order.
    std::vector<QDateTime> moments;
};

// Replaces every notice of `group` with `notices` in one write (an empty list clears the group).
// Moments are kept to the second, sorted; a notice without moments is not stored. False when the
// registry cannot be written, leaving the group as it was.
bool registerNotices(const QString& group, const std::vector<Notice>& notices);

// The notices of `group` still pending, in the order they were registered.
std::vector<Notice> registeredNotices(const QString& group);

// A moment that passed more than this long ago is dropped unshown: the device was off, or no
// program ran the service, and the moment is over.
inline constexpr qint64 kLateLimitSeconds = 24 * 3600;

// What a notice asks for at `now`: `over` moments from the front have come; `show` is the index
// of the one to show (the latest that has come, unless it is past the late limit), or -1.
struct Due {
    int show = -1;
    int over = 0;
};
Due dueAt(const Notice& notice, const QDateTime& now);

// Goes through every group's notices: each notice whose moment has come is handed to `show`
// (with that moment as its only one) and loses the moments that are over; a notice left without
// moments is deleted. A notice that `show` fails to show keeps its moment to be tried again
// until the late limit. Returns how many were shown.
int processDueNotices(const QDateTime& now, const std::function<bool(const Notice&)>& show);

} // namespace velmora::notify
