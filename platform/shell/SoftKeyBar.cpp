// Soft-key bar layout, key presses and the right key's popup placement.
#include "platform/shell/SoftKeyBar.h"

#include "platform/screen/ScreenProfile.h"

#include <QHBoxLayout>
#include <QPainter>

namespace velmora::shell {

bool isValidMenuBar(const MenuBarDescription& keys) {
    if (keys.leftText.isEmpty() && keys.rightText.isEmpty()) return false;
    if (!keys.leftText.isEmpty() && keys.leftId == 0) return false;
    if (!keys.rightText.isEmpty() && keys.rightId == 0 && keys.rightMenu.empty()) return false;
    return isValidMenu(keys.rightMenu);
}

int SoftKeyBar::barHeight() {
    return screen::ScaleY(26);
}

SoftKeyBar* SoftKeyBar::create(const MenuBarDescription& keys, QWidget* parent) {
    if (!isValidMenuBar(keys)) return nullptr;
    return new SoftKeyBar(keys, parent);
}

SoftKeyBar::SoftKeyBar(const MenuBarDescription& keys, QWidget* parent)
    : QWidget(parent), keys_(keys), left_(new QToolButton(this)), right_(new QToolButton(this)) {
    setFixedHeight(barHeight());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(screen::ScaleX(4), 0, screen::ScaleX(4), 0);
    layout->setSpacing(0);
    const QString look =
        QStringLiteral(
            "QToolButton { color: white; background: transparent; border: none; font-weight: bold;"
            " padding: 0 %1px; } QToolButton:pressed { background: #2a5d9f; }")
            .arg(screen::ScaleX(6));
    for (QToolButton* key : {left_, right_}) {
        key->setStyleSheet(look);
        key->setFocusPolicy(Qt::NoFocus);
        key->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    }
    left_->setText(keys.leftText);
    right_->setText(keys.rightText);
    left_->setVisible(!keys.leftText.isEmpty());
    right_->setVisible(!keys.rightText.isEmpty());
    layout->addWidget(left_);
    layout->addStretch(1);
    layout->addWidget(right_);
    if (!keys.rightMenu.empty())
        menu_ = buildMenu(keys.rightMenu, this, [this](int id) { emit command(id); });
    connect(left_, &QToolButton::clicked, this, &SoftKeyBar::pressLeft);
    connect(right_, &QToolButton::clicked, this, &SoftKeyBar::pressRight);
}

bool SoftKeyBar::setKeyText(int commandId, const QString& text) {
    if (commandId == 0) return false;
    if (commandId == keys_.leftId) {
        keys_.leftText = text;
        left_->setText(text);
        left_->setVisible(!text.isEmpty());
        return true;
    }
    if (commandId == keys_.rightId) {
        keys_.rightText = text;
        right_->setText(text);
        right_->setVisible(!text.isEmpty());
        return true;
    }
    return false;
}

QString SoftKeyBar::leftText() const {
    return left_->text();
}
QString SoftKeyBar::rightText() const {
    return right_->text();
}

void SoftKeyBar::setItemChecked(int id, bool checked) {
    if (QAction* a = action(id)) {
        a->setCheckable(true);
        a->setChecked(checked);
    }
}

void SoftKeyBar::setItemEnabled(int id, bool enabled) {
    if (QAction* a = action(id)) a->setEnabled(enabled);
}

void SoftKeyBar::pressLeft() {
    if (!keys_.leftText.isEmpty()) emit command(keys_.leftId);
}

void SoftKeyBar::pressRight() {
    if (keys_.rightText.isEmpty()) return;
    if (menu_)
        openRightMenu();
    else
        emit command(keys_.rightId);
}

void SoftKeyBar::openRightMenu() {
    if (!menu_) return;
    const QSize size = menu_->sizeHint();
    popupInsideWindow(menu_, this, mapToGlobal(QPoint(width() - size.width(), -size.height())));
}

void SoftKeyBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0x3b, 0x6e, 0xb4));
    g.setColorAt(1, QColor(0x12, 0x3a, 0x75));
    p.fillRect(rect(), g);
}

bool SetSoftKeyText(SoftKeyBar* bar, int commandId, const QString& text) {
    return bar && bar->setKeyText(commandId, text);
}

} // namespace velmora::shell
