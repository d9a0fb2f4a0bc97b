// Form controls as the device shows them: a date field that drops down a month calendar, and a
// row of mutually exclusive choices.
#pragma once

#include <initializer_list>

class QDateTimeEdit;
class QGridLayout;
class QHBoxLayout;
class QRadioButton;
class QString;
class QWidget;

namespace velmora::shell {

// A two-column form filling parent, labels left and fields right, with the dialogs' margins.
QGridLayout* formGrid(QWidget* parent);
// A label for field (its buddy, so a tap on it focuses the field) in the grid's left column and
// the field beside it, on the given row.
void addFormRow(QGridLayout* grid, int row, const QString& label, QWidget* field);

// The field drops down a month calendar in Vietnamese, weeks from Monday, opening on the date
// the field holds. The range of dates stays the caller's.
void useMonthCalendarPopup(QDateTimeEdit* field);

// The buttons in one exclusive group of parent, side by side from the left.
QHBoxLayout* exclusiveChoiceRow(QWidget* parent, std::initializer_list<QRadioButton*> buttons);

} // namespace velmora::shell
