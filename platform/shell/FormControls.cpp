// The month-calendar date field and the row of exclusive choices.
#include "platform/shell/FormControls.h"

#include "platform/screen/ScreenProfile.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>

namespace velmora::shell {

QGridLayout* formGrid(QWidget* parent) {
    auto* grid = new QGridLayout(parent);
    grid->setContentsMargins(screen::ScaleX(6), screen::ScaleY(6), screen::ScaleX(6),
                             screen::ScaleY(6));
    grid->setHorizontalSpacing(screen::ScaleX(6));
    grid->setVerticalSpacing(screen::ScaleY(4));
    return grid;
}

void addFormRow(QGridLayout* grid, int row, const QString& label, QWidget* field) {
    auto* text = new QLabel(label, grid->parentWidget());
    text->setBuddy(field);
    grid->addWidget(text, row, 0);
    grid->addWidget(field, row, 1);
}

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
