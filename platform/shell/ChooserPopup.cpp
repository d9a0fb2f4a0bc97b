// The popup list over a field: keys, taps and where it goes.
#include "platform/shell/ChooserPopup.h"
#include "platform/shell/ControlId.h"

#include "platform/shell/DeviceKey.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

namespace velmora::shell {

QRect keptInside(QRect wanted, QSize host) {
    const int left = std::max(0, std::min(wanted.left(), host.width() - wanted.width()));
    const int top = std::max(0, std::min(wanted.top(), host.height() - wanted.height()));
    return QRect(left, top, wanted.width(), wanted.height());
}

ChooserPopup::ChooserPopup(QWidget* host) : QListWidget(host) {
    setObjectName(QStringLiteral("ChooserPopup"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setAttribute(Qt::WA_DeleteOnClose);
}

ChooserPopup* ChooserPopup::open(QWidget* host, QRect place, const QStringList& entries,
                                 int initial, int controlId, QWidget* opener) {
    auto* popup = new ChooserPopup(host);
    popup->opener_ = opener;
    popup->setProperty(kControlIdProperty, controlId);
    popup->addItems(entries);
    popup->setGeometry(keptInside(place, host->size()));
    if (initial >= 0 && initial < entries.size()) {
        popup->setCurrentRow(initial);
        popup->scrollToItem(popup->currentItem(), QAbstractItemView::PositionAtCenter);
    }
    popup->show();
    popup->raise();
    popup->setFocus();
    return popup;
}

void ChooserPopup::dismiss() {
    close(false, false);
}

void ChooserPopup::close(bool choose, bool notify) {
    if (closing_) return;
    closing_ = true;
    const int row = currentRow();
    hide();
    deleteLater();
    if (opener_) {
        opener_->setFocus();
        opener_->update();
    }
    if (!notify) return;
    if (choose)
        emit chosen(row);
    else
        emit dismissed();
}

void ChooserPopup::keyPressEvent(QKeyEvent* event) {
    switch (deviceKeyOf(*event)) {
    case DeviceKey::Enter:
        close(true);
        return;
    case DeviceKey::Left:
    case DeviceKey::Right:
    case DeviceKey::Back:
        close(false);
        return;
    default:
        QListWidget::keyPressEvent(event); // Up, Down and the rest move in the list
    }
}

void ChooserPopup::mouseReleaseEvent(QMouseEvent* event) {
    // The list selects the entry under the stylus on press; the release picks it.
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint())) close(true);
}

} // namespace velmora::shell
