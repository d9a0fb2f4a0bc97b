// The item's paint: background, frames, then each panel's content by its code.
#include "today/TodayPainter.h"

#include "today/PanelPainting.h"

#include "platform/gdi/Font.h"
#include "platform/gdi/WuLine.h"
#include "platform/imaging/ImageFile.h"

#include "VelmoraDay.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora::today {

using gdi::DT_BOTTOM;
using gdi::DT_CENTER;

QFont todayFont(const TodaySettings& settings, int n, int dpiX) {
    const FontSetting& f = settings.fonts[size_t(std::clamp(n, 1, 3) - 1)];
    // A stored size beyond any screen's need would only cost time; it is held to 1..200 points.
    const int size = std::clamp(f.size, 1, 200);
    const int height = int(RoundDouble(size * dpiX / 96.0, 0));
    return gdi::makeFont(QStringLiteral("Tahoma"), -height, f.bold ? 700 : 400, f.italic != 0,
                         f.smoothing ? gdi::Quality::ClearType : gdi::Quality::Default);
}

QString picturePath(const TodaySettings& settings, const QString& name) {
    return settings.imageFolder + u'\\' + name;
}

double minuteHandAngle(int minute) {
    return minute * 2 * std::numbers::pi / 60;
}

double hourHandAngle(int hour, int minute) {
    return (hour % 12 + minute / 60.0) * std::numbers::pi / 6;
}

QPoint handEnd(QPoint centre, int length, double angle) {
    return QPoint(centre.x() + int(std::trunc(length * std::sin(angle))),
                  centre.y() - int(std::trunc(length * std::cos(angle))));
}

QString canChiText(int index) {
    return QString::fromStdU16String(canChiName(index));
}

bool PanelContext::picture(const QString& name, const QRect& r) const {
    return imaging::drawImageFile(painter, picturePath(state.settings, name), r);
}

void paintDateButtons(const PanelContext& c) {
    const LICHVELMORA& d = c.state.shown;
    const Units& u = c.units();
    const struct {
        QString top;
        int canChi;
    } buttons[3] = {
        {QStringLiteral("Ngày %1 (%2)").arg(d.nNgay).arg(d.nNgayAm), d.nCanChiNgay},
        {QStringLiteral("Tháng %1 (%2)").arg(d.nThang).arg(d.nThangAm), d.nCanChiThang},
        {QStringLiteral("Năm %1").arg(d.nNam), d.nCanChiNam},
    };
    for (int b = 0; b < 3; ++b) {
        const QRect r =
            c.state.layout[size_t(DayButton + b)].adjusted(u.x(2), u.y(2), -u.x(2), -u.y(2));
        c.useFont(2);
        c.text(r, buttons[b].top, DT_CENTER);
        c.useFont(3);
        c.text(r, canChiText(buttons[b].canChi), DT_CENTER | DT_BOTTOM);
    }
}

void drawHandLines(QImage& image, const std::vector<HandLine>& lines) {
    std::vector<int> groups;
    for (const HandLine& h : lines)
        if (std::find(groups.begin(), groups.end(), h.group) == groups.end())
            groups.push_back(h.group);
    for (int group : groups) {
        QRectF bounds;
        QColor colour;
        for (const HandLine& h : lines)
            if (h.group == group) {
                bounds |= QRectF(h.from, h.to).normalized();
                colour = h.color;
            }
        const QRect area = bounds.toAlignedRect().adjusted(-2, -2, 2, 2).intersected(image.rect());
        if (area.isEmpty()) continue;
        std::vector<float> coverage(size_t(area.width()) * size_t(area.height()), 0.0f);
        QImage scratch(area.size(), QImage::Format_RGB32);
        for (const HandLine& h : lines) {
            if (h.group != group) continue;
            scratch.fill(Qt::black);
            gdi::drawWuLine(scratch, h.from - area.topLeft(), h.to - area.topLeft(), Qt::white);
            for (int y = 0; y < area.height(); ++y) {
                const QRgb* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
                for (int x = 0; x < area.width(); ++x)
                    coverage[size_t(y) * size_t(area.width()) + size_t(x)] += qRed(row[x]) / 255.0f;
            }
        }
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x) {
                const float a =
                    std::min(1.0f, coverage[size_t(y) * size_t(area.width()) + size_t(x)]);
                if (a <= 0) continue;
                const QColor old = image.pixelColor(area.x() + x, area.y() + y);
                auto mix = [a](int under, int over) {
                    return int(std::lround(under * (1 - a) + over * a));
                };
                image.setPixelColor(area.x() + x, area.y() + y,
                                    QColor(mix(old.red(), colour.red()),
                                           mix(old.green(), colour.green()),
                                           mix(old.blue(), colour.blue())));
            }
    }
}

namespace {

void paintPanel(const PanelContext& c, int content, const QRect& panel, bool left) {
    switch (content) {
    case ContentCalendar:
        paintMonthCalendar(c, panel);
        if (left) paintDateButtons(c);
        break;
    case ContentWeather:
        paintLargeWeather(c, panel);
        if (left) paintButtonWeather(c);
        break;
    case ContentDigitalClock:
        paintDigitalClock(c, panel);
        if (left) paintDateButtons(c);
        break;
    case ContentPersonal:
        paintPersonal(c, panel);
        if (left) paintDateButtons(c);
        break;
    case ContentAnalogClock:
        paintAnalogClock(c, panel, left);
        if (left) paintDateButtons(c);
        break;
    case ContentHighlights:
        if (left) paintDateButtons(c);
        break;
    default: // none, and the contents that are left empty
        break;
    }
}

} // namespace

QImage PaintTodayItem(QSize client, const TodayItemState& state, COLORREF highlight,
                      const Watermark& watermark) {
    QImage image(client.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::black);
    std::vector<HandLine> hands;
    {
        QPainter p(&image);
        const QRect all(QPoint(0, 0), client);
        if (state.selected)
            p.fillRect(all, gdi::fromColorRef(highlight));
        else if (watermark)
            watermark(p, all);
        p.setPen(gdi::fromColorRef(state.settings.colors[0]));
        const PanelContext c{p, state, hands};

        const PageCodes& codes = state.codes();
        const bool twoPanels = codes[1] != ContentNone;
        c.picture(twoPanels ? QStringLiteral("vlh_f1.png") : QStringLiteral("vlh_f2.png"),
                  state.layout[Panel0]);
        if (twoPanels) c.picture(QStringLiteral("vlh_f1.png"), state.layout[Panel1]);
        for (int b = DayButton; b <= YearButton; ++b)
            c.picture(QStringLiteral("vlh_fb.png"), state.layout[size_t(b)]);

        paintPanel(c, codes[0], state.layout[Panel0], true);
        if (twoPanels) paintPanel(c, codes[1], state.layout[Panel1], false);
    }
    drawHandLines(image, hands);
    return image;
}

} // namespace velmora::today
