// The soft-key menu bar at the bottom of the screen: a left command key and a right key that
// opens a popup menu (or sends its own command when it has none).
#pragma once

#include "platform/shell/Menu.h"

#include <QToolButton>
#include <QWidget>

namespace velmora::shell {

struct MenuBarDescription {
    int leftId = 0;
    QString leftText;
    int rightId = 0;
    QString rightText;
    std::vector<MenuItem> rightMenu;
};

// A key with text needs a command id, unless it is the right key and opens a menu; at least one
// key has text; the menu's items are valid.
bool isValidMenuBar(const MenuBarDescription& keys);

class SoftKeyBar : public QWidget {
    Q_OBJECT
  public:
    // Null for an invalid description, so the caller can report it and go on without a bar.
    static SoftKeyBar* create(const MenuBarDescription& keys, QWidget* parent = nullptr);

    // Changes the caption of the key whose command is commandId; false when no key has it.
    bool setKeyText(int commandId, const QString& text);
    QString leftText() const;
    QString rightText() const;

    QMenu* rightMenu() const { return menu_; }
    QAction* action(int id) const { return findAction(menu_, id); }
    void setItemChecked(int id, bool checked);
    void setItemEnabled(int id, bool enabled);

    // Presses a key as a tap would.
    void pressLeft();
    void pressRight();
    // Opens the right key's menu above the bar, kept inside the bar's window.
    void openRightMenu();

    static int barHeight();

  signals:
    void command(int id);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    explicit SoftKeyBar(const MenuBarDescription& keys, QWidget* parent);
    MenuBarDescription keys_;
    QToolButton* left_;
    QToolButton* right_;
    QMenu* menu_ = nullptr;
};

// As on the device: changes one key's caption; false for a null bar or an unknown command.
bool SetSoftKeyText(SoftKeyBar* bar, int commandId, const QString& text);

} // namespace velmora::shell
