// Building, filling and saving the personal information dialog.
#include "app/personal/PersonalInfoDialog.h"

#include "suite/today/TodayNotify.h"

#include "platform/shell/ControlId.h"
#include "platform/shell/FormControls.h"
#include "platform/shell/MenuBarFailure.h"
#include "platform/shell/MessageBox.h"

#include <QDateTimeEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

namespace velmora::app {

using namespace velmora::personal;
using namespace velmora::today;

std::vector<shell::MenuItem> PersonalInfoDialog::popupMenu() {
    return {{CmdPersonalReset, QStringLiteral("Làm lại"), 0, {}},
            {CmdPersonalSave, QStringLiteral("Lưu thông tin"), 0, {}}};
}

PersonalInfoDialog::PersonalInfoDialog(QWidget* owner, PersonalRecord& record,
                                       const QString& filePath, std::vector<shell::MenuItem> menu)
    : FullScreenDialog(owner, QStringLiteral("Thông tin cá nhân"), menu), record_(record),
      filePath_(filePath) {
    // The base falls back to a bar without the popup when the items cannot make one.
    menuBarFailed_ = shell::menuPopupMissing(*this, menu);
    buildControls();
    LoadPersonalFields();
}

void PersonalInfoDialog::buildControls() {
    QGridLayout* grid = shell::formGrid(this);

    // Limits count the terminator, as the record's widths do.
    const struct {
        QLineEdit** edit;
        int id;
        const char* label;
        int limit;
    } edits[] = {{&name_, IdcPersonalName, "Họ tên", kNameWidth},
                 {&company_, IdcPersonalCompany, "Công ty", kCompanyWidth},
                 {&address_, IdcPersonalAddress, "Địa chỉ", kAddressWidth},
                 {&telephone_, IdcPersonalTelephone, "Điện thoại *", kTelephoneWidth},
                 {&email_, IdcPersonalEmail, "E-mail *", kEmailWidth}};
    int row = 0;
    for (const auto& e : edits) {
        *e.edit = shell::withControlId(new QLineEdit(this), e.id);
        (*e.edit)->setMaxLength(e.limit - 1);
        shell::addFormRow(grid, row++, QString::fromUtf8(e.label), *e.edit);
    }

    birth_ = shell::withControlId(new QDateTimeEdit(this), IdcPersonalBirth);
    birth_->setTimeSpec(Qt::UTC);
    birth_->setDateTimeRange(earliestBirth(), latestBirth());
    shell::useMonthCalendarPopup(birth_); // as the device's date picker
    shell::addFormRow(grid, row++, QStringLiteral("Ngày sinh *"), birth_);

    male_ = shell::withControlId(new QRadioButton(QStringLiteral("Nam"), this), IdcPersonalMale);
    female_ = shell::withControlId(new QRadioButton(QStringLiteral("Nữ"), this), IdcPersonalFemale);
    grid->addWidget(new QLabel(QStringLiteral("Giới tính *"), this), row, 0);
    grid->addLayout(shell::exclusiveChoiceRow(this, {male_, female_}), row++, 1);

    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);
}

QWidget* PersonalInfoDialog::control(int id) const {
    return shell::findControl(*this, id);
}

void PersonalInfoDialog::LoadPersonalFields() {
    const PersonalFields f = fieldsOf(record_);
    birth_->setDisplayFormat(QStringLiteral("HH:mm:ss  dd/MM/yyyy"));
    name_->setText(f.name);
    company_->setText(f.company);
    address_->setText(f.address);
    telephone_->setText(f.telephone);
    email_->setText(f.email);
    birth_->setDateTime(f.birth);
    (f.male ? male_ : female_)->setChecked(true);
}

PersonalFields PersonalInfoDialog::currentFields() const {
    return PersonalFields{name_->text(),  company_->text(),   address_->text(),  telephone_->text(),
                          email_->text(), birth_->dateTime(), male_->isChecked()};
}

bool PersonalInfoDialog::SavePersonalRecord(QString* error) {
    applyFields(record_, currentFields());
    if (!writePersonalRecord(record_, filePath_, error)) return false;
    notifyTodayItem();
    return true;
}

void PersonalInfoDialog::onCommand(int id) {
    switch (id) {
    case shell::IDOK:
    case CmdPersonalSave: {
        // A record that cannot be saved is told, and the dialog stays open with what the user
        // typed, to save again or leave with "Trở về".
        QString error;
        if (!SavePersonalRecord(&error)) {
            shell::messageBox(this,
                              QStringLiteral("Không lưu được thông tin cá nhân: %1. Những gì bạn "
                                             "vừa nhập vẫn còn trong hộp thoại.")
                                  .arg(error),
                              QStringLiteral("Có lỗi"), shell::MB_OK | shell::MB_ICONERROR);
            break;
        }
        done(id);
        break;
    }
    case shell::IDCANCEL:
        done(id);
        break;
    default: // "Làm lại" and anything else: no action
        break;
    }
}

void PersonalInfoDialog::showEvent(QShowEvent* event) {
    FullScreenDialog::showEvent(event);
    if (menuBarFailed_) shell::tellMenuBarFailureOnce(this, reported_);
}

} // namespace velmora::app
