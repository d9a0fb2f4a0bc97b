// The day page widget: paints off screen, follows the clock, and handles keys, taps and choosers.
#include "app/shell/DayPage.h"
#include "VelmoraDay.h"

#include "app/res/CommandIds.h"
#include "app/shell/DayPageLayout.h"
#include "app/shell/FieldChooser.h"
#include "platform/device/DeviceClock.h"
#include "platform/shell/DeviceKey.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace velmora::app {

using velmora::screen::ScaleX;
using velmora::screen::ScaleY;
using velmora::shell::DeviceKey;

DayPage::DayPage(DayPageModel& model, QString programFolder, QWidget* parent)
    : QWidget(parent), model_(model), programFolder_(std::move(programFolder)) {
    setObjectName(QStringLiteral("DayPage"));
    setFocusPolicy(Qt::StrongFocus);
    // Painted whole from an off-screen image: no background erase, no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    clock_.setInterval(kClockTimerMs);
    connect(&clock_, &QTimer::timeout, this, &DayPage::clockTick);
}

void DayPage::startClock() {
    clock_.start();
}
void DayPage::stopClock() {
    clock_.stop();
}

SYSTEMTIME DayPage::readClock() {
    const SYSTEMTIME now = velmora::device::localSystemTime();
    if (!velmora::isSupportedYear(now.wYear) && !toldClockOutsideRange_) {
        toldClockOutsideRange_ = true;
        emit clockOutsideRange(now);
    }
    return now;
}

void DayPage::clockTick() {
    if (model_.tick(readClock())) update();
}

void DayPage::goToToday() {
    closeChooser();
    model_.goToToday(readClock());
    update();
}

DayPageScene DayPage::scene() const {
    DayPageScene s;
    s.day = &model_.day();
    s.selectedField = model_.selectedField();
    s.programFolder = programFolder_;
    s.weather = weather_;
    s.orientation = velmora::screen::GetScreenOrientation();
    return s;
}

QImage DayPage::render() {
    QImage image(size(), QImage::Format_RGB32);
    QPainter p(&image);
    paintDayPage(p, size(), scene());
    return image;
}

void DayPage::paintEvent(QPaintEvent*) {
    const QImage page = render();
    QPainter(this).drawImage(0, 0, page);
}

void DayPage::keyPressEvent(QKeyEvent* event) {
    switch (velmora::shell::deviceKeyOf(*event)) {
    case DeviceKey::Down:
    case DeviceKey::Right:
        model_.selectNext();
        break;
    case DeviceKey::Up:
    case DeviceKey::Left:
        model_.selectPrevious();
        break;
    case DeviceKey::Enter:
        if (model_.fieldSelected()) openChooser();
        break;
    case DeviceKey::Space:
        emit fullScreenToggled();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    update();
}

void DayPage::mouseReleaseEvent(QMouseEvent* event) {
    closeChooser();
    model_.setSelectedField(
        fieldAt(event->position().toPoint(), velmora::screen::GetScreenOrientation()));
    if (model_.fieldSelected()) openChooser();
    update();
}

void DayPage::focusInEvent(QFocusEvent* event) {
    closeChooser();
    QWidget::focusInEvent(event);
}

void DayPage::openChooser() {
    const int field = model_.selectedField();
    if (field < 0 || field > 11) return;
    model_.chooserOpened();
    emit chooserOpened();
    if (chooser()) {
        chooser_->setFocus();
        return;
    }

    const QRect slot = slotRect(field + 4, velmora::screen::GetScreenOrientation());
    const bool wide = field == FieldMinorTerm || field == FieldMajorTerm ||
                      field == FieldLunarDay || field == FieldYearPillar;
    // Below the slot's top, kept on the page: a list near the bottom or the right edge moves up
    // or left.
    const QRect place(slot.left(), slot.top(), slot.width() + (wide ? ScaleX(40) : 0), ScaleY(170));
    const ChooserList list = chooserList(field, model_.day().record);
    chooser_ = velmora::shell::ChooserPopup::open(this, place, list.entries, list.initial,
                                                  IdcFieldList, this);
    connect(chooser_, &velmora::shell::ChooserPopup::chosen, this, &DayPage::applyChoice);
}

void DayPage::closeChooser() {
    if (chooser()) chooser_->dismiss();
}

void DayPage::applyChoice(int row) {
    model_.applyChoice(row);
    update();
}

} // namespace velmora::app
