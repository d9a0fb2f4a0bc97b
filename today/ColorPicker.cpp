// The palette, its hit test and the picker's paint and buttons.
#include "today/ColorPicker.h"

#include "today/TodayIds.h"

#include "platform/gdi/ColorRef.h"
#include "platform/gdi/Shapes.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace velmora::today {

// Darks and reds, then yellows, greens, blues and purples, ending with white: the product's
// palette as it offers it, six to a row.
const std::array<COLORREF, kPaletteSize> kPalette = {
    0x000000, 0x000040, 0x000080, 0x404080, 0x0000FF, 0x8080FF, //
    0x80FFFF, 0x00FFFF, 0x4080FF, 0x0080FF, 0x004080, 0x008080, //
    0x408080, 0x004000, 0x008000, 0x00FF00, 0x00FF80, 0x80FF80, //
    0x80FF00, 0x40FF00, 0x808000, 0x408000, 0x404000, 0x808080, //
    0x808040, 0x800000, 0xFF0000, 0x804000, 0xFFFF00, 0xFFFF80, //
    0xFF8000, 0xC08000, 0xFF8080, 0xA00000, 0x400000, 0xC0C0C0, //
    0x400040, 0x400040, 0x800080, 0x400080, 0xC08080, 0xC080FF, //
    0xFF80FF, 0xFF00FF, 0x8000FF, 0xFF0080, 0x800040, 0xFFFFFF,
};

QRect swatchRect(int i) {
    const int column = i % 6, row = i / 6;
    return QRect(10 + 30 * column, 2 + 16 * row, 28, 14);
}

int swatchAt(QPoint p) {
    // The swatches' own rectangles, not the grid's cells counted from the dialog's edge: a tap in
    // the margin or between two swatches picks none.
    for (int i = 0; i < kPaletteSize; ++i)
        if (swatchRect(i).contains(p)) return i;
    return -1;
}

ColorPicker::ColorPicker(COLORREF current, Units units, const QRect& screenArea, QWidget* owner)
    : QDialog(owner ? owner->window() : nullptr, Qt::Dialog | Qt::FramelessWindowHint),
      units_(units) {
    setProperty("controlId", IddColorPicker);
    setFixedSize(units.x(200), units.y(180));
    move(screenArea.left() + (screenArea.width() - width()) / 2,
         screenArea.top() + (screenArea.height() - height()) / 2);
    for (int i = 0; i < kPaletteSize; ++i)
        if (kPalette[size_t(i)] == current) {
            selected_ = i;
            break;
        }
    const struct {
        int id;
        const char16_t* text;
        int x, width;
    } buttons[] = {
        {1, u"Chọn", 10, 45}, {IdcPickerDefault, u"Mặc định", 70, 58}, {2, u"Bỏ qua", 143, 45}};
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf16(b.text), this);
        button->setProperty("controlId", b.id);
        button->setGeometry(units.x(b.x), units.y(132), units.x(b.width), units.y(20));
        const int id = b.id;
        connect(button, &QPushButton::clicked, this, [this, id] { press(id); });
    }
}

void ColorPicker::select(int swatch) {
    selected_ = swatch;
    update();
}

void ColorPicker::press(int id) {
    if (id == 1) {
        if (selected_ >= 0 && selected_ < kPaletteSize) chosen_ = kPalette[size_t(selected_)];
        accept();
    } else if (id == IdcPickerDefault) {
        chosen_ = kDefaultColor;
        accept();
    } else {
        chosen_.reset();
        reject();
    }
}

void ColorPicker::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    for (int i = 0; i < kPaletteSize; ++i) {
        const QRect u = swatchRect(i);
        const QRect r(units_.x(u.x()), units_.y(u.y()), units_.x(u.width()), units_.y(u.height()));
        p.fillRect(r, gdi::fromColorRef(kPalette[size_t(i)]));
        const int frame = i == selected_ ? units_.x(2) : 1;
        p.setPen(QPen(Qt::black, frame, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(r.adjusted(frame / 2, frame / 2, -(frame + 1) / 2, -(frame + 1) / 2));
        if (i == selected_)
            gdi::drawFocusRect(p, r.adjusted(-units_.x(2), -units_.y(2), units_.x(2), units_.y(2)));
    }
}

void ColorPicker::mouseReleaseEvent(QMouseEvent* event) {
    // Back to units, so that the palette answers alike at every screen density.
    const QPoint at = event->position().toPoint();
    const int swatch = swatchAt(QPoint(at.x() * 96 / units_.dpiX, at.y() * 96 / units_.dpiY));
    if (swatch >= 0) select(swatch);
}

} // namespace velmora::today
