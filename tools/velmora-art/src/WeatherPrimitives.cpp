// Drawing primitives of the weather icons: sun, moon, clouds, precipitation, bolts, fog, wind,
// signs.
#include "tools/velmora-art/src/WeatherPrimitives.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <numbers>

namespace velmora::art {
namespace {

constexpr double pi = std::numbers::pi;

QPen outlinePen(QColor colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient vertical(const QRectF& box, QColor top, QColor bottom) {
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// A teardrop whose round part is centred on `c`, pointing up; `s` is the round part's radius.
QPainterPath dropPath(QPointF c, double s) {
    QPainterPath path;
    const QPointF tip(c.x(), c.y() - 2.0 * s);
    path.moveTo(tip);
    path.cubicTo(c.x() + 0.25 * s, c.y() - 1.2 * s, c.x() + s, c.y() - 0.6 * s, c.x() + s, c.y());
    path.arcTo(QRectF(c.x() - s, c.y() - s, 2 * s, 2 * s), 0, -180);
    path.cubicTo(c.x() - s, c.y() - 0.6 * s, c.x() - 0.25 * s, c.y() - 1.2 * s, tip.x(), tip.y());
    path.closeSubpath();
    return path;
}

void drop(QPainter& p, QPointF c, double s, bool icy, const Ink& ink) {
    const QPainterPath path = dropPath(c, s);
    const QRectF box = path.boundingRect();
    p.setPen(outlinePen(icy ? QColor(30, 110, 160) : QColor(20, 70, 160), ink.outline * 0.8));
    p.setBrush(icy ? vertical(box, QColor(235, 250, 255), QColor(150, 215, 240))
                   : vertical(box, QColor(120, 185, 250), QColor(40, 120, 220)));
    p.save();
    p.translate(c);
    p.rotate(15); // falling slightly slanted, as driven by wind
    p.translate(-c);
    p.drawPath(path);
    p.restore();
}

// Six arms with side branches, drawn twice: a dark blue rim under a white core.
void flake(QPainter& p, QPointF c, double r, const Ink& ink) {
    QPainterPath arms;
    for (int i = 0; i < 6; ++i) {
        const double a = i * pi / 3 + pi / 2;
        const QPointF dir(std::cos(a), -std::sin(a));
        arms.moveTo(c);
        arms.lineTo(c + r * dir);
        if (r >= 6) {
            const QPointF mid = c + 0.6 * r * dir;
            for (double side : {-1.0, 1.0}) {
                const double b = a + side * pi / 4;
                arms.moveTo(mid);
                arms.lineTo(mid + 0.35 * r * QPointF(std::cos(b), -std::sin(b)));
            }
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(QColor(40, 90, 170), ink.outline * 2.2));
    p.drawPath(arms);
    p.setPen(outlinePen(QColor(255, 255, 255), ink.outline * 0.9));
    p.drawPath(arms);
}

void pellet(QPainter& p, QPointF c, double r, const Ink& ink) {
    QPolygonF diamond{
        {c.x(), c.y() - r}, {c.x() + r, c.y()}, {c.x(), c.y() + r}, {c.x() - r, c.y()}};
    p.setPen(outlinePen(QColor(40, 90, 150), ink.outline * 0.8));
    p.setBrush(QColor(200, 230, 250));
    p.drawPolygon(diamond);
}

void hailstone(QPainter& p, QPointF c, double r, const Ink& ink) {
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.35), r * 1.3);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(190, 205, 220));
    p.setPen(outlinePen(QColor(70, 85, 110), ink.outline * 0.8));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

} // namespace

void sun(QPainter& p, QPointF c, double r, const Ink& ink) {
    QPainterPath rays;
    for (int i = 0; i < 8; ++i) {
        const double a = i * pi / 4;
        const QPointF dir(std::cos(a), std::sin(a));
        rays.moveTo(c + 1.3 * r * dir);
        rays.lineTo(c + 1.62 * r * dir);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(QColor(235, 140, 0), ink.outline * 1.9));
    p.drawPath(rays);
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.4);
    g.setColorAt(0, QColor(255, 240, 130));
    g.setColorAt(1, QColor(255, 180, 0));
    p.setPen(outlinePen(QColor(225, 125, 0), ink.outline));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void paleSun(QPainter& p, QPointF c, double r, const Ink& ink) {
    p.setPen(outlinePen(QColor(205, 150, 80), ink.outline));
    p.setBrush(QColor(250, 215, 150));
    p.drawEllipse(c, r, r);
}

void moon(QPainter& p, QPointF c, double r, const Ink& ink) {
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(0.5 * r, -0.35 * r), 0.82 * r, 0.82 * r);
    const QPainterPath crescent = disc.subtracted(bite);
    QLinearGradient g(c - QPointF(r, r), c + QPointF(r, r));
    g.setColorAt(0, QColor(255, 245, 170));
    g.setColorAt(1, QColor(240, 195, 60));
    p.setPen(outlinePen(QColor(175, 125, 20), ink.outline));
    p.setBrush(g);
    p.drawPath(crescent);
}

void star(QPainter& p, QPointF c, double r, const Ink& ink) {
    QPolygonF shape;
    for (int i = 0; i < 8; ++i) {
        const double a = i * pi / 4 - pi / 2;
        const double len = (i % 2 == 0) ? r : 0.38 * r;
        shape << c + len * QPointF(std::cos(a), std::sin(a));
    }
    p.setPen(outlinePen(QColor(175, 125, 20), ink.outline * 0.6));
    p.setBrush(QColor(255, 235, 120));
    p.drawPolygon(shape);
}

void cloud(QPainter& p, const QRectF& box, CloudTone tone, const Ink& ink) {
    const double x = box.x(), y = box.y(), w = box.width(), h = box.height();
    QPainterPath shape;
    shape.addRoundedRect(QRectF(x, y + 0.5 * h, w, 0.5 * h), 0.25 * h, 0.25 * h);
    QPainterPath puff;
    puff.addEllipse(QPointF(x + 0.27 * w, y + 0.58 * h), 0.3 * h, 0.3 * h);
    puff.addEllipse(QPointF(x + 0.55 * w, y + 0.45 * h), 0.44 * h, 0.44 * h);
    puff.addEllipse(QPointF(x + 0.8 * w, y + 0.65 * h), 0.28 * h, 0.28 * h);
    puff.setFillRule(Qt::WindingFill);
    shape = shape.united(puff).simplified();

    struct Look {
        QColor top, bottom, rim;
    };
    static constexpr std::array<std::array<int, 9>, 4> looks{{
        {255, 255, 255, 214, 222, 234, 105, 115, 135}, // White
        {205, 210, 218, 150, 157, 168, 80, 86, 98},    // Grey
        {125, 131, 143, 80, 84, 95, 40, 43, 52},       // Dark
        {246, 246, 246, 226, 226, 226, 150, 150, 150}, // Unknown: pale, colourless
    }};
    const auto& l = looks[static_cast<std::size_t>(tone)];
    p.setPen(outlinePen(QColor(l[6], l[7], l[8]), ink.outline));
    p.setBrush(vertical(box, QColor(l[0], l[1], l[2]), QColor(l[3], l[4], l[5])));
    p.drawPath(shape);
}

void fallingItem(QPainter& p, Item item, QPointF c, const Ink& ink) {
    switch (item) {
    case Item::Drop:
        drop(p, c, 5.0, false, ink);
        break;
    case Item::SmallDrop:
        drop(p, c, 3.2, false, ink);
        break;
    case Item::IcyDrop:
        drop(p, c, 5.0, true, ink);
        break;
    case Item::SmallIcyDrop:
        drop(p, c, 3.2, true, ink);
        break;
    case Item::Flake:
        flake(p, c, 9.0, ink);
        break;
    case Item::TinyFlake:
        flake(p, c, 5.5, ink);
        break;
    case Item::Pellet:
        pellet(p, c, 4.5, ink);
        break;
    case Item::Hailstone:
        hailstone(p, c, 6.0, ink);
        break;
    }
}

void bolt(QPainter& p, const QRectF& b, const Ink& ink) {
    auto at = [&](double fx, double fy) {
        return QPointF(b.x() + fx * b.width(), b.y() + fy * b.height());
    };
    QPolygonF shape{at(0.45, 0.0), at(0.0, 0.56),  at(0.4, 0.56), at(0.2, 1.0),
                    at(1.0, 0.38), at(0.58, 0.38), at(0.85, 0.0)};
    p.setPen(outlinePen(QColor(190, 110, 0), ink.outline * 0.9));
    p.setBrush(vertical(b, QColor(255, 240, 90), QColor(255, 190, 0)));
    p.drawPolygon(shape);
}

void fogLines(QPainter& p, const QRectF& a, QColor colour, const Ink& ink) {
    static constexpr std::array<std::array<double, 3>, 3> lines{{
        {0.05, 0.80, 0.0}, // left end, right end, height fraction
        {0.20, 0.95, 0.5},
        {0.0, 0.70, 1.0},
    }};
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(colour, ink.line));
    for (const auto& l : lines) {
        const double y = a.y() + l[2] * a.height();
        p.drawLine(QPointF(a.x() + l[0] * a.width(), y), QPointF(a.x() + l[1] * a.width(), y));
    }
}

