// Item registrations in the registry and plug-ins loaded with QLibrary.
#include "platform/today/TodayItems.h"

#include "platform/device/DeviceRoot.h"
#include "platform/registry/RegistryKey.h"

#include <QFileInfo>
#include <algorithm>

namespace velmora::todayscreen {

using registry::RegistryKey;
using registry::Status;

std::vector<ItemRegistration> registeredItems() {
    std::vector<ItemRegistration> items;
    RegistryKey root;
    if (RegistryKey::currentUser().open(kItemsKey, &root) != Status::Success) return items;
    QString name;
    for (uint32_t i = 0; root.enumKey(i, &name) == Status::Success; ++i) {
        RegistryKey key;
        ItemRegistration item;
        item.name = name;
        if (root.open(name, &key) != Status::Success ||
            key.getString(QStringLiteral("DLL"), &item.dll) != Status::Success ||
            item.dll.isEmpty())
            continue;
        uint32_t value = 0;
        if (key.getDword(QStringLiteral("Order"), &value) == Status::Success) item.order = value;
        if (key.getDword(QStringLiteral("Enabled"), &value) == Status::Success)
            item.enabled = value != 0;
        if (key.getDword(QStringLiteral("Options"), &value) == Status::Success)
            item.options = value != 0;
        items.push_back(item);
    }
    std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
        return a.order != b.order ? a.order < b.order
                                  : a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return items;
}

bool registerItem(const ItemRegistration& item) {
    if (item.name.isEmpty() || item.name.contains(u'\\') || item.dll.isEmpty()) return false;
    RegistryKey key;
    bool created = false;
    if (RegistryKey::currentUser().create(kItemsKey + u'\\' + item.name, &key, &created) !=
        Status::Success)
        return false;
    return key.transaction([&] {
        Status s = key.setString(QStringLiteral("DLL"), item.dll);
        if (s == Status::Success) s = key.setDword(QStringLiteral("Type"), kCustomItemType);
        if (s == Status::Success) s = key.setDword(QStringLiteral("Options"), item.options ? 1 : 0);
        uint32_t existing = 0;
        if (s == Status::Success &&
            key.getDword(QStringLiteral("Enabled"), &existing) == Status::NotFound)
            s = key.setDword(QStringLiteral("Enabled"), item.enabled ? 1 : 0);
        if (s == Status::Success &&
            key.getDword(QStringLiteral("Order"), &existing) == Status::NotFound)
            s = key.setDword(QStringLiteral("Order"), item.order);
        return s;
    }) == Status::Success;
}

LoadedPlugin loadPlugin(const QString& dllDevicePath) {
    LoadedPlugin plugin;
    const std::optional<QString> host =
        device::hostPath(dllDevicePath, device::LinkPolicy::AllowProgramLink);
    if (!host || !QFileInfo(*host).isFile()) {
        plugin.error = QStringLiteral("không có tệp %1").arg(dllDevicePath);
        return plugin;
    }
    plugin.library = std::make_unique<QLibrary>(*host);
    if (!plugin.library->load()) {
        plugin.error = plugin.library->errorString();
        return plugin;
    }
    plugin.init = reinterpret_cast<InitializeCustomItemFn>(
        plugin.library->resolve(ordinalSymbol(kInitializeItemOrdinal).constData()));
    plugin.options = reinterpret_cast<CustomItemOptionsFn>(
        plugin.library->resolve(ordinalSymbol(kItemOptionsOrdinal).constData()));
    if (!plugin.init)
        plugin.error =
            QStringLiteral("%1 không có mục số %2").arg(dllDevicePath).arg(kInitializeItemOrdinal);
    return plugin;
}

} // namespace velmora::todayscreen
