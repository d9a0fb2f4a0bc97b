// The digital clock from digit pictures and the analog clock with anti-aliased hands.
#include "today/PanelPainting.h"

namespace velmora::today {

using gdi::DT_BOTTOM;
using gdi::DT_CENTER;
using gdi::DT_RIGHT;
using gdi::DT_SINGLELINE;
using gdi::DT_VCENTER;

namespace {

QString weekdayName(const LICHVELMORA& d) {
    return QString::fromUtf16(g_sThu[((d.nThu % 7) + 7) % 7]).left(10);
}

} // namespace

void paintDigitalClock(const PanelContext& c, const QRect& panel) {
    const Units& u = c.units();
    const LICHVELMORA& d = c.state.shown;
    // Right to left: minute units and tens, the separator, hour units and tens.
    const struct {
        QString picture;
        int width;
    } parts[] = {
        {QStringLiteral("vlh_%1.png").arg(d.nPhut % 10), 22},
        {QStringLiteral("vlh_%1.png").arg(d.nPhut / 10 % 10), 22},
        {QStringLiteral("vlh_s.png"), 10},
        {QStringLiteral("vlh_%1.png").arg(d.nGio % 10), 22},
        {QStringLiteral("vlh_%1.png").arg(d.nGio / 10 % 10), 22},
    };
    int right = rightOf(panel) - u.x(15);
    for (const auto& part : parts) {
        const int left = right - u.x(part.width);
        c.picture(part.picture, QRect(left, panel.top() + u.y(22), right - left, u.y(30)));
        right = left;
    }
    c.useFont(2);
    c.text(PanelContext::box(panel.left(), panel.top(), rightOf(panel), panel.top() + u.y(20)),
           QStringLiteral("%1, %2/%3/%4")
               .arg(weekdayName(d))
               .arg(d.nNgay, 2, 10, QLatin1Char('0'))
               .arg(d.nThang, 2, 10, QLatin1Char('0'))
               .arg(d.nNam % 1000, 2, 10, QLatin1Char('0')),
           DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    c.useFont(3);
    c.text(PanelContext::box(panel.left(), bottomOf(panel) - u.y(20), rightOf(panel),
                             bottomOf(panel) - u.y(8)),
           QStringLiteral("(%1, %2/%3, %4)")
               .arg(canChiText(d.nCanChiNgay))
               .arg(d.nNgayAm)
               .arg(d.nThangAm)
               .arg(canChiText(d.nCanChiNam)),
           DT_CENTER | DT_BOTTOM | DT_SINGLELINE);
}

void paintAnalogClock(const PanelContext& c, const QRect& panel, bool full) {
    const Units& u = c.units();
    const LICHVELMORA& d = c.state.shown;
    const int l = panel.left(), t = panel.top();
    c.picture(QStringLiteral("clock.png"), QRect(l + u.x(3), t + u.y(6), u.x(70), u.y(70)));

    const QPoint centre(l + u.x(38), t + u.y(40));
    const QColor colour = c.color(5);
    // Thick hands: parallel copies a pixel to each side, three more on a finer screen, across
    // the hand's main direction.
    const int spread = u.dpiX > 96 ? 4 : 1;
    int group = 0;
    for (const auto& [length, angle] : {std::pair{u.x(22), minuteHandAngle(d.nPhut)},
                                        std::pair{u.x(17), hourHandAngle(d.nGio, d.nPhut)}}) {
        ++group;
        const QPoint end = handEnd(centre, length, angle);
        const bool steep = std::abs(end.y() - centre.y()) > std::abs(end.x() - centre.x());
        for (int k = -spread; k <= spread; ++k) {
            const QPointF shift = steep ? QPointF(k, 0) : QPointF(0, k);
            c.hands.push_back({QPointF(centre) + shift, QPointF(end) + shift, colour, group});
        }
    }

    // The texts right of the face, right-aligned, ending 5 units before the panel's edge.
    const int textLeft = l + u.x(73), textRight = rightOf(panel) - u.x(5);
    if (full) {
        c.useFont(2);
        c.text(PanelContext::box(textLeft, t, textRight, t + u.y(20)),
               QString::fromUtf16(g_sThu[((d.nThu % 7) + 7) % 7]),
               DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
        const QRect below =
            PanelContext::box(textLeft, t + u.y(23), textRight, bottomOf(panel) - u.y(8));
        c.useFont(3);
        c.text(below, QStringLiteral("Tháng %1").arg(d.nThang), DT_RIGHT | DT_SINGLELINE);
        c.text(below, QStringLiteral("Năm %1").arg(d.nNam), DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
        c.useFont(1);
        c.text(below, QString::number(d.nNgay), DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    const QRect area = PanelContext::box(textLeft, t + u.y(5), textRight, bottomOf(panel) - u.y(5));
    const int quarter = area.height() / 4;
    c.useFont(3);
    c.text(area, canChiText(d.nCanChiNgay), DT_RIGHT | DT_SINGLELINE | gdi::DT_NOCLIP);
    c.text(area, canChiText(d.nCanChiNam), DT_RIGHT | DT_BOTTOM | DT_SINGLELINE | gdi::DT_NOCLIP);
    c.useFont(2);
    c.text(area.adjusted(0, quarter, 0, -2 * quarter),
           QStringLiteral("%1/%2")
               .arg(d.nNgay, 2, 10, QLatin1Char('0'))
               .arg(d.nThang, 2, 10, QLatin1Char('0')),
           DT_RIGHT | DT_VCENTER | DT_SINGLELINE | gdi::DT_NOCLIP);
    c.text(area.adjusted(0, 2 * quarter, 0, -quarter),
           QStringLiteral("%1/%2").arg(d.nNgayAm).arg(d.nThangAm),
           DT_RIGHT | DT_VCENTER | DT_SINGLELINE | gdi::DT_NOCLIP);
}

} // namespace velmora::today
