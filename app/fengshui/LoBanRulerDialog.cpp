// Building the "Thước Lỗ Ban" dialog and redrawing its scale on every change.
#include "app/fengshui/LoBanRulerDialog.h"

#include "app/fengshui/FengShuiControls.h"
#include "app/fengshui/HouseTrigramDialog.h"
#include "app/res/CommandIds.h"

#include "platform/screen/ScreenProfile.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QStyle>

namespace velmora::app {

using screen::ScaleX;
using screen::ScaleY;
using namespace fengshui;

namespace {

const LoBanRuler* rulerAt(int value) {
    return value == 0 ? &eightSectionRuler() : &tenSectionRuler();
}

} // namespace

RulerList::RulerList(QWidget* parent) : QSpinBox(parent) {
    setRange(0, 1);
    setWrapping(false);
    lineEdit()->setReadOnly(true);
}

QString RulerList::textFromValue(int value) const {
    return fromU16(rulerAt(value)->title);
}

int RulerList::valueFromText(const QString& text) const {
    return text == fromU16(tenSectionRuler().title) ? 1 : 0;
}

QValidator::State RulerList::validate(QString& text, int&) const {
    return text == fromU16(eightSectionRuler().title) || text == fromU16(tenSectionRuler().title)
               ? QValidator::Acceptable
               : QValidator::Invalid;
}

LoBanRulerDialog::LoBanRulerDialog(QWidget* owner)
    : FullScreenDialog(okMenuBar(), owner, QStringLiteral("Thước Lỗ Ban")) {
    setObjectName(QStringLiteral("LoBanRulerDialog"));
    lengthLabel_ = new QLabel(QStringLiteral("Số đo"), this);
    lengthEdit_ = withControlId(new QLineEdit(QStringLiteral("0"), this), IdcLoBanLength);
    lengthEdit_->setMaxLength(kLengthFieldLimit);
    lengthEdit_->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    lengthLabel_->setBuddy(lengthEdit_);
    unit_ = new QLabel(QStringLiteral("mm"), this);
    rulers_ = withControlId(new RulerList(this), IdcLoBanRuler);
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidgetResizable(true);
    scale_ = withControlId(new ImageView(scroll_, true), IdcLoBanScale);
    scroll_->setWidget(scale_);

    connect(lengthEdit_, &QLineEdit::textChanged, this, &LoBanRulerDialog::redraw);
    connect(rulers_, &QSpinBox::valueChanged, this, &LoBanRulerDialog::redraw);
    redraw();
}

QWidget* LoBanRulerDialog::control(int id) const {
    return findControl(*this, id);
}

QImage LoBanRulerDialog::scaleImage() const {
    return scale_->image();
}

void LoBanRulerDialog::redraw() {
    length_ = parseLength(lengthEdit_->text().toStdU16String());
    const int dpi = screen::current().dpi;
    int width = scroll_->width();
    geometry_ = loBanScaleGeometry(width, length_, dpi);
    // Taller than the view: the scroll bar takes its width from the canvas.
    if (geometry_.height > scroll_->height()) {
        width -= scroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
        geometry_ = loBanScaleGeometry(std::max(width, 1), length_, dpi);
    }
    scale_->setImage(renderLoBanScale(geometry_, length_));
}

void LoBanRulerDialog::placeControls() {
    const int margin = ScaleX(4), gap = ScaleX(4);
    const int row = lengthEdit_->sizeHint().height();
    int x = margin;
    const auto place = [&](QWidget* w, int width) {
        w->setGeometry(x, margin, width, row);
        x += width + gap;
    };
    place(lengthLabel_, lengthLabel_->sizeHint().width());
    place(lengthEdit_, ScaleX(56));
    place(unit_, unit_->sizeHint().width());
    place(rulers_, std::max(ScaleX(60), width() - x - margin));
    const int top = margin + row + margin;
    scroll_->setGeometry(0, top, width(), std::max(0, height() - top));
}

void LoBanRulerDialog::resizeEvent(QResizeEvent* event) {
    FullScreenDialog::resizeEvent(event);
    placeControls();
    redraw();
}

} // namespace velmora::app