void wind(QPainter& p, const QRectF& a, const Ink& ink) {
    // Each gust: a line from the left that ends in a curl turning up (or down for the last).
    struct Gust {
        double y, end, curl;
    };
    static constexpr std::array<Gust, 3> gusts{
        {{0.15, 0.62, -1}, {0.5, 0.80, -1}, {0.85, 0.52, 1}}};
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(QColor(25, 75, 145), ink.line * 0.9));
    const double r = 0.14 * a.height();
    for (const auto& g : gusts) {
        const double y = a.y() + g.y * a.height();
        const double xe = a.x() + g.end * a.width();
        QPainterPath path(QPointF(a.x() + 0.02 * a.width(), y));
        path.lineTo(xe, y);
        path.cubicTo(xe + 1.4 * r, y, xe + 1.4 * r, y + g.curl * 2 * r, xe + 0.2 * r,
                     y + g.curl * 2 * r);
        path.cubicTo(xe - 0.6 * r, y + g.curl * 2 * r, xe - 0.7 * r, y + g.curl * 1.1 * r,
                     xe - 0.1 * r, y + g.curl * 1.0 * r);
        p.drawPath(path);
    }
}

void smoke(QPainter& p, const QRectF& a, const Ink& ink) {
    // A chimney at the bottom left and puffs growing as they rise to the upper right.
    auto at = [&](double fx, double fy) {
        return QPointF(a.x() + fx * a.width(), a.y() + fy * a.height());
    };
    const double unit = a.width();
    p.setPen(outlinePen(QColor(70, 55, 50), ink.outline));
    p.setBrush(QColor(150, 95, 80));
    p.drawRect(QRectF(at(0.08, 0.72), QSizeF(0.2 * unit, 0.28 * a.height())));
    static constexpr std::array<std::array<double, 3>, 4> puffs{
        {{0.2, 0.6, 0.09}, {0.36, 0.42, 0.13}, {0.6, 0.26, 0.17}, {0.84, 0.16, 0.13}}};
    p.setPen(outlinePen(QColor(70, 72, 80), ink.outline));
    for (const auto& f : puffs) {
        const QPointF c = at(f[0], f[1]);
        QRadialGradient g(c - QPointF(f[2] * unit * 0.3, f[2] * unit * 0.3), f[2] * unit * 1.4);
        g.setColorAt(0, QColor(200, 200, 205));
        g.setColorAt(1, QColor(125, 127, 135));
        p.setBrush(g);
        p.drawEllipse(c, f[2] * unit, f[2] * unit);
    }
}

