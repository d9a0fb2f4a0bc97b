// The day page widget: paints off screen, follows the clock, and handles keys, taps and choosers.
#include "app/shell/DayPage.h"

#include "app/res/CommandIds.h"
#include "app/shell/DayPageLayout.h"
#include "platform/device/DeviceClock.h"
#include "platform/shell/DeviceKey.h"
#include "app/shell/FieldChooser.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace velmora::app {

using velmora::shell::DeviceKey;
using velmora::screen::ScaleX;
using velmora::screen::ScaleY;

DayPage::DayPage(DayPageModel& model, QString programFolder, QWidget* parent)
    : QWidget(parent), model_(model), programFolder_(std::move(programFolder)) {
    setObjectName(QStringLiteral("DayPage"));
    setFocusPolicy(Qt::StrongFocus);
    // Painted whole from an off-screen image: no background erase, no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    clock_.setInterval(kClockTimerMs);
    connect(&clock_, &QTimer::timeout, this, &DayPage::clockTick);
}

void DayPage::startClock() { clock_.start(); }
void DayPage::stopClock() { clock_.stop(); }

void DayPage::clockTick() {
    if (model_.tick(velmora::device::localSystemTime())) update();
}

void DayPage::goToToday() {
    closeChooser();
    model_.goToToday(velmora::device::localSystemTime());
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
    model_.setSelectedField(fieldAt(event->position().toPoint(), velmora::screen::GetScreenOrientation()));
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
    if (chooser_) {
        chooser_->setFocus();
        return;
    }

    const QRect slot = slotRect(field + 4, velmora::screen::GetScreenOrientation());
    const bool wide = field == FieldMinorTerm || field == FieldMajorTerm || field == FieldLunarDay ||
                      field == FieldYearPillar;
    const int width = slot.width() + (wide ? ScaleX(40) : 0);
    const int height = ScaleY(170);
    int top = slot.top();
    if (top + height > this->height()) top = this->height() - height;
    // Kept on the page: a widened list near the right edge moves left.
    const int left = std::max(0, std::min(slot.left(), this->width() - width));

    const ChooserList list = chooserList(field, model_.day().record);
    auto* box = new QListWidget(this);
    box->setObjectName(QStringLiteral("FieldChooser"));
    box->setProperty("controlId", IdcFieldList);
    box->addItems(list.entries);
    box->setGeometry(left, top, width, height);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    if (list.initial >= 0) {
        box->setCurrentRow(list.initial);
        box->scrollToItem(box->currentItem(), QAbstractItemView::PositionAtCenter);
    }
    box->installEventFilter(this);
    box->viewport()->installEventFilter(this);
    chooser_ = box;
    box->show();
    box->setFocus();
}

void DayPage::closeChooser() {
    if (!chooser_) return;
    QListWidget* box = chooser_;
    chooser_ = nullptr;
    box->removeEventFilter(this);
    box->viewport()->removeEventFilter(this);
    box->hide();
    box->deleteLater();
}

void DayPage::applyChooser() {
    const int n = chooser_ ? chooser_->currentRow() : -1;
    closeChooser();
    model_.applyChoice(n);
    setFocus();
    update();
}

bool DayPage::eventFilter(QObject* watched, QEvent* event) {
    if (!chooser_ || (watched != chooser_ && watched != chooser_->viewport()))
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        switch (velmora::shell::deviceKeyOf(*static_cast<QKeyEvent*>(event))) {
        case DeviceKey::Enter:
            applyChooser();
            return true;
        case DeviceKey::Left:
        case DeviceKey::Right:
            closeChooser();
            setFocus();
            update();
            return true;
        default:
            return false; // Up, Down and the rest move in the list
        }
    }
    if (event->type() == QEvent::MouseButtonRelease && watched == chooser_->viewport()) {
        // The list selects the item under the stylus on press; the release applies it.
        QMetaObject::invokeMethod(this, &DayPage::applyChooser, Qt::QueuedConnection);
        return false;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velmora::app
