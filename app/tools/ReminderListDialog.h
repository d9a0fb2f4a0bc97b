// The reminder list "Lịch lễ hội, lịch nhắn": the user's reminders, one owner-drawn row each,
// sorted four ways, added and changed through the editor, deleted, and saved to the reminder file
// on request.
#pragma once

#include "app/tools/ReminderEditorDialog.h"
#include "app/tools/ReminderList.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/shell/FullScreenDialog.h"
#include "suite/reminders/ReminderFile.h"

#include <QListWidget>
#include <QPointer>
#include <functional>

namespace velmora::app {

class ReminderListDialog : public shell::FullScreenDialog {
    Q_OBJECT
  public:
    // Menu 158, shared by the list and the editor.
    static std::vector<shell::MenuItem> reminderMenu();

    // changeMessage: the number of "VL_LICHNHAN_CHANGE" that a save announces to the Today item;
    // filePath: the reminder file's device path; menu and strip as the program's resources give
    // them (a menu that cannot make a bar, or a strip of fewer than 3 images, are told or shown as
    // the device would).
    ReminderListDialog(QWidget* owner, uint32_t changeMessage,
                       const QString& filePath = reminders::kReminderFile,
                       std::vector<shell::MenuItem> menu = reminderMenu(),
                       const QImage& strip = QImage());

    const ReminderListState& list() const { return state_; }
    // The list control (6000); null when the image strip has too few images.
    QListWidget* listControl() const { return view_; }
    // The editor while it runs, for tests; null otherwise.
    ReminderEditorDialog* editor() const { return editor_; }

    // Selects a row as a tap would (-1 for none).
    void select(int row);
    // Runs the editor on the selected row (edit) or on a new reminder; false when it was not run.
    bool runEditor(bool edit);
    // "Lưu dữ liệu": writes the file, registers the alarms, tells the user and the Today item.
    void save();

  protected:
    bool onOpen() override;
    void onClosed() override;
    void onCommand(int id) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void showRows();
    void sortBy(ReminderSort key);
    void toggleFullScreen();
    void applyFullScreen();
    void fitList();

    uint32_t changeMessage_;
    QString filePath_;
    ReminderListState state_;
    gdi::ImageList icons_;
    QPointer<QListWidget> view_;
    QPointer<ReminderEditorDialog> editor_;
    std::vector<shell::MenuItem> menu_;
    bool menuBarFailed_ = false;
};

} // namespace velmora::app
