// The month-calendar date field and the row of exclusive choices.
#include "platform/shell/FormControls.h"

#include "platform/screen/ScreenProfile.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QLocale>
#include <QRadioButton>

namespace velmora::shell {

void useMonthCalendarPopup(QDateTimeEdit* field) {
    field->setCalendarPopup(true);
    field->setLocale(QLocale(QLocale::Vietnamese, QLocale::Vietnam));
    field->calendarWidget()->setLocale(field->locale());
    field->calendarWidget()->setFirstDayOfWeek(Qt::Monday);
}

QHBoxLayout* exclusiveChoiceRow(QWidget* parent, std::initializer_list<QRadioButton*> buttons) {
    auto* group = new QButtonGroup(parent);
    auto* row = new QHBoxLayout;
    row->setSpacing(screen::ScaleX(16));
    for (QRadioButton* button : buttons) {
        group->addButton(button);
        row->addWidget(button);
    }
    row->addStretch(1);
    return row;
}

} // namespace velmora::shell
