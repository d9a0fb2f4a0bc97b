// The reminder editor "Lịch nhắn": title, place, day and month, "Âm lịch", kind, the alarm time
// with its check box and the days before, and a note; placed in the landscape or the upright
// arrangement as the screen's shape asks.
#pragma once

#include "app/tools/ReminderEditor.h"

#include "platform/shell/FullScreenDialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QTimeEdit;

namespace velmora::app {

class ReminderEditorDialog : public shell::FullScreenDialog {
    Q_OBJECT
  public:
    // menu: the list's menu 158, whose entries do nothing here; when its items cannot make a
    // menu bar the editor says so and goes on without it.
    ReminderEditorDialog(QWidget* owner, const ReminderEditorValues& values,
                         std::vector<shell::MenuItem> menu);

    // What the controls hold now.
    ReminderEditorValues values() const;
    QWidget* control(int id) const;

  protected:
    void onCommand(int id) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void build();
    void load(const ReminderEditorValues& v);
    void place();

    int contentLimit_ = kEditorContentLimit;
    bool menuBarFailed_ = false;
    bool reported_ = false;
    QLineEdit* title_ = nullptr;
    QLineEdit* place_ = nullptr;
    QComboBox* day_ = nullptr;
    QComboBox* month_ = nullptr;
    QCheckBox* lunar_ = nullptr;
    QComboBox* kind_ = nullptr;
    QCheckBox* alarmOn_ = nullptr;
    QTimeEdit* time_ = nullptr;
    QComboBox* daysBefore_ = nullptr;
    QPlainTextEdit* content_ = nullptr;
};

} // namespace velmora::app
