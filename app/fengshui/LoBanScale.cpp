// Geometry and drawing of the Lỗ Ban scale.
#include "app/fengshui/LoBanScale.h"

#include "app/fengshui/FengShuiControls.h"

#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/screen/ScreenProfile.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace velmora::app {

using screen::ScaleX;
using screen::ScaleY;
using namespace fengshui;

namespace {

const QColor kAuspicious(0xFF, 0, 0); // COLORREF 0x0000FF

QFont scaleFont() {
    return gdi::makeFont(QStringLiteral("Tahoma"), -loBanFontHeight());
}

int shortTick() {
    return ScaleX(4);
}

} // namespace

int loBanFontHeight() {
    // Two lines of a mark fit the shorter ruler's subsection (9.6875 mm) at every dpi.
    return ScaleY(9);
}

int LoBanScaleGeometry::y(double mm) const {
    return top + int(std::lround((mm - double(start)) * millimetre));
}

QRect LoBanScaleGeometry::leftTextColumn() const {
    const int middle = (leftLine + rightLine) / 2;
    return QRect(QPoint(leftLine + ScaleX(3), 0), QPoint(middle - ScaleX(2), height - 1));
}

QRect LoBanScaleGeometry::rightTextColumn() const {
    const int middle = (leftLine + rightLine) / 2;
    return QRect(QPoint(middle + ScaleX(2), 0), QPoint(rightLine - ScaleX(3), height - 1));
}

double LoBanScaleGeometry::markAllowance() const {
    return double(ScaleY(10)) / millimetre;
}

LoBanScaleGeometry loBanScaleGeometry(int width, double length, int dpi) {
    LoBanScaleGeometry g;
    g.millimetre = std::max(1, (dpi + 16) * 3 / 96);
    g.start = scaleStart(length);
    const QFontMetrics fm(scaleFont());
    const int line = gdi::lineHeight(fm);
    // The widest number labels the left edge; the lines stand clear of the ticks.
    const int numbers = fm.horizontalAdvance(QString::number(g.start + kScaleSpan));
    g.leftLine = ScaleX(3) + numbers + ScaleX(3) + 2 * shortTick();
    g.rightLine = width - ScaleX(3) - 2 * shortTick();
    g.top = std::max(ScaleY(10), line / 2 + 1);
    g.width = width;
    // Below the last millimetre: room for its number, and for the last marks' texts so that
    // none is cut (a text on two lines may reach past the scale's end).
    g.height = g.top + kScaleSpan * g.millimetre + line / 2 + ScaleY(2);
    for (const PlacedMark& placed : placeLoBanMarks(g, length)) {
        const int lines = int(placed.text.count(QLatin1Char('\n'))) + 1;
        g.height = std::max(g.height, placed.tickY + 1 + lines * line + ScaleY(1));
    }
    return g;
}

QString loBanMarkText(const LoBanMark& mark, int columnWidth, int fontPixelHeight) {
    const QString whole = fromU16(mark.text);
    const QFontMetrics fm(gdi::makeFont(QStringLiteral("Tahoma"), -fontPixelHeight));
    if (fm.horizontalAdvance(whole) <= columnWidth) return whole;
    QString split = whole;
    split.replace(QStringLiteral(" ("), QStringLiteral("\n("));
    return split;
}

std::vector<PlacedMark> placeLoBanMarks(const LoBanScaleGeometry& g, double length) {
    std::vector<PlacedMark> placed;
    const struct {
        const LoBanRuler* ruler;
        bool left;
        QRect column;
    } rulers[] = {{&eightSectionRuler(), true, g.leftTextColumn()},
                  {&tenSectionRuler(), false, g.rightTextColumn()}};
    for (const auto& r : rulers) {
        for (const LoBanMark& mark : rulerMarks(*r.ruler, length, g.markAllowance())) {
            PlacedMark p;
            p.mark = mark;
            p.leftRuler = r.left;
            p.tickY = g.y(mark.position);
            // The band from the mark down to the next, kept inside the canvas.
            const int top = std::max(p.tickY + 1, 0);
            const int bottom =
                std::min(g.y(mark.position + r.ruler->subsectionLength()) - 1, g.height - 1);
            p.textBox = QRect(QPoint(r.column.left(), top), QPoint(r.column.right(), bottom));
            p.text = loBanMarkText(mark, r.column.width(), loBanFontHeight());
            placed.push_back(p);
        }
    }
    return placed;
}

QImage renderLoBanScale(const LoBanScaleGeometry& g, double length) {
    QImage image(std::max(1, g.width), std::max(1, g.height), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(scaleFont());
    p.setPen(Qt::black);
    const int bottom = g.y(double(g.start) + kScaleSpan);
    p.drawLine(g.leftLine, g.top, g.leftLine, bottom);
    p.drawLine(g.rightLine, g.top, g.rightLine, bottom);
    const QFontMetrics fm(p.font());
    const int line = gdi::lineHeight(fm);
    for (int mm = 0; mm <= kScaleSpan; ++mm) {
        const int y = g.y(double(g.start) + mm);
        const int tick = mm % 5 == 0 ? 2 * shortTick() : shortTick();
        p.drawLine(g.leftLine - tick, y, g.leftLine, y);
        p.drawLine(g.rightLine, y, g.rightLine + tick, y);
        if (mm % 10 == 0)
            gdi::drawText(p, QRect(0, y - line / 2, g.leftLine - 2 * shortTick() - ScaleX(2), line),
                          QString::number(g.start + mm), gdi::DT_RIGHT | gdi::DT_SINGLELINE);
    }
    const int markTick = ScaleX(12);
    for (const PlacedMark& placed : placeLoBanMarks(g, length)) {
        p.setPen(placed.mark.auspicious ? kAuspicious : QColor(Qt::black));
        if (placed.tickY >= 0 && placed.tickY < g.height) {
            if (placed.leftRuler)
                p.drawLine(g.leftLine, placed.tickY, g.leftLine + markTick, placed.tickY);
            else
                p.drawLine(g.rightLine - markTick, placed.tickY, g.rightLine, placed.tickY);
        }
        p.save();
        p.setClipRect(placed.textBox);
        gdi::drawText(p, placed.textBox, placed.text,
                      (placed.leftRuler ? gdi::DT_LEFT : gdi::DT_RIGHT) | gdi::DT_TOP);
        p.restore();
    }
    return image;
}

} // namespace velmora::app
