// What the feng-shui windows share: controls carrying their product id, the data files in the
// program folder, and the message for a file that is not there.
#pragma once

#include "platform/shell/ControlId.h"

#include <QImage>
#include <QString>
#include <QWidget>

class QDateTimeEdit;
#include <string_view>

namespace velmora::app {

using shell::findControl;
using shell::withControlId;

// The text in a box captioned "Có lỗi" with the error icon and "OK".
void tellError(QWidget* owner, const QString& text);
// "Không tìm thấy file <name>" captioned "Có lỗi".
void tellMissingDataFile(QWidget* owner, std::u16string_view name);

// A control that paints the image its dialog renders, in one copy. With heightFollowsImage it
// takes the image's height (a canvas inside a scroll area).
class ImageView : public QWidget {
  public:
    explicit ImageView(QWidget* parent, bool heightFollowsImage = false);
    void setImage(QImage image);
    const QImage& image() const { return image_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool heightFollowsImage_;
    QImage image_;
};

// As the device's date picker (shell::useMonthCalendarPopup), over the years the calendar is
// reckoned for (1800-2199).
void useDeviceDatePicker(QDateTimeEdit* picker);

QString fromU16(std::u16string_view text);
// A stored text for a multi-line field: the device's "\r\n" breaks as plain line breaks.
QString multiLineText(std::u16string_view text);

} // namespace velmora::app
