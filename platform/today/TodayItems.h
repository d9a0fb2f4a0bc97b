// The items registered with the Today screen (under "Device\Today\Items", one subkey each) and
// the loading of their plug-ins.
#pragma once

#include "platform/today/TodayItemContract.h"

#include <QLibrary>
#include <QString>
#include <memory>
#include <vector>

namespace velmora::todayscreen {

inline const QString kItemsKey = QStringLiteral("Device\\Today\\Items");

struct ItemRegistration {
    QString name;         // the subkey's name
    QString dll;          // "DLL": the plug-in's device path
    uint32_t order = 0;   // "Order"
    bool enabled = true;  // "Enabled"
    bool options = false; // "Options": the plug-in has an options dialog
};

// The registered items, by "Order" then by name; a subkey without "DLL" is skipped.
std::vector<ItemRegistration> registeredItems();

// Registers (or updates) an item. A new registration is enabled and takes `order`; an existing
// one keeps the user's "Enabled" and "Order" and gets the new DLL path and options flag.
bool registerItem(const ItemRegistration& item);

// A loaded plug-in with its two entries; `init` is null when it could not be loaded.
struct LoadedPlugin {
    std::unique_ptr<QLibrary> library;
    InitializeCustomItemFn init = nullptr;
    CustomItemOptionsFn options = nullptr;
    QString error; // why it could not be loaded, for the Today screen's report
};

// Loads the plug-in at a device path (an installed link to the host file) and finds its entries
// by ordinal. The library stays loaded for the process's life.
LoadedPlugin loadPlugin(const QString& dllDevicePath);

} // namespace velmora::todayscreen
