// The purple-star chart's painter.
#include "app/charts/PurpleStarPainter.h"

#include "app/charts/ChartPainting.h"
#include "platform/gdi/ColorRef.h"
#include "platform/gdi/DrawText.h"
#include "platform/screen/ScreenProfile.h"
#include "suite/charts/ByteFields.h"

namespace velmora::app {

using charts::ChartPalace;
using charts::PurpleStarChart;
using screen::ScaleX;
using screen::ScaleY;

namespace {

constexpr COLORREF kBorder = gdi::RGB(0xA0, 0xA0, 0xA0);
constexpr COLORREF kBottomLine = 0x000080; // the decade and small-limit line
constexpr COLORREF kLabelBox = 0xA9A9A9;

QString text(std::u16string_view s) {
    return QString::fromUtf16(s.data(), qsizetype(s.size()));
}

QRect cellRect(int position, QSize size) {
    const GridCell c = cellOfPalace(position);
    const int w = size.width() / 4, h = size.height() / 4;
    return QRect(c.column * w, c.row * h, w, h);
}

// A palace's name colour is the colour of its branch's element.
QColor branchColour(int position) {
    return elementColour(g_12Chi[position].nHanh);
}

QFont labelFont() {
    return chartFont(9, true);
}

} // namespace

int labelBoxHeight() {
    return ScaleY(13);
}
int labelStripHeight() {
    return labelBoxHeight() + 2 * ScaleY(2);
}

std::vector<ChartLabel> chartLabels(const PurpleStarChart& chart, QSize size) {
    std::vector<ChartLabel> labels;
    if (!chart.computed) return labels;
    const QFontMetrics fm(labelFont());
    auto add = [&](const QString& label, int first) {
        const int width = fm.horizontalAdvance(label) + 2 * ScaleX(3);
        const LabelBox b =
            pairLabelBox(first, size.width(), size.height(), width, labelBoxHeight(), ScaleY(2));
        labels.push_back({label, QRect(b.x, b.y, b.width, b.height)});
    };
    if (chart.tuan == chart.triet) {
        add(text(kTuanTrietLabel), chart.tuan);
    } else {
        add(text(kTuanLabel), chart.tuan);
        add(text(kTrietLabel), chart.triet);
    }
    return labels;
}

PalaceCellTexts palaceCellTexts(const PurpleStarChart& chart, int position, QSize cell) {
    PalaceCellTexts t;
    const int dpi = screen::current().dpi;
    const bool longNames = useLongNames(cell.width(), dpi);
    if (!chart.computed) {
        t.name = text(g_sChi[position]);
        return t;
    }
    const ChartPalace& palace = chart.palaces[position];
    const bool male = charts::isMale(chart.birth);
    t.name = text(longNames ? charts::palaceName(palace.nameIndex, male)
                            : charts::palaceShortName(palace.nameIndex, male));
    t.body = chart.bodyPalace == position;
    if (listsMainStars(cell.height(), dpi))
        for (int i = 0; i < palace.starCount && i < charts::kStarsPerPalace; ++i)
            if (palace.stars[i].id < charts::kMainStarIdLimit)
                t.mainStars << QString::fromStdU16String(
                    longNames ? charts::fieldText(palace.stars[i].longName)
                              : charts::fieldText(palace.stars[i].shortName));
    t.decade = QString::number(palace.decadeAge);
    t.smallLimit = text(g_sChi[palace.smallLimitBranch % 12]);
    return t;
}

// Texts are drawn without clipping: a line is taller than its 14- or 10-unit row once it makes
// room for stacked accents (Ệ) and dots below (Ụ), and must not lose them.
void paintPurpleStarChart(QPainter& p, QSize size, const PurpleStarChart& chart) {
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const QFont nameFont = chartFont(12, true), starFont = chartFont(9), lineFont = chartFont(9);
    const int smallest = ScaleY(7);
    for (int position = 0; position < charts::kPalaceCount; ++position) {
        const QRect cell = cellRect(position, size);
        p.setPen(gdi::fromColorRef(kBorder));
        p.setBrush(Qt::NoBrush);
        p.drawRect(cell.adjusted(0, 0, -1, -1));
        if (chart.selectedPalace == position) {
            const int inset = std::max(1, ScaleX(1) / 2);
            p.setPen(QPen(QColor(0, 0, 128), std::max(1, ScaleX(1))));
            p.drawRect(cell.adjusted(inset, inset, -inset - 1, -inset - 1));
        }
        const PalaceCellTexts t = palaceCellTexts(chart, position, cell.size());
        const int room = cell.width() - 2 * ScaleX(2);

        p.setPen(branchColour(position));
        p.setFont(fitFont(nameFont, t.name, room, smallest));
        gdi::drawText(p, QRect(cell.left(), cell.top() + ScaleY(5), cell.width(), ScaleY(14)),
                      t.name,
                      gdi::DT_CENTER | gdi::DT_SINGLELINE | gdi::DT_VCENTER | gdi::DT_NOCLIP);
        if (!chart.computed) continue;

        const ChartPalace& palace = chart.palaces[position];
        int line = 0;
        for (int i = 0;
             i < palace.starCount && i < charts::kStarsPerPalace && line < t.mainStars.size();
             ++i) {
            if (palace.stars[i].id >= charts::kMainStarIdLimit) continue;
            const QString& name = t.mainStars[line];
            const QRect r(cell.left(), cell.top() + ScaleY(18 + 10 * line), cell.width(),
                          ScaleY(11));
            if (r.bottom() > cell.bottom() - ScaleY(18)) break; // keep the bottom line clear
            p.setPen(elementColour(palace.stars[i].element));
            p.setFont(fitFont(starFont, name, room, smallest));
            gdi::drawText(p, r, name,
                          gdi::DT_CENTER | gdi::DT_SINGLELINE | gdi::DT_VCENTER | gdi::DT_NOCLIP);
            ++line;
        }

        const QRect bottom(cell.left() + ScaleX(4), cell.bottom() + 1 - ScaleY(18),
                           cell.width() - 2 * ScaleX(4), ScaleY(18));
        p.setFont(lineFont);
        p.setPen(gdi::fromColorRef(kBottomLine));
        gdi::drawText(p, bottom, t.decade,
                      gdi::DT_RIGHT | gdi::DT_SINGLELINE | gdi::DT_VCENTER | gdi::DT_NOCLIP);
        gdi::drawText(p, bottom, t.smallLimit,
                      gdi::DT_LEFT | gdi::DT_SINGLELINE | gdi::DT_VCENTER | gdi::DT_NOCLIP);
        if (t.body) {
            const QString body = text(useLongNames(cell.width(), screen::current().dpi)
                                          ? charts::kBodyPalaceName
                                          : charts::kBodyPalaceShortName);
            p.setPen(Qt::black);
            p.setFont(chartFont(9, true));
            gdi::drawText(p, bottom, body,
                          gdi::DT_CENTER | gdi::DT_SINGLELINE | gdi::DT_VCENTER | gdi::DT_NOCLIP);
        }
    }

    p.setFont(labelFont());
    for (const ChartLabel& label : chartLabels(chart, size)) {
        p.fillRect(label.box, gdi::fromColorRef(kLabelBox));
        p.setPen(Qt::white);
        gdi::drawText(p, label.box, label.text,
                      gdi::DT_CENTER | gdi::DT_SINGLELINE | gdi::DT_VCENTER | gdi::DT_NOCLIP);
    }
}

} // namespace velmora::app
