// Finding controls by id, data file paths and the missing-file message.
#include "app/fengshui/FengShuiControls.h"

#include "suite/fengshui/DataFileMessages.h"

#include "platform/device/DeviceRoot.h"
#include "platform/shell/MessageBox.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QLocale>

namespace velmora::app {

QWidget* findControl(const QWidget& root, int id) {
    for (QWidget* w : root.findChildren<QWidget*>())
        if (w->property(kFengShuiControlIdProperty).toInt() == id) return w;
    return nullptr;
}

void useDeviceDatePicker(QDateTimeEdit* picker) {
    picker->setDateRange(QDate(1800, 1, 1), QDate(2199, 12, 31));
    picker->setCalendarPopup(true);
    picker->setLocale(QLocale(QLocale::Vietnamese, QLocale::Vietnam));
    picker->calendarWidget()->setLocale(picker->locale());
    picker->calendarWidget()->setFirstDayOfWeek(Qt::Monday);
}

QString fromU16(std::u16string_view text) {
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

std::filesystem::path dataFilePath(const QString& programFolder, std::u16string_view name) {
    const auto host = device::hostPath(programFolder + QStringLiteral("\\Data\\") + fromU16(name));
    return host ? std::filesystem::path(host->toStdString()) : std::filesystem::path();
}

void tellMissingDataFile(QWidget* owner, std::u16string_view name) {
    shell::messageBox(owner, fromU16(fengshui::missingFileMessage(name)),
                      fromU16(fengshui::kErrorCaption), shell::MB_OK | shell::MB_ICONERROR);
}

QString multiLineText(std::u16string_view text) {
    QString shown = fromU16(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

} // namespace velmora::app
