// Form controls as the device shows them: a date field that drops down a month calendar, and a
// row of mutually exclusive choices.
#pragma once

#include <initializer_list>

class QDateTimeEdit;
class QHBoxLayout;
class QRadioButton;
class QWidget;

namespace velmora::shell {

// The field drops down a month calendar in Vietnamese, weeks from Monday, opening on the date
// the field holds. The range of dates stays the caller's.
void useMonthCalendarPopup(QDateTimeEdit* field);

// The buttons in one exclusive group of parent, side by side from the left.
QHBoxLayout* exclusiveChoiceRow(QWidget* parent, std::initializer_list<QRadioButton*> buttons);

} // namespace velmora::shell