void dust(QPainter& p, const QRectF& a, const Ink& ink) {
    fogLines(p, QRectF(a.x(), a.y() + 0.1 * a.height(), a.width(), 0.6 * a.height()),
             QColor(185, 140, 80), ink);
    static constexpr std::array<std::array<double, 2>, 6> grains{
        {{0.1, 0.95}, {0.35, 0.85}, {0.6, 0.98}, {0.85, 0.82}, {0.95, 0.3}, {0.05, 0.45}}};
    p.setPen(outlinePen(QColor(130, 90, 40), ink.outline * 0.5));
    p.setBrush(QColor(200, 150, 80));
    for (const auto& g : grains) {
        p.drawEllipse(QPointF(a.x() + g[0] * a.width(), a.y() + g[1] * a.height()), 3.2, 3.2);
    }
}

void thermometer(QPainter& p, const QRectF& b, bool hot, const Ink& ink) {
    const double tubeW = 0.36 * b.width();
    const double bulbR = 0.5 * b.width();
    const QPointF bulb(b.center().x(), b.bottom() - bulbR);
    const QRectF tube(b.center().x() - tubeW / 2, b.top(), tubeW, b.height() - bulbR);
    QPainterPath glass;
    glass.addRoundedRect(tube, tubeW / 2, tubeW / 2);
    glass.addEllipse(bulb, bulbR, bulbR);
    glass.setFillRule(Qt::WindingFill);
    const QColor liquid = hot ? QColor(225, 30, 30) : QColor(30, 100, 220);
    p.setPen(outlinePen(QColor(70, 75, 88), ink.outline));
    p.setBrush(QColor(245, 247, 250));
    p.drawPath(glass.simplified());

    const double level = hot ? 0.18 : 0.72; // fraction of the tube left empty
    const double inner = tubeW * 0.45;
    const QRectF column(bulb.x() - inner / 2, tube.top() + level * tube.height(), inner,
                        bulb.y() - tube.top() - level * tube.height());
    p.setPen(Qt::NoPen);
    p.setBrush(liquid);
    p.drawRect(column);
    p.drawEllipse(bulb, bulbR * 0.68, bulbR * 0.68);
}

