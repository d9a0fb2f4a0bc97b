// Installation of a program into the device root.
#include "suite/install/Install.h"

#include "platform/device/DeviceRoot.h"
#include "platform/registry/RegistryKey.h"
#include "platform/today/TodayItems.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace velmora::install {
using device::hostPath;
using device::LinkPolicy;

namespace {

bool fail(QString* error, const QString& message) {
    if (error) *error = message;
    return false;
}

// Replaces target with a copy of source, written whole before it takes the old file's place.
bool copyOver(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) return false;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError) return false;
        if (out.write(chunk) != chunk.size()) return false;
    }
    return out.commit();
}

// Whether target already holds exactly source's bytes, so a repeated installation
// (every start of a program) leaves it alone.
bool sameContent(const QString& source, const QString& target) {
    const QFileInfo a(source), b(target);
    if (!b.isFile() || a.size() != b.size()) return false;
    QFile in(source), out(target);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::ReadOnly)) return false;
    while (!in.atEnd()) {
        if (in.read(1 << 16) != out.read(1 << 16)) return false;
    }
    return true;
}

bool isUserFile(const QString& name, const QStringList& userFiles) {
    return userFiles.contains(name, Qt::CaseInsensitive);
}

// Copies every file below hostFolder to the same relative place below deviceFolder.
bool copyFolder(const QString& hostFolder, const QString& deviceFolder,
                const QStringList& userFiles, QString* error) {
    if (hostFolder.isEmpty()) return true;
    if (!QFileInfo(hostFolder).isDir())
        return fail(error, QStringLiteral("%1 không phải là một thư mục").arg(hostFolder));
    const QDir base(hostFolder);
    QDirIterator it(hostFolder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        QString relative = base.relativeFilePath(source);
        const QString devicePath = deviceFolder + "\\" + relative.replace('/', '\\');
        const std::optional<QString> target = hostPath(devicePath);
        if (!target) return fail(error, QStringLiteral("không đặt được %1").arg(devicePath));
        if (isUserFile(QFileInfo(source).fileName(), userFiles) && QFileInfo::exists(*target))
            continue;
        if (sameContent(source, *target)) continue;
        if (!QDir().mkpath(QFileInfo(*target).absolutePath()) || !copyOver(source, *target))
            return fail(error, QStringLiteral("không chép được %1 vào %2").arg(source, devicePath));
    }
    return true;
}

bool linkExecutable(const QString& hostExecutable, const QString& link, QString* error) {
    const QString target = QFileInfo(hostExecutable).absoluteFilePath();
    if (!QFileInfo(target).isFile())
        return fail(error, QStringLiteral("%1 không phải là một tệp").arg(hostExecutable));
    const QFileInfo existing(link);
    if (existing.isSymLink() && existing.symLinkTarget() == target) return true;
    if ((existing.exists() || existing.isSymLink()) && !QFile::remove(link))
        return fail(error, QStringLiteral("không thay được %1").arg(link));
    if (!QFile::link(target, link))
        return fail(error, QStringLiteral("không tạo được liên kết %1").arg(link));
    return true;
}

} // namespace

QString InstallPlan::defaultTodayItemFile() {
    const QString chosen = qEnvironmentVariable("VELMORA_TODAY_PLUGIN");
#ifdef VELMORA_TODAY_PLUGIN
    return chosen.isEmpty() ? QStringLiteral(VELMORA_TODAY_PLUGIN) : chosen;
#else
    return chosen;
#endif
}

bool installTodayItem(const QString& programFolder, const QString& hostPlugin, QString* error) {
    const QString dll = programFolder + u'\\' + kTodayItemFile;
    const std::optional<QString> link = hostPath(dll, LinkPolicy::AllowProgramLink);
    if (!link) return fail(error, QStringLiteral("không đặt được %1").arg(dll));
    if (!linkExecutable(hostPlugin, *link, error)) return false;

    todayscreen::ItemRegistration item;
    item.name = kTodayItemName;
    item.dll = dll;
    item.options = true;
    if (!todayscreen::registerItem(item))
        return fail(error, QStringLiteral("không đăng ký được mục Hôm nay với màn hình Hôm nay"));

    registry::RegistryKey key;
    QString folder;
    if (registry::RegistryKey::currentUser().create("Software\\VelmoraSoft\\VelmoraToday", &key) !=
            registry::Status::Success ||
        (key.getString("ThuMucAnh", &folder) == registry::Status::NotFound &&
         key.setString("ThuMucAnh", programFolder + "\\Images") != registry::Status::Success))
        return fail(error, QStringLiteral("không ghi được \"ThuMucAnh\" vào sổ đăng ký"));
    return true;
}

bool install(const InstallPlan& plan, QString* error) {
    QString folder = plan.programFolder;
    while (folder.endsWith('\\')) folder.chop(1);
    if (folder.isEmpty() || plan.exeName.isEmpty() || plan.exeName.contains('\\') ||
        plan.exeName.contains('/'))
        return fail(error, QStringLiteral("mô tả cài đặt chưa đủ"));

    const std::optional<QString> hostFolder = hostPath(folder);
    if (!hostFolder || !QDir().mkpath(*hostFolder))
        return fail(error, QStringLiteral("không tạo được thư mục %1").arg(folder));
    const QString exeDevicePath = folder + "\\" + plan.exeName;
    const std::optional<QString> link = hostPath(exeDevicePath, LinkPolicy::AllowProgramLink);
    if (!link) return fail(error, QStringLiteral("không đặt được %1").arg(exeDevicePath));
    if (!linkExecutable(plan.hostExecutable, *link, error)) return false;

    if (!copyFolder(plan.hostData, folder + "\\Data", plan.userFiles, error)) return false;
    if (!copyFolder(plan.hostImages, folder + "\\Images", plan.userFiles, error)) return false;

    registry::RegistryKey key;
    const registry::RegistryKey root = registry::RegistryKey::currentUser();
    if (!root.isValid() ||
        root.create("Software\\VelmoraSoft\\LichVelmora", &key) != registry::Status::Success ||
        key.setString("ThuMucLich", folder) != registry::Status::Success)
        return fail(error, QStringLiteral("không ghi được \"ThuMucLich\" vào sổ đăng ký"));
    if (!plan.hostTodayItem.isEmpty() && QFileInfo(plan.hostTodayItem).isFile())
        return installTodayItem(folder, plan.hostTodayItem, error);
    return true;
}

} // namespace velmora::install
