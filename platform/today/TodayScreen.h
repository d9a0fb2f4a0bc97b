// The Today screen: the device's home screen that hosts the registered items one below the other
// over its background, gives and takes the selection, forwards keys, asks the items for their
// height, and opens an item's options.
#pragma once

#include "platform/today/TodayItemContract.h"
#include "platform/today/TodayItems.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

namespace velmora::todayscreen {

class TodayScreen : public QWidget {
    Q_OBJECT
  public:
    explicit TodayScreen(QWidget* parent = nullptr);
    ~TodayScreen() override;

    // Loads every enabled registered item and creates its window; a plug-in that cannot be
    // loaded is left out and named in the returned report (one line each).
    QStringList loadRegisteredItems();
    // Adds an item from entries already at hand (a plug-in linked into a test, say); false when
    // the item creates no window.
    bool addItem(const QString& name, InitializeCustomItemFn init, CustomItemOptionsFn options,
                 bool enabled = true);

    int itemCount() const { return int(items_.size()); }
    QWidget* itemWindow(int index) const;
    const TodayListItem* itemDescription(int index) const;
    int selected() const { return selected_; }

    // Asks every item for its height (the refresh query) and lays them out again when one
    // changed. Runs every two seconds and whenever the screen changes size.
    void refreshItems();
    // Moves the selection to index (-1: none), telling the old and the new item.
    void select(int index, uint32_t key = 0);
    // Sends a key to the selected item as the device's navigation does.
    void navigate(uint32_t virtualKey);
    // Runs the options dialog of the item at index (ordinal 241); 0 when it has none.
    intptr_t openOptions(int index);
    // The items that have an options dialog.
    std::vector<int> itemsWithOptions() const;

    static constexpr int kRefreshIntervalMs = 2000;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Hosted {
        std::unique_ptr<TodayListItem> description;
        std::unique_ptr<QLibrary> library; // kept loaded while the item lives
        CustomItemOptionsFn options = nullptr;
        QPointer<QWidget> window;
    };
    bool host(Hosted hosted, InitializeCustomItemFn init);
    void layoutItems();
    std::vector<QRect> itemRects() const;

    std::vector<Hosted> items_;
    int selected_ = -1;
    QTimer refreshTimer_;
};

} // namespace velmora::todayscreen