void cyclone(QPainter& p, QPointF c, double r, bool filled, const Ink& ink) {
    // A ring with two tapering arms in point symmetry; each arm is an arc of a larger circle
    // that touches the ring at its top (or bottom) and sweeps outwards.
    const double big = 2.2 * r;
    const QColor colour = filled ? QColor(190, 20, 30) : QColor(230, 110, 30);
    constexpr int pieces = 12;
    constexpr double sweep = 120;
    for (double side : {1.0, -1.0}) {
        const QPointF centre(c.x(), c.y() + side * (big - r));
        const QRectF circle(centre.x() - big, centre.y() - big, 2 * big, 2 * big);
        const double start = side > 0 ? 90 : 270;
        for (int i = 0; i < pieces; ++i) {
            QPainterPath piece;
            piece.arcMoveTo(circle, start + sweep * i / pieces);
            piece.arcTo(circle, start + sweep * i / pieces, sweep / pieces);
            p.setPen(outlinePen(colour, ink.line * (1.9 - 1.5 * i / pieces)));
            p.drawPath(piece);
        }
    }
    p.setBrush(filled ? QBrush(colour) : QBrush(QColor(255, 255, 255)));
    p.setPen(outlinePen(colour, ink.line * 1.3));
    p.drawEllipse(c, r, r);
}

void questionMark(QPainter& p, QPointF c, double h, const Ink& ink) {
    const double r = 0.24 * h;
    const QRectF hook(c.x() - r, c.y() - 0.5 * h, 2 * r, 2 * r);
    QPainterPath path;
    path.arcMoveTo(hook, 160);
    path.arcTo(hook, 160, -230);
    path.quadTo(c.x(), c.y() + 0.05 * h, c.x(), c.y() + 0.18 * h);
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(QColor(95, 95, 100), ink.line * 1.1));
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(95, 95, 100));
    p.drawEllipse(QPointF(c.x(), c.y() + 0.42 * h), ink.line * 0.75, ink.line * 0.75);
}

} // namespace velmora::art
