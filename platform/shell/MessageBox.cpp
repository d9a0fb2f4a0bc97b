// Message box layout, placement inside the device frame and button handling.
#include "platform/shell/MessageBox.h"

#include "platform/screen/ScreenProfile.h"
#include "platform/shell/DeviceFrame.h"
#include "platform/shell/DeviceKey.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace velmora::shell {

std::vector<MessageButton> messageButtons(unsigned type) {
    const MessageButton ok{IDOK, QStringLiteral("OK")}, cancel{IDCANCEL, QStringLiteral("Hủy")},
        yes{IDYES, QStringLiteral("Có")}, no{IDNO, QStringLiteral("Không")};
    switch (type & 0xF) {
    case MB_OKCANCEL:
        return {ok, cancel};
    case MB_YESNOCANCEL:
        return {yes, no, cancel};
    case MB_YESNO:
        return {yes, no};
    default:
        return {ok};
    }
}

namespace {
QStyle::StandardPixmap iconFor(unsigned type) {
    switch (type & 0xF0) {
    case MB_ICONERROR:
        return QStyle::SP_MessageBoxCritical;
    case MB_ICONQUESTION:
        return QStyle::SP_MessageBoxQuestion;
    case MB_ICONWARNING:
        return QStyle::SP_MessageBoxWarning;
    case MB_ICONINFORMATION:
        return QStyle::SP_MessageBoxInformation;
    default:
        return QStyle::SP_CustomBase;
    }
}
} // namespace

MessageBoxDialog::MessageBoxDialog(QWidget* owner, const QString& text, const QString& caption,
                                   unsigned type)
    : QDialog(owner ? owner->window() : nullptr), text_(text), caption_(caption), type_(type),
      frame_(owner ? owner->window() : nullptr) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::FramelessWindowHint;
    if (type & MB_TOPMOST) flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);
    setWindowTitle(caption);
    setModal(true);

    const int margin = screen::ScaleX(8);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(margin, screen::ScaleY(22) + margin, margin, margin);
    outer->setSpacing(screen::ScaleY(8));
    auto* row = new QHBoxLayout;
    row->setSpacing(margin);
    const QStyle::StandardPixmap icon = iconFor(type);
    if (icon != QStyle::SP_CustomBase) {
        auto* iconLabel = new QLabel(this);
        iconLabel->setObjectName(QStringLiteral("icon"));
        const int size = screen::ScaleX(32);
        QPixmap pixmap = style()->standardIcon(icon).pixmap(size, size);
        // The style's icons stop at 32 px; at 192 dpi they are enlarged to match the text.
        if (pixmap.width() < size)
            pixmap = pixmap.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        iconLabel->setPixmap(pixmap);
        iconLabel->setAlignment(Qt::AlignTop);
        row->addWidget(iconLabel);
    }
    auto* textLabel = new QLabel(text, this);
    textLabel->setObjectName(QStringLiteral("text"));
    textLabel->setWordWrap(true);
    textLabel->setTextFormat(Qt::PlainText);
    row->addWidget(textLabel, 1);
    outer->addLayout(row, 1);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    for (const MessageButton& b : messageButtons(type)) {
        auto* button = new QPushButton(b.text, this);
        button->setProperty("commandId", b.id);
        button->setMinimumWidth(screen::ScaleX(56));
        const int id = b.id;
        connect(button, &QPushButton::clicked, this, [this, id] { done(id); });
        buttonRow->addWidget(button);
        buttons_ << button;
    }
    buttonRow->addStretch(1);
    outer->addLayout(buttonRow);
    buttons_.first()->setDefault(true);
    buttons_.first()->setFocus();

    // The box is as wide as the screen allows, less a margin, so text wraps inside the frame.
    const int width = (frame_ ? frame_->width() : screen::current().width) - 2 * screen::ScaleX(8);
    setFixedWidth(width);
}

bool MessageBoxDialog::press(int id) {
    for (QPushButton* b : buttons_)
        if (b->property("commandId").toInt() == id) {
            b->click();
            return true;
        }
    return false;
}

void MessageBoxDialog::place() {
    adjustSize();
    const QRect area = frame_ ? QRect(frame_->mapToGlobal(QPoint(0, 0)), frame_->size())
                              : QRect(0, 0, screen::current().width, screen::current().height);
    QPoint at(area.left() + (area.width() - width()) / 2,
              area.top() + (area.height() - height()) / 2);
    at.setY(std::max(area.top(), at.y()));
    move(at);
}

void MessageBoxDialog::showEvent(QShowEvent* event) {
    place();
    QDialog::showEvent(event);
}

void MessageBoxDialog::keyPressEvent(QKeyEvent* event) {
    const DeviceKey key = deviceKeyOf(*event);
    if (key == DeviceKey::Back) {
        // Back answers "Hủy" when offered, "OK" when it is the only button, else nothing.
        if (!press(IDCANCEL) && buttons_.size() == 1) press(IDOK);
        return;
    }
    if (key == DeviceKey::Enter) {
        for (QPushButton* b : buttons_)
            if (b->hasFocus()) {
                b->click();
                return;
            }
        buttons_.first()->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MessageBoxDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const QRect captionBar(0, 0, width(), screen::ScaleY(22));
    p.fillRect(captionBar, QColor(0x12, 0x3a, 0x75));
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(Qt::white);
    p.drawText(captionBar.adjusted(screen::ScaleX(6), 0, -screen::ScaleX(6), 0),
               Qt::AlignVCenter | Qt::AlignLeft, caption_);
    p.setPen(QColor(0x12, 0x3a, 0x75));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

int messageBox(QWidget* owner, const QString& text, const QString& caption, unsigned type) {
    MessageBoxDialog box(owner, text, caption, type);
    const int result = box.exec();
    // Closed without a button (the window closed): the device answers as Back would.
    if (result == QDialog::Rejected) return messageButtons(type).size() == 1 ? IDOK : IDCANCEL;
    return result;
}

} // namespace velmora::shell
