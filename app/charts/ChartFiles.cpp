// Data file paths and error boxes of the chart windows.
#include "app/charts/ChartFiles.h"

#include "platform/device/DeviceRoot.h"
#include "platform/shell/MessageBox.h"

namespace velmora::app {

std::filesystem::path chartDataFile(const QString& programFolder, std::u16string_view name) {
    const auto host = device::hostPath(programFolder + QStringLiteral("\\Data\\") +
                                       QString::fromUtf16(name.data(), qsizetype(name.size())));
    return host ? std::filesystem::path(host->toStdU16String()) : std::filesystem::path();
}

void showChartError(QWidget* owner, const QString& text) {
    shell::messageBox(owner, text, QStringLiteral("Có lỗi"),
                      shell::MB_OK | shell::MB_ICONERROR | shell::MB_TOPMOST);
}

} // namespace velmora::app
