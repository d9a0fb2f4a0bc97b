// Finding controls by id, data file paths, error boxes and the image control.
#include "app/fengshui/FengShuiControls.h"

#include "suite/fengshui/DataFileMessages.h"

#include "platform/shell/FormControls.h"
#include "platform/shell/MessageBox.h"

#include <QDateTimeEdit>
#include <QPainter>

namespace velmora::app {

void useDeviceDatePicker(QDateTimeEdit* picker) {
    picker->setDateRange(QDate(1800, 1, 1), QDate(2199, 12, 31));
    shell::useMonthCalendarPopup(picker);
}

QString fromU16(std::u16string_view text) {
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

void tellError(QWidget* owner, const QString& text) {
    shell::messageBox(owner, text, fromU16(fengshui::kErrorCaption),
                      shell::MB_OK | shell::MB_ICONERROR);
}

void tellMissingDataFile(QWidget* owner, std::u16string_view name) {
    tellError(owner, fromU16(fengshui::missingFileMessage(name)));
}

ImageView::ImageView(QWidget* parent, bool heightFollowsImage)
    : QWidget(parent), heightFollowsImage_(heightFollowsImage) {}

void ImageView::setImage(QImage image) {
    image_ = std::move(image);
    if (heightFollowsImage_) setFixedHeight(image_.height());
    update();
}

void ImageView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

QString multiLineText(std::u16string_view text) {
    QString shown = fromU16(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

} // namespace velmora::app
