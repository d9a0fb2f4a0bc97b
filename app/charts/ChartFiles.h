// The error box of the chart windows.
#pragma once

#include <QString>

class QWidget;

namespace velmora::app {

// The message box every chart window shows for a failure: the text, captioned "Có lỗi".
void showChartError(QWidget* owner, const QString& text);

} // namespace velmora::app
