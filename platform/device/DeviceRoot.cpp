// Device root lookup and the case-blind, contained mapping of device paths to host paths.
#include "platform/device/DeviceRoot.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace velmora::device {
namespace {

bool isInside(const QString& canonical, const QString& canonicalRoot) {
    return canonical == canonicalRoot || canonical.startsWith(canonicalRoot + QLatin1Char('/'));
}

// The entry of dir whose name equals name case-blind; the exact spelling wins over others.
QString matchEntry(const QDir& dir, const QString& name) {
    if (QFileInfo::exists(dir.filePath(name)) || QFileInfo(dir.filePath(name)).isSymLink())
        return name;
    const QStringList entries = dir.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    const QString folded = name.toCaseFolded();
    for (const QString& entry : entries)
        if (entry.toCaseFolded() == folded) return entry;
    return QString();
}

} // namespace

QString deviceRoot() {
    QString root = qEnvironmentVariable("VELMORA_DEVICE_ROOT");
    if (root.isEmpty()) {
        QString data = qEnvironmentVariable("XDG_DATA_HOME");
        if (data.isEmpty()) data = QDir::homePath() + QStringLiteral("/.local/share");
        root = data + QStringLiteral("/velmora/device");
    }
    return QDir::cleanPath(QDir(root).absolutePath());
}

std::optional<QString> hostPath(const QString& devicePath, LinkPolicy policy) {
    if (devicePath.contains(QChar(0))) return std::nullopt;
    QString path = devicePath;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    // "\\server\share" would name another machine.
    if (!path.startsWith(QLatin1Char('\\')) || path.startsWith(QLatin1String("\\\\")))
        return std::nullopt;
    QStringList parts = path.mid(1).split(QLatin1Char('\\'));
    if (!parts.isEmpty() && parts.last().isEmpty()) parts.removeLast(); // a trailing backslash
    for (const QString& part : parts)
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return std::nullopt;

    const QString root = deviceRoot();
    if (!QDir().mkpath(root)) return std::nullopt;
    const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
    if (canonicalRoot.isEmpty()) return std::nullopt;

    QString current = root;
    bool existing = true;
    for (int i = 0; i < parts.size(); ++i) {
        QString name = parts.at(i);
        if (existing) {
            const QString found = matchEntry(QDir(current), name);
            if (found.isEmpty())
                existing = false;
            else
                name = found;
        }
        current += QLatin1Char('/') + name;
        if (!existing) continue;
        const QFileInfo info(current);
        const bool last = i == parts.size() - 1;
        if (last && policy == LinkPolicy::AllowProgramLink && info.isSymLink()) break;
        const QString canonical = info.canonicalFilePath();
        // A dangling link has no canonical path: refuse it rather than create through it.
        if (canonical.isEmpty() || !isInside(canonical, canonicalRoot)) return std::nullopt;
    }
    return current;
}

std::optional<QString> devicePathOf(const QString& hostFilePath) {
    const QString root = deviceRoot();
    const QString absolute = QDir::cleanPath(QDir(hostFilePath).absolutePath());
    QString relative;
    if (absolute == root) {
        relative = QString();
    } else if (absolute.startsWith(root + QLatin1Char('/'))) {
        relative = absolute.mid(root.size() + 1);
    } else {
        // The host path may reach the root through a link (e.g. /tmp and /private/tmp).
        const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
        const QString canonical = QFileInfo(absolute).canonicalFilePath();
        if (canonicalRoot.isEmpty() || canonical.isEmpty()) return std::nullopt;
        if (canonical == canonicalRoot)
            relative = QString();
        else if (canonical.startsWith(canonicalRoot + QLatin1Char('/')))
            relative = canonical.mid(canonicalRoot.size() + 1);
        else
            return std::nullopt;
    }
    if (relative.contains(QLatin1Char('\\'))) return std::nullopt; // not a device name
    return QLatin1Char('\\') + relative.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

} // namespace velmora::device
