// The saved-charts list "Danh sách lưu kiện": a search edit over the list of people kept in
// luulaso.dat, with details, new, save and delete; "OK" opens the chosen person's chart.
#pragma once

#include "app/charts/SavedChartsList.h"
#include "platform/shell/FullScreenDialog.h"

#include <QPointer>
#include <optional>

class QLineEdit;
class QTreeWidget;

namespace velmora::app {

// Menu bar 165's popup: "Xem chi tiết", "Lá số mới", "Lưu thông tin", "Xóa lá số", "Trở về".
std::vector<shell::MenuItem> savedChartsMenu();

class SavedChartsWindow : public shell::FullScreenDialog {
    Q_OBJECT
  public:
    SavedChartsWindow(QWidget* owner, const QString& programFolder);

    // The record of the row chosen with "OK", once the window has closed with it.
    const std::optional<charts::BirthRecord>& chosen() const { return chosen_; }

    SavedChartsList& list() { return list_; }
    QTreeWidget* listView() const { return view_; }
    QLineEdit* searchEdit() const { return search_; }
    // The entry dialog this window opened and waits for, or null.
    shell::FullScreenDialog* openChild() const { return child_; }
    QWidget* control(int id) const;

    // The selected row, or -1.
    int selectedRow() const;
    void selectRow(int row);

  protected:
    bool onOpen() override;
    void onCommand(int id) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void reload();
    void fillRows();
    void layoutColumns();
    void editSelected();
    void addNew();
    void deleteSelected();
    void save();
    void chooseSelected();

    QString programFolder_;
    SavedChartsList list_;
    QLineEdit* search_;
    QTreeWidget* view_;
    QPointer<shell::FullScreenDialog> child_;
    std::optional<charts::BirthRecord> chosen_;
};

} // namespace velmora::app
