// Menus described as tables of items, built into QMenus whose commands arrive by id.
#pragma once

#include <QMenu>
#include <QString>
#include <functional>
#include <vector>

namespace velmora::shell {

// Flag values as the device's menu flags, so resource tables carry over unchanged.
enum MenuFlag : unsigned {
    MenuGrayed = 0x0001,
    MenuChecked = 0x0008,
    MenuRadio = 0x0200,
    MenuSeparator = 0x0800,
};

struct MenuItem {
    int id = 0;
    QString text;
    unsigned flags = 0;
    std::vector<MenuItem> children; // non-empty: a submenu
};

// True when every item is a separator, a submenu with text and valid children, or a command
// with text and a non-zero id.
bool isValidMenu(const std::vector<MenuItem>& items);

// Builds the menu; choosing an item calls onCommand with its id. Consecutive radio items form
// one exclusive group.
QMenu* buildMenu(const std::vector<MenuItem>& items, QWidget* parent,
                 const std::function<void(int)>& onCommand);

// Opens menu at globalPos, moved as needed to lie inside anchor's window (the device frame),
// not merely inside the host screen. Used for soft-key popups and tap-and-hold context menus.
void popupInsideWindow(QMenu* menu, QWidget* anchor, QPoint globalPos);

// The action for a command id anywhere in menu and its submenus, or null.
QAction* findAction(QMenu* menu, int id);

} // namespace velmora::shell
