// Where the chart windows find their data files: the program folder's Data folder.
#pragma once

#include <QString>

class QWidget;
#include <filesystem>
#include <string_view>

namespace velmora::app {

// The host path of "<programFolder>\Data\<name>"; empty when the device refuses the path, which
// then reads as a missing file.
std::filesystem::path chartDataFile(const QString& programFolder, std::u16string_view name);

// The message box every chart window shows for a failure: the text, captioned "Có lỗi".
void showChartError(QWidget* owner, const QString& text);

} // namespace velmora::app
