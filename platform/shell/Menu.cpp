// Building QMenus from item tables.
#include "platform/shell/Menu.h"

#include <QActionGroup>
#include <algorithm>

namespace velmora::shell {

bool isValidMenu(const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (item.flags & MenuSeparator) continue;
        if (item.text.isEmpty()) return false;
        if (!item.children.empty()) {
            if (!isValidMenu(item.children)) return false;
        } else if (item.id == 0) {
            return false;
        }
    }
    return true;
}

namespace {

void fill(QMenu* menu, const std::vector<MenuItem>& items,
          const std::function<void(int)>& onCommand) {
    QActionGroup* radios = nullptr;
    for (const MenuItem& item : items) {
        if (!(item.flags & MenuRadio)) radios = nullptr;
        if (item.flags & MenuSeparator) {
            menu->addSeparator();
            continue;
        }
        if (!item.children.empty()) {
            QMenu* sub = menu->addMenu(item.text);
            sub->setEnabled(!(item.flags & MenuGrayed));
            fill(sub, item.children, onCommand);
            continue;
        }
        QAction* action = menu->addAction(item.text);
        action->setData(item.id);
        action->setEnabled(!(item.flags & MenuGrayed));
        if (item.flags & (MenuChecked | MenuRadio)) {
            action->setCheckable(true);
            action->setChecked(item.flags & MenuChecked);
        }
        if (item.flags & MenuRadio) {
            if (!radios) radios = new QActionGroup(menu);
            radios->addAction(action);
        }
        const int id = item.id;
        QObject::connect(action, &QAction::triggered, menu, [onCommand, id] {
            if (onCommand) onCommand(id);
        });
    }
}

} // namespace

QMenu* buildMenu(const std::vector<MenuItem>& items, QWidget* parent,
                 const std::function<void(int)>& onCommand) {
    auto* menu = new QMenu(parent);
    fill(menu, items, onCommand);
    return menu;
}

void popupInsideWindow(QMenu* menu, QWidget* anchor, QPoint globalPos) {
    if (!menu) return;
    const QSize size = menu->sizeHint();
    QPoint at = globalPos;
    if (anchor) {
        const QWidget* window = anchor->window();
        const QRect area(window->mapToGlobal(QPoint(0, 0)), window->size());
        at.setX(std::clamp(at.x(), area.left(),
                           std::max(area.left(), area.right() + 1 - size.width())));
        at.setY(std::clamp(at.y(), area.top(),
                           std::max(area.top(), area.bottom() + 1 - size.height())));
    }
    menu->popup(at);
    if (menu->pos() != at) menu->move(at); // the host screen's own clamping is not ours
}

QAction* findAction(QMenu* menu, int id) {
    if (!menu) return nullptr;
    for (QAction* action : menu->actions()) {
        if (action->menu()) {
            if (QAction* found = findAction(action->menu(), id)) return found;
        } else if (!action->isSeparator() && action->data().toInt() == id) {
            return action;
        }
    }
    return nullptr;
}

} // namespace velmora::shell
