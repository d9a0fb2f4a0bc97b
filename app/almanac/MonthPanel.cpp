// The month panel widget: off-screen painting, keys, taps and the field lists.
#include "app/almanac/MonthPanel.h"

#include "app/almanac/AlmanacLists.h"
#include "app/almanac/MonthPanelPainter.h"
#include "platform/shell/DeviceKey.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace velmora::app {

using velmora::shell::DeviceKey;

MonthPanel::MonthPanel(CurrentDay& day, AlmanacGridState& state, QWidget* parent)
    : QWidget(parent), day_(day), state_(state) {
    setObjectName(QStringLiteral("MonthPanel"));
    setFocusPolicy(Qt::StrongFocus);
    // Painted whole from an off-screen image: no background erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage MonthPanel::render() {
    state_.followDay(day_.record);
    MonthPanelScene scene;
    scene.day = &day_.record;
    scene.state = state_;
    scene.orientation = velmora::screen::GetScreenOrientation();
    QImage image(size(), QImage::Format_RGB32);
    QPainter p(&image);
    paintMonthPanel(p, size(), scene);
    return image;
}

void MonthPanel::paintEvent(QPaintEvent*) {
    const QImage panel = render();
    QPainter(this).drawImage(0, 0, panel);
}

void MonthPanel::keyPressEvent(QKeyEvent* event) {
    const KeyResult result = gridKey(state_, velmora::shell::deviceKeyOf(*event), day_.record);
    if (!result.handled) {
        QWidget::keyPressEvent(event); // Back and the rest go on to the window
        return;
    }
    if (result.action == GridAction::ChooseCell) chooseCursorCell();
    if (result.action == GridAction::OpenList) openList();
    update();
}

void MonthPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    closeList();
    const GridAction action =
        gridTap(state_, event->position().toPoint(), velmora::screen::GetScreenOrientation());
    if (action == GridAction::ChooseCell) chooseCursorCell();
    if (action == GridAction::OpenList) openList();
    update();
}

void MonthPanel::focusInEvent(QFocusEvent* event) {
    closeList();
    emit focusChanged(true);
    QWidget::focusInEvent(event);
}

void MonthPanel::focusOutEvent(QFocusEvent* event) {
    // A popup menu or another window taking the focus for a while leaves the caption alone.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        emit focusChanged(false);
    QWidget::focusOutEvent(event);
}

void MonthPanel::chooseCursorCell() {
    pickGridCell(day_, state_.column, state_.row);
    setFocus();
    emit dayChanged();
    update();
}

void MonthPanel::openList() {
    const int field = state_.field;
    const ChooserList entries = almanacList(field, day_.record);
    if (entries.entries.isEmpty()) return;
    closeList();
    // The list lies over the window, not only the panel, so that it is never cut off.
    QWidget* host = parentWidget() ? parentWidget() : this;
    list_ = velmora::shell::ChooserPopup::open(
        host, almanacListRect(field, velmora::screen::GetScreenOrientation()), entries.entries,
        entries.initial, IdcFieldList, this);
    connect(list_, &velmora::shell::ChooserPopup::chosen, this,
            [this, field](int row) { applyList(field, row); });
}

void MonthPanel::closeList() {
    if (list()) list_->dismiss();
}

void MonthPanel::applyList(int field, int row) {
    if (applyAlmanacList(field, row, day_)) emit dayChanged();
    update();
}

} // namespace velmora::app
