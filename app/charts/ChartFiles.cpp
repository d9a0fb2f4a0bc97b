// Data file paths and error boxes of the chart windows.
#include "app/charts/ChartFiles.h"

#include "platform/shell/MessageBox.h"

namespace velmora::app {

void showChartError(QWidget* owner, const QString& text) {
    shell::messageBox(owner, text, QStringLiteral("Có lỗi"),
                      shell::MB_OK | shell::MB_ICONERROR | shell::MB_TOPMOST);
}

} // namespace velmora::app
