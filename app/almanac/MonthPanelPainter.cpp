// The month panel's painter: boxes with their caption strips, the day cells, labels and focus.
#include "app/almanac/MonthPanelPainter.h"

#include "app/shell/LunarMonthList.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Shapes.h"

namespace velmora::app {

using velmora::gdi::fromColorRef;
using velmora::screen::ScaleX;
using velmora::screen::ScaleY;
namespace gdi = velmora::gdi;

namespace {

QFont tahoma(int height, int weight) {
    return gdi::makeFont(QStringLiteral("Tahoma"), -ScaleX(height), weight);
}

// A frame drawn inside the rectangle, as a pen of that width inside the frame would.
void frameInside(QPainter& p, const QRect& r, int width, const QColor& colour) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
    p.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), colour);
    p.fillRect(QRect(r.left(), r.top(), width, r.height()), colour);
    p.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), colour);
}

COLORREF scaled(COLORREF c, double factor) {
    const QColor q = fromColorRef(c);
    return gdi::RGB(int(q.red() * factor), int(q.green() * factor), int(q.blue() * factor));
}

QRect headerOf(const QRect& field) {
    return QRect(field.left(), field.top(), field.width(), ScaleY(18));
}

} // namespace

QFont fontToFit(const QFont& font, const QString& text, int room) {
    QFont fitted = font;
    const int smallest = (font.pixelSize() * 3 + 3) / 4;
    while (fitted.pixelSize() > smallest && QFontMetrics(fitted).horizontalAdvance(text) > room)
        fitted.setPixelSize(fitted.pixelSize() - 1);
    return fitted;
}

void paintMonthPanel(QPainter& p, QSize size, const MonthPanelScene& scene) {
    const LICHVELMORA& day = *scene.day;
    const SystemColours& colours = scene.colours;
    const QFont f1 = tahoma(11, 700), f2 = tahoma(9, 500), f3 = tahoma(13, 700),
                f4 = tahoma(9, 700);
    const auto field = [&](int f) { return almanacFieldRect(f, scene.orientation); };

    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    for (int f : {AlmanacDayGrid, AlmanacLunarDayBox, AlmanacLunarMonthBox, AlmanacLunarYearBox}) {
        frameInside(p, field(f), ScaleX(1), fromColorRef(colours.caption));
        gdi::gradientFillVertical(p, headerOf(field(f)), scaled(colours.caption, 0.3),
                                  colours.caption);
    }

    const int t = currentCell(day);
    p.fillRect(gridCellRect(t % kGridColumns, t / kGridColumns), fromColorRef(colours.highlight));

    for (int i = 0; i < kGridCells; ++i) {
        const GridCell cell = gridCell(day, i, colours);
        const QRect box = gridCellRect(i % kGridColumns, i / kGridColumns);
        p.setPen(fromColorRef(cell.colour));
        p.setFont(f1);
        gdi::drawText(p, QRect(box.left(), box.top(), box.width() / 2, box.height()),
                      QString::number(cell.solarDay),
                      gdi::DT_RIGHT | gdi::DT_BOTTOM | gdi::DT_SINGLELINE);
        p.setFont(f2);
        gdi::drawText(p, box.adjusted(0, 0, -ScaleX(4), 0), QString::number(cell.lunarDay),
                      gdi::DT_RIGHT | gdi::DT_BOTTOM | gdi::DT_SINGLELINE);
    }

    const unsigned centred = gdi::DT_CENTER | gdi::DT_VCENTER | gdi::DT_SINGLELINE;
    p.setPen(fromColorRef(colours.captionText));
    p.setFont(f3);
    gdi::drawText(p, headerOf(field(AlmanacMonthLabel)), solarMonthLabel(day), centred);
    gdi::drawText(p, headerOf(field(AlmanacYearLabel)), solarYearLabel(day), centred);
    const std::pair<int, QString> boxLabels[] = {{AlmanacLunarDayBox, lunarDayLabel(day)},
                                                 {AlmanacLunarMonthBox, lunarMonthLabel(day)},
                                                 {AlmanacLunarYearBox, lunarYearLabel(day)}};
    for (const auto& [f, text] : boxLabels) {
        const QRect header = headerOf(field(f));
        p.setFont(fontToFit(f1, text, header.width() - 2 * ScaleX(2)));
        gdi::drawText(p, header, text, centred);
    }

    p.setPen(fromColorRef(colours.menuText));
    p.setFont(f4);
    const std::pair<int, int> pillars[] = {{AlmanacLunarDayBox, day.nCanChiNgay},
                                           {AlmanacLunarMonthBox, day.nCanChiThang},
                                           {AlmanacLunarYearBox, day.nCanChiNam}};
    for (const auto& [f, index] : pillars)
        gdi::drawText(p, field(f).adjusted(0, ScaleY(18), 0, 0), canChiText(index), centred);

    const int selected = scene.state.field;
    if (selected == AlmanacDayGrid)
        gdi::drawFocusRect(p, gridCellRect(scene.state.column, scene.state.row));
    else if (selected >= 0 && selected < kAlmanacFields)
        gdi::drawFocusRect(p,
                           field(selected).adjusted(ScaleX(2), ScaleY(2), -ScaleX(2), -ScaleY(2)));
}

} // namespace velmora::app
