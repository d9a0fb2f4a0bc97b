// What the panel painters share: the painter, the item's state, fonts, colours and pictures.
#pragma once

#include "today/TodayPainter.h"

#include "platform/gdi/ColorRef.h"
#include "platform/gdi/DrawText.h"

#include <vector>

namespace velmora::today {

// An anti-aliased line drawn straight into the picture once the painter has finished; the lines
// of one hand (its parallel copies) share a group.
struct HandLine {
    QPointF from;
    QPointF to;
    QColor color;
    int group = 0;
};

// Draws the lines with Wu's algorithm. The copies of a group add their coverage before they are
// blended in, so a thick hand is solid inside and soft only at its edges.
void drawHandLines(QImage& image, const std::vector<HandLine>& lines);

struct PanelContext {
    QPainter& painter;
    const TodayItemState& state;
    std::vector<HandLine>& hands;

    const Units& units() const { return state.units; }
    void useFont(int n) const { painter.setFont(todayFont(state.settings, n, state.units.dpiX)); }
    QColor color(int n) const { return gdi::fromColorRef(state.settings.colors[size_t(n - 1)]); }
    void text(const QRect& r, const QString& s, unsigned flags) const {
        gdi::drawText(painter, r, s, flags);
    }
    // A rectangle from left, top, right, bottom edges (the right and bottom one past the last
    // pixel).
    static QRect box(int left, int top, int right, int bottom) {
        return QRect(left, top, right - left, bottom - top);
    }
    bool picture(const QString& name, const QRect& r) const;
};

void paintMonthCalendar(const PanelContext& c, const QRect& panel);
void paintLargeWeather(const PanelContext& c, const QRect& panel);
void paintButtonWeather(const PanelContext& c);
void paintDigitalClock(const PanelContext& c, const QRect& panel);
void paintAnalogClock(const PanelContext& c, const QRect& panel, bool full);
void paintPersonal(const PanelContext& c, const QRect& panel);
void paintDateButtons(const PanelContext& c);

// The large weather panel's two temperature texts: the present one ("--°C" without an icon) and
// today's afternoon and morning ("--°C/--°C" unless both have an icon).
QString currentTemperatureText(const weather::WeatherView& view);
QString temperaturePairText(const weather::WeatherView& view);

// "Giáp Tý": the stem and branch of a sexagenary index.
QString canChiText(int index);

} // namespace velmora::today
