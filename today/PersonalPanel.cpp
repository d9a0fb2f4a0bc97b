// The personal panel: the name, then the picture with biorhythm values or chart, or three lines.
#include "today/PanelPainting.h"

#include "suite/biorhythm/BiorhythmCycles.h"
#include "suite/personal/PersonalFields.h"

#include <cmath>
#include <numbers>

namespace velmora::today {

using gdi::DT_BOTTOM;
using gdi::DT_LEFT;
using gdi::DT_RIGHT;
using gdi::DT_SINGLELINE;
using gdi::DT_VCENTER;

namespace {

// Whole days from the birth date (01/01/1990 until the user sets one) to the shown day.
int daysLived(const TodayItemState& state) {
    const QDate birth = personal::birthOf(state.personal.birth).date();
    SYSTEMTIME b{};
    b.wYear = uint16_t(birth.year());
    b.wMonth = uint16_t(birth.month());
    b.wDay = uint16_t(birth.day());
    const LICHVELMORA& d = state.shown;
    return biorhythm::daysSinceBirth(b, d.nNgay, d.nThang, d.nNam);
}

void paintValues(const PanelContext& c, const QRect& area, int days) {
    const struct {
        const char16_t* label;
        int period;
        unsigned where;
    } lines[] = {
        {u"N. lượng:", 23, 0}, {u"Cảm xúc:", 28, DT_VCENTER}, {u"Trí tuệ:", 33, DT_BOTTOM}};
    for (const auto& line : lines) {
        c.text(area, QString::fromUtf16(line.label), DT_LEFT | line.where | DT_SINGLELINE);
        c.text(area, QString::number(biorhythm::cycleValue(days, line.period)),
               DT_RIGHT | line.where | DT_SINGLELINE);
    }
}

void paintChart(const PanelContext& c, const QRect& panel, int days) {
    const Units& u = c.units();
    QPainter& p = c.painter;
    const int centre = panel.top() + u.y(48);
    const int left = rightOf(panel) - u.x(60);
    const int penWidth = (u.dpiX + 48) / 96;
    p.save();
    p.setPen(QPen(c.color(2), penWidth));
    for (int i = 0; i <= 10; ++i) {
        const int x = left + u.x(5 * i), y = centre - u.y(25) + u.y(5 * i);
        p.drawLine(x, centre - u.y(25), x, centre + u.y(25));
        p.drawLine(left, y, left + u.x(50), y);
    }
    p.setPen(QPen(c.color(1), penWidth));
    p.drawLine(left, centre, left + u.x(50), centre);
    // Ten days, five units a day: the physical, emotional and intellectual curves.
    p.setRenderHint(QPainter::Antialiasing);
    const int pixels = u.x(50), perDay = u.x(5), amplitude = u.y(25);
    for (std::size_t k = 0; k < 3; ++k) {
        const biorhythm::Cycle& cycle = biorhythm::kCycles[k];
        p.setPen(QPen(gdi::fromColorRef(cycle.colour), penWidth));
        QPolygon curve;
        for (int i = 0; i < pixels; ++i) {
            const double day = days + double(i) / perDay;
            curve << QPoint(left + i,
                            centre - int(std::lround(amplitude * std::sin(2 * std::numbers::pi *
                                                                          day / cycle.period))));
        }
        p.drawPolyline(curve);
    }
    p.restore();
}

} // namespace

void paintPersonal(const PanelContext& c, const QRect& panel) {
    const Units& u = c.units();
    const personal::PersonalRecord& r = c.state.personal;
    const int l = panel.left(), t = panel.top();
    c.useFont(2);
    c.text(PanelContext::box(l + u.x(5), t, rightOf(panel), t + u.y(20)),
           personal::fieldText(r.name), DT_VCENTER | DT_SINGLELINE);
    c.useFont(3);
    const int sub = c.state.subPage;
    if (sub == 2) {
        const QRect area = PanelContext::box(l + u.x(5), t + u.y(25), rightOf(panel) - u.x(5),
                                             bottomOf(panel) - u.y(5));
        c.text(area, personal::fieldText(r.company), DT_LEFT | DT_SINGLELINE);
        c.text(area, personal::fieldText(r.address), DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        c.text(area, personal::fieldText(r.telephone), DT_LEFT | DT_BOTTOM | DT_SINGLELINE);
        return;
    }
    c.picture(QStringLiteral("mypic.png"), QRect(l + u.x(5), t + u.y(25), u.x(50), u.y(50)));
    const int days = daysLived(c.state);
    if (sub == 0)
        paintValues(c,
                    PanelContext::box(l + u.x(60), t + u.y(25), rightOf(panel) - u.x(5),
                                      bottomOf(panel) - u.y(5)),
                    days);
    else
        paintChart(c, panel, days);
}

} // namespace velmora::today
