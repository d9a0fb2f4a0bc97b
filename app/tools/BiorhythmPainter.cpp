// The chart in device pixels: every 96-dpi length through ScaleX (x, widths) or ScaleY (y).
#include "app/tools/BiorhythmPainter.h"

#include "platform/gdi/ColorRef.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"

namespace velmora::app {

using biorhythm::kCycles;
using gdi::fromColorRef;
using screen::ScaleX;
using screen::ScaleY;

namespace {

QPoint scaled(QPoint p) {
    return QPoint(ScaleX(p.x()), ScaleY(p.y()));
}
QRect scaled(const QRect& r) {
    return QRect(scaled(r.topLeft()), scaled(r.bottomRight() + QPoint(1, 1)) - QPoint(1, 1));
}

void line(QPainter& p, int x1, int y1, int x2, int y2) {
    p.drawLine(scaled({x1, y1}), scaled({x2, y2}));
}

} // namespace

void paintBiorhythm(QPainter& p, QSize client, const BiorhythmScene& scene) {
    const ChartGeometry g = chartGeometry(scene.orientation);
    const BiorhythmSettings& settings = *scene.settings;
    const int L = g.left, s = g.step, u = g.unit, T = g.zero, axis = g.axis();
    const int thin = std::max(1, ScaleX(1)), thick = ScaleX(2);

    p.fillRect(QRect(QPoint(0, 0), client), Qt::white);
    p.setFont(gdi::makeFont(QStringLiteral("Tahoma"), -ScaleX(9), 700));

    if (stripShown(settings)) {
        const SYSTEMTIME& last = settings.lastPeriod;
        const QDate lastPeriod(last.wYear, last.wMonth, last.wDay);
        const int a = static_cast<int>(settings.averageLength);
        for (int i = 0; i < kSpanDays && lastPeriod.isValid(); ++i)
            if (const auto colour = stripColour(cycleDay(i, lastPeriod, scene.spanStart, a), a))
                p.fillRect(scaled(QRect(QPoint(L + i * s, T + 60),
                                        QPoint(L + (i + 1) * s - 1, T + 70 - 1))),
                           fromColorRef(*colour));
    }

    p.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), thin));
    for (int i = 0; i <= kSpanDays; ++i)
        line(p, L + i * s, axis, L + i * s, i % 5 == 0 ? T - 5 * u : T + 6 * u);
    for (int k = 6; k >= -5; --k) line(p, L, T + k * u, L + kSpanDays * s, T + k * u);

    p.setPen(QPen(Qt::black, thin));
    line(p, L, T, L + kSpanDays * s, T);
    const int marker = L + scene.days.viewOffset * s;
    line(p, marker, axis, marker, T - 5 * u);

    for (int c = 0; c < int(kCycles.size()); ++c) {
        if (!cycleShown(settings, c)) continue;
        const QColor colour = fromColorRef(kCycles[c].colour);
        p.setPen(QPen(colour, thin));
        QPolygon curve;
        for (const QPoint& point : curvePoints(g, scene.days.sinceBirth, kCycles[c].period))
            curve << scaled(point);
        p.drawPolyline(curve);
        gdi::drawText(p, scaled(legendBox(g, c)),
                      legendText(c, scene.days.sinceBirth, scene.days.viewOffset),
                      gdi::DT_LEFT | gdi::DT_SINGLELINE);
    }

    p.setPen(QPen(Qt::black, thick));
    line(p, L, axis, L, T - 6 * u);
    line(p, L, axis, L + (kSpanDays + 1) * s, axis);

    p.setPen(QColor(0x80, 0x80, 0x80));
    const std::vector<QString> labels = dateLabels(scene.spanStart);
    for (int n = 0; n < int(labels.size()); ++n) {
        const int x = L + n * 10 * s;
        gdi::drawText(p, scaled(QRect(QPoint(x - 10, axis + 5), QPoint(x + 20 - 1, axis + 20 - 1))),
                      labels[n], gdi::DT_LEFT | gdi::DT_SINGLELINE);
    }
}

} // namespace velmora::app
