// The options dialog (template 500, ordinal 241): a full-screen dialog whose five tab pages edit
// the item's settings and weather cities; Done saves everything, closing otherwise keeps nothing
// but a colour already picked.
#pragma once

#include "today/TodayLayout.h"
#include "today/TodaySettings.h"

#include "platform/shell/FullScreenDialog.h"

class QTabWidget;

namespace velmora::today {

class TodayItemWindow;
class PlacesPage;

inline constexpr char16_t kOptionsTitle[] = u"VelmoraHome 1.0";
inline constexpr char16_t kOptionsTabs[5][10] = {u"Hiển thị", u"Định dạng", u"Địa điểm",
                                                 u"Cập nhật", u"Thông tin"};

// The dialog's soft keys (menu bar 108): "Trở về" and the pop-up "Muc chon".
shell::MenuBarDescription optionsKeys();

class OptionsDialog : public shell::FullScreenDialog {
    Q_OBJECT
  public:
    // settings: the item's own (or a copy when no item runs), reloaded from the registry here;
    // item: told to lay out and repaint after Done, when there is one.
    OptionsDialog(QWidget* owner, TodaySettings& settings, Units units, TodayItemWindow* item,
                  shell::MenuBarDescription keys = optionsKeys());

    QTabWidget* tabs() const { return tabs_; }
    QWidget* page(int index) const { return pages_[size_t(index)]; }
    PlacesPage* places() const;
    // Done's work: collect every page, write the cities and the settings, tell the item.
    void save();

  protected:
    bool onOpen() override;
    void resizeEvent(QResizeEvent* event) override;
    void onCommand(int id) override;

  private:
    TodaySettings& settings_;
    Units units_;
    TodayItemWindow* item_;
    QTabWidget* tabs_;
    std::array<QWidget*, 5> pages_{};
    bool menuBarFailed_ = false;
};

// Runs the dialog modally over owner for the running item (or the stored settings when none
// runs); 1 after Done, 2 otherwise.
intptr_t runOptionsDialog(QWidget* owner);

} // namespace velmora::today
