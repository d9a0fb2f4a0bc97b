// Drawing a hexagram button: six bars or its caption, a frame thicker with the focus.
#include "app/fengshui/HexagramButton.h"

#include "suite/fengshui/Hexagram.h"

#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/screen/ScreenProfile.h"

#include <QPainter>

namespace velmora::app {

using screen::ScaleX;
using screen::ScaleY;

namespace {

const QColor kMoving(0xFF, 0, 0); // COLORREF 0x0000FF
const QColor kSteady(0, 0, 0xFF); // COLORREF 0xFF0000

} // namespace

std::vector<HexagramBar> hexagramBars(const QString& text, const QRect& area) {
    const std::u16string lines = text.toStdU16String();
    if (!fengshui::isHexagram(lines) || area.height() < 6 || area.width() < 3) return {};
    std::vector<HexagramBar> bars;
    // Six equal slots, each a bar over its gap; line 1 in the lowest slot.
    const int slot = area.height() / 6;
    const int thickness = std::max(1, slot * 3 / 5);
    const int gap = std::max(1, area.width() / 6);
    for (int i = 0; i < 6; ++i) {
        const char16_t c = lines[std::size_t(i)];
        const int top = area.bottom() + 1 - (i + 1) * slot + (slot - thickness) / 2;
        const bool moving = fengshui::isMoving(c);
        if (fengshui::isYang(c)) {
            bars.push_back({QRect(area.left(), top, area.width(), thickness), moving});
        } else {
            const int half = (area.width() - gap) / 2;
            bars.push_back({QRect(area.left(), top, half, thickness), moving});
            bars.push_back({QRect(area.right() + 1 - half, top, half, thickness), moving});
        }
    }
    return bars;
}

HexagramButton::HexagramButton(const QString& caption, QWidget* parent)
    : QAbstractButton(parent), caption_(caption) {
    setFocusPolicy(Qt::StrongFocus);
}

QSize HexagramButton::sizeHint() const {
    return QSize(ScaleX(56), ScaleY(48));
}

QImage HexagramButton::render() const {
    QImage image(size(), QImage::Format_RGB32);
    const bool pressed = isDown();
    image.fill(pressed ? Qt::black : Qt::white);
    QPainter p(&image);
    const QRect all = image.rect();
    const int frame = hasFocus() ? std::max(2, ScaleX(2)) : 1;
    const QRect inside =
        all.adjusted(frame + ScaleX(5), frame + ScaleY(4), -frame - ScaleX(5), -frame - ScaleY(4));
    const std::vector<HexagramBar> bars = hexagramBars(text(), inside);
    if (bars.empty()) {
        p.setPen(pressed ? Qt::white : Qt::black);
        p.setFont(gdi::makeFont(QStringLiteral("Tahoma"), -ScaleY(11), 700));
        gdi::drawText(p, all, caption_, gdi::DT_CENTER | gdi::DT_VCENTER | gdi::DT_SINGLELINE);
    }
    for (const HexagramBar& bar : bars)
        p.fillRect(bar.rect, pressed ? QColor(Qt::white) : bar.moving ? kMoving : kSteady);
    p.setPen(Qt::NoPen);
    p.setBrush(pressed ? Qt::white : Qt::black);
    const QColor edge = pressed ? Qt::white : Qt::black;
    p.fillRect(QRect(0, 0, all.width(), frame), edge);
    p.fillRect(QRect(0, all.height() - frame, all.width(), frame), edge);
    p.fillRect(QRect(0, 0, frame, all.height()), edge);
    p.fillRect(QRect(all.width() - frame, 0, frame, all.height()), edge);
    return image;
}

void HexagramButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, render());
}

} // namespace velmora::app
