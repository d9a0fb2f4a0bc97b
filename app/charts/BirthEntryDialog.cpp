// Building the birth-data dialog and the record it returns.
#include "app/charts/BirthEntryDialog.h"

#include "app/charts/ChartFiles.h"
#include "app/charts/ChartPainting.h"
#include "app/res/CommandIds.h"
#include "platform/screen/ScreenProfile.h"
#include "suite/charts/ByteFields.h"

#include <QButtonGroup>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace velmora::app {

using screen::ScaleX;
using screen::ScaleY;

namespace {

template <typename Control> Control* withId(Control* control, int id) {
    control->setProperty(kChartControlIdProperty, id);
    control->setObjectName(QStringLiteral("control%1").arg(id));
    return control;
}

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
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(ScaleX(6), ScaleY(6), ScaleX(6), ScaleY(6));
    grid->setHorizontalSpacing(ScaleX(6));
    grid->setVerticalSpacing(ScaleY(4));
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
        *e.edit = withId(new QLineEdit(this), e.id);
        // The fields hold 50 characters with their terminator.
        (*e.edit)->setMaxLength(int(charts::kBirthTextWidth) - 1);
        auto* label = new QLabel(QString::fromUtf8(e.label), this);
        label->setBuddy(*e.edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(*e.edit, row++, 1);
    }
    birth_ = withId(new QDateTimeEdit(this), IdcBirthDate);
    birth_->setTimeSpec(Qt::UTC);
    birth_->setDisplayFormat(QStringLiteral("HH:mm  dd/MM/yyyy"));
    birth_->setDateTimeRange(earliestChartBirth(), latestChartBirth());
    birth_->setDateTime(QDateTime(QDate(1990, 1, 1), QTime(0, 0), Qt::UTC));
    auto* birthLabel = new QLabel(QStringLiteral("Ngày sinh *"), this);
    birthLabel->setBuddy(birth_);
    grid->addWidget(birthLabel, row, 0);
    grid->addWidget(birth_, row++, 1);

    male_ = withId(new QRadioButton(QStringLiteral("Nam"), this), IdcBirthMale);
    female_ = withId(new QRadioButton(QStringLiteral("Nữ"), this), IdcBirthFemale);
    auto* group = new QButtonGroup(this);
    group->addButton(male_);
    group->addButton(female_);
    male_->setChecked(true);
    auto* sexRow = new QHBoxLayout;
    sexRow->setSpacing(ScaleX(16));
    sexRow->addWidget(male_);
    sexRow->addWidget(female_);
    sexRow->addStretch(1);
    grid->addLayout(sexRow, row++, 1);
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
    for (QWidget* w : findChildren<QWidget*>())
        if (w->property(kChartControlIdProperty).toInt() == id) return w;
    return nullptr;
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
