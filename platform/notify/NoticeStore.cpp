// Notices in the registry: one subkey per notice, its moments as one text value.
#include "platform/notify/NoticeStore.h"

#include "platform/registry/RegistryKey.h"

#include <QStringList>
#include <algorithm>

namespace velmora::notify {

using registry::RegistryKey;
using registry::Status;

namespace {

const QString kNotificationsKey = QStringLiteral("Device\\Notifications");
const QString kTitleValue = QStringLiteral("Title");
const QString kBodyValue = QStringLiteral("Body");
const QString kMomentsValue = QStringLiteral("Moments");
const QString kMomentFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

QString momentsText(const std::vector<QDateTime>& moments) {
    QStringList parts;
    for (const QDateTime& m : moments) parts << m.toString(kMomentFormat);
    return parts.join(QLatin1Char(' '));
}

std::vector<QDateTime> momentsOf(const QString& text) {
    std::vector<QDateTime> moments;
    for (const QString& part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QDateTime m = QDateTime::fromString(part, kMomentFormat);
        if (!m.isValid()) continue; // a damaged entry is dropped, the rest stay
        m.setTimeSpec(Qt::UTC);
        moments.push_back(m);
    }
    std::sort(moments.begin(), moments.end());
    return moments;
}

QDateTime toSecond(const QDateTime& t) {
    return QDateTime(t.date(), QTime(t.time().hour(), t.time().minute(), t.time().second()),
                     Qt::UTC);
}

bool readNotice(const RegistryKey& key, Notice* notice) {
    QString moments;
    if (key.getString(kMomentsValue, &moments) != Status::Success) return false;
    key.getString(kTitleValue, &notice->title);
    key.getString(kBodyValue, &notice->body);
    notice->moments = momentsOf(moments);
    return true;
}

Status writeNotice(const RegistryKey& key, const Notice& notice) {
    Status s = key.setString(kTitleValue, notice.title);
    if (s == Status::Success) s = key.setString(kBodyValue, notice.body);
    if (s == Status::Success) s = key.setString(kMomentsValue, momentsText(notice.moments));
    return s;
}

QStringList subkeys(const RegistryKey& key) {
    QStringList names;
    QString name;
    for (uint32_t i = 0; key.enumKey(i, &name) == Status::Success; ++i) names << name;
    return names;
}

} // namespace

bool registerNotices(const QString& group, const std::vector<Notice>& notices) {
    if (group.isEmpty() || group.contains(QLatin1Char('\\'))) return false;
    RegistryKey all;
    if (RegistryKey::currentUser().create(kNotificationsKey, &all) != Status::Success) return false;
    // Deleting the old notices and writing the new ones is one write: a reader sees either.
    const Status s = all.transaction([&] {
        // Only an existing group is deleted: a failed step inside the write would undo it all.
        RegistryKey old;
        if (all.open(group, &old) == Status::Success)
            if (const Status removed = all.deleteKey(group); removed != Status::Success)
                return removed;
        RegistryKey groupKey;
        if (const Status c = all.create(group, &groupKey); c != Status::Success) return c;
        int n = 0;
        for (const Notice& notice : notices) {
            Notice stored = notice;
            std::transform(stored.moments.begin(), stored.moments.end(), stored.moments.begin(),
                           toSecond);
            std::sort(stored.moments.begin(), stored.moments.end());
            if (stored.moments.empty()) continue;
            RegistryKey key;
            if (const Status c = groupKey.create(QString::number(n++), &key); c != Status::Success)
                return c;
            if (const Status w = writeNotice(key, stored); w != Status::Success) return w;
        }
        return Status::Success;
    });
    return s == Status::Success;
}

std::vector<Notice> registeredNotices(const QString& group) {
    std::vector<Notice> notices;
    RegistryKey groupKey;
    if (RegistryKey::currentUser().open(kNotificationsKey + QLatin1Char('\\') + group, &groupKey) !=
        Status::Success)
        return notices;
    for (const QString& name : subkeys(groupKey)) {
        RegistryKey key;
        Notice notice;
        if (groupKey.open(name, &key) == Status::Success && readNotice(key, &notice))
            notices.push_back(notice);
    }
    return notices;
}

Due dueAt(const Notice& notice, const QDateTime& now) {
    Due due;
    while (due.over < int(notice.moments.size()) && notice.moments[due.over] <= now) ++due.over;
    if (due.over > 0 && notice.moments[due.over - 1].secsTo(now) <= kLateLimitSeconds)
        due.show = due.over - 1;
    return due;
}

int processDueNotices(const QDateTime& now, const std::function<bool(const Notice&)>& show) {
    RegistryKey all;
    if (RegistryKey::currentUser().open(kNotificationsKey, &all) != Status::Success) return 0;
    int shown = 0;
    for (const QString& group : subkeys(all)) {
        RegistryKey groupKey;
        if (all.open(group, &groupKey) != Status::Success) continue;
        for (const QString& name : subkeys(groupKey)) {
            RegistryKey key;
            Notice notice;
            if (groupKey.open(name, &key) != Status::Success || !readNotice(key, &notice)) continue;
            const Due due = dueAt(notice, now);
            if (due.over == 0) continue;
            int drop = due.over;
            if (due.show >= 0) {
                Notice one = notice;
                one.moments = {notice.moments[due.show]};
                if (show(one))
                    ++shown;
                else
                    drop = due.show; // kept, to be tried again
            }
            if (drop == 0) continue;
            const QDateTime lastDropped = notice.moments[drop - 1];
            // Written back only if the notice is still the one read: a save may have replaced the
            // group meanwhile.
            groupKey.transaction([&] {
                Notice current;
                RegistryKey again;
                if (groupKey.open(name, &again) != Status::Success ||
                    !readNotice(again, &current) || current.title != notice.title ||
                    current.body != notice.body)
                    return Status::NotFound;
                std::erase_if(current.moments,
                              [&](const QDateTime& m) { return m <= lastDropped; });
                if (current.moments.empty()) return groupKey.deleteKey(name);
                return again.setString(kMomentsValue, momentsText(current.moments));
            });
        }
    }
    return shown;
}

} // namespace velmora::notify
