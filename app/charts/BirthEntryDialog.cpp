// Building the birth-data dialog and the record it returns.
#include "app/charts/BirthEntryDialog.h"

#include "app/charts/ChartFiles.h"
#include "app/res/CommandIds.h"
#include "platform/shell/ControlId.h"
#include "platform/shell/FormControls.h"
#include "suite/charts/ByteFields.h"

#include <QDateTimeEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace velmora::app {

namespace {

QString fieldString(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

template <std::size_t N> void setField(char16_t (&field)[N], const QString& text) {
    charts::setFieldText(field, text.toStdU16String());
}

} // namespace

QDateTime earliestChartBirth() {
    return QDateTime(QDate(charts::kFirstChartYear, 1, 1), QTime(0, 0), Qt::UTC);
}

QDateTime latestChartBirth() {
    return QDateTime(QDate(charts::kLastChartYear, 12, 31), QTime(23, 59), Qt::UTC);
}

BirthEntryDialog::BirthEntryDialog(QWidget* owner, const charts::BirthRecord* edit)
    : FullScreenDialog(owner, QStringLiteral("Nhập lá số")) {
    setObjectName(QStringLiteral("BirthEntryDialog"));
    QGridLayout* grid = shell::formGrid(this);
    const struct {
        QLineEdit** edit;
        int id;
        const char* label;
    } edits[] = {{&name_, IdcBirthName, "Họ tên *"},
                 {&company_, IdcBirthCompany, "Công ty"},
                 {&address_, IdcBirthAddress, "Địa chỉ"},
                 {&telephone_, IdcBirthTelephone, "Điện thoại"},
                 {&email_, IdcBirthEmail, "E-mail "}};
    int row = 0;
    for (const auto& e : edits) {
        *e.edit = shell::withControlId(new QLineEdit(this), e.id);
        // The fields hold 50 characters with their terminator.
        (*e.edit)->setMaxLength(int(charts::kBirthTextWidth) - 1);
        shell::addFormRow(grid, row++, QString::fromUtf8(e.label), *e.edit);
    }
    birth_ = shell::withControlId(new QDateTimeEdit(this), IdcBirthDate);
    birth_->setTimeSpec(Qt::UTC);
    birth_->setDisplayFormat(QStringLiteral("HH:mm  dd/MM/yyyy"));
    birth_->setDateTimeRange(earliestChartBirth(), latestChartBirth());
    birth_->setDateTime(QDateTime(QDate(1990, 1, 1), QTime(0, 0), Qt::UTC));
    shell::addFormRow(grid, row++, QStringLiteral("Ngày sinh *"), birth_);

    male_ = shell::withControlId(new QRadioButton(QStringLiteral("Nam"), this), IdcBirthMale);
    female_ = shell::withControlId(new QRadioButton(QStringLiteral("Nữ"), this), IdcBirthFemale);
    grid->addLayout(shell::exclusiveChoiceRow(this, {male_, female_}), row++, 1);
    male_->setChecked(true);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);

    if (edit) {
        record_ = *edit;
        name_->setText(fieldString(charts::fieldText(edit->name)));
        company_->setText(fieldString(charts::fieldText(edit->organisation)));
        address_->setText(fieldString(charts::fieldText(edit->address)));
        telephone_->setText(fieldString(charts::fieldText(edit->telephone)));
        email_->setText(fieldString(charts::fieldText(edit->email)));
        // A stored date the calendar cannot use leaves the picker at its default.
        if (charts::isValidBirthMoment(*edit))
            birth_->setDateTime(QDateTime(QDate(edit->year, edit->month, edit->day),
                                          QTime(edit->hour, edit->minute), Qt::UTC));
        (charts::isMale(*edit) ? male_ : female_)->setChecked(true);
    }
}

QWidget* BirthEntryDialog::control(int id) const {
    return shell::findControl(*this, id);
}

bool BirthEntryDialog::accept() {
    if (name_->text().trimmed().isEmpty()) {
        showChartError(this, QStringLiteral("Hãy nhập họ tên."));
        name_->setFocus();
        return false;
    }
    setField(record_.name, name_->text());
    setField(record_.organisation, company_->text());
    setField(record_.address, address_->text());
    setField(record_.telephone, telephone_->text());
    setField(record_.email, email_->text());
    const QDateTime when = birth_->dateTime();
    record_.year = when.date().year();
    record_.month = static_cast<std::int8_t>(when.date().month());
    record_.day = static_cast<std::int8_t>(when.date().day());
    record_.hour = static_cast<std::int8_t>(when.time().hour());
    record_.minute = static_cast<std::int8_t>(when.time().minute());
    record_.sex = male_->isChecked() ? 1 : 0;
    charts::fillDerivedValues(record_);
    return true;
}

void BirthEntryDialog::onCommand(int id) {
    if (id == shell::IDOK && !accept()) return;
    FullScreenDialog::onCommand(id);
}

} // namespace velmora::app
