// What the feng-shui windows share: controls carrying their product id, the data files in the
// program folder, and the message for a file that is not there.
#pragma once

#include <QString>
#include <QWidget>

class QDateTimeEdit;
#include <filesystem>
#include <string_view>

namespace velmora::app {

// The property that carries a control's product id.
inline constexpr char kFengShuiControlIdProperty[] = "controlId";

template <typename Control> Control* withControlId(Control* control, int id) {
    control->setProperty(kFengShuiControlIdProperty, id);
    control->setObjectName(QStringLiteral("control%1").arg(id));
    return control;
}

// The child of root with that product id, or null.
QWidget* findControl(const QWidget& root, int id);

// The host path of "<program folder>\Data\<name>"; empty when the device refuses the path, which
// then reads as a missing file.
std::filesystem::path dataFilePath(const QString& programFolder, std::u16string_view name);

// "Không tìm thấy file <name>" captioned "Có lỗi".
void tellMissingDataFile(QWidget* owner, std::u16string_view name);

// As the device's date picker: the field drops down a month calendar in Vietnamese, weeks from
// Monday, over the years the calendar is reckoned for (1800-2199).
void useDeviceDatePicker(QDateTimeEdit* picker);

QString fromU16(std::u16string_view text);
// A stored text for a multi-line field: the device's "\r\n" breaks as plain line breaks.
QString multiLineText(std::u16string_view text);

} // namespace velmora::app
