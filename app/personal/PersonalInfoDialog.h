// The full-screen dialog "Thông tin cá nhân" that edits the personal record and saves it.
#pragma once

#include "app/res/CommandIds.h"
#include "suite/personal/PersonalFields.h"
#include "suite/personal/PersonalFile.h"

#include "platform/shell/FullScreenDialog.h"

class QButtonGroup;
class QDateTimeEdit;
class QLineEdit;
class QRadioButton;

namespace velmora::app {

using personal::kPersonalFile;
using personal::PersonalFields;
using personal::PersonalRecord;

class PersonalInfoDialog : public shell::FullScreenDialog {
    Q_OBJECT
  public:
    // record is the program-wide personal record, edited in place when the user saves.
    // menu: the popup's items; when they cannot make a menu bar the dialog says so and goes on.
    PersonalInfoDialog(QWidget* owner, PersonalRecord& record,
                       const QString& filePath = kPersonalFile,
                       std::vector<shell::MenuItem> menu = popupMenu());

    static std::vector<shell::MenuItem> popupMenu();

    // Fills the controls from the record.
    void LoadPersonalFields();
    // Copies the controls into the record, writes the file and tells the Today item to reload;
    // false, with the reason in *error, when the file could not be written (the record is updated
    // all the same).
    bool SavePersonalRecord(QString* error = nullptr);

    // The control with that product id, or null.
    QWidget* control(int id) const;

  protected:
    void onCommand(int id) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildControls();
    PersonalFields currentFields() const;

    PersonalRecord& record_;
    QString filePath_;
    bool menuBarFailed_ = false;
    bool reported_ = false;
    QLineEdit* name_ = nullptr;
    QLineEdit* company_ = nullptr;
    QLineEdit* address_ = nullptr;
    QLineEdit* telephone_ = nullptr;
    QLineEdit* email_ = nullptr;
    QDateTimeEdit* birth_ = nullptr;
    QRadioButton* male_ = nullptr;
    QRadioButton* female_ = nullptr;
};

} // namespace velmora::app
