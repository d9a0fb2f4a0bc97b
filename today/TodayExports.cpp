// The plug-in's entries for the Today screen: ordinal 240 creates the item window, ordinal 241
// runs the options dialog. Each is exported under its published name and under its ordinal.
#include "today/OptionsDialog.h"
#include "today/TodayItemWindow.h"

#include "platform/today/TodayItemContract.h"

using velmora::todayscreen::TodayListItem;

#define VELMORA_TODAY_EXPORT extern "C" __attribute__((visibility("default")))

VELMORA_TODAY_EXPORT QWidget* InitializeCustomItem(TodayListItem* item, QWidget* todayWindow) {
    if (!item || !item->enabled) return nullptr; // a disabled item creates no window
    return new velmora::today::TodayItemWindow(item, todayWindow);
}

VELMORA_TODAY_EXPORT intptr_t CustomItemOptionsDlgProc(QWidget* owner, TodayListItem*) {
    return velmora::today::runOptionsDialog(owner);
}

VELMORA_TODAY_EXPORT QWidget* TodayOrdinal240(TodayListItem* item, QWidget* todayWindow) {
    return InitializeCustomItem(item, todayWindow);
}

VELMORA_TODAY_EXPORT intptr_t TodayOrdinal241(QWidget* owner, TodayListItem* item) {
    return CustomItemOptionsDlgProc(owner, item);
}
