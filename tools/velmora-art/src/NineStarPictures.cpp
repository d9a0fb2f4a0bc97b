// Draws the nine stars as night-sky emblems, each with its colour and sign, and the element icons.
#include "tools/velmora-art/src/NineStarPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace velmora::art {
namespace {

constexpr double pi = std::numbers::pi;

struct StarLook {
    QColor skyTop, skyBottom; // the sky behind the star
    QColor body, rim;         // the star's disc
};

// Colours by the star's element and nature: dark for the ill-omened, warm or bright for the good.
const StarLook looks[starPictureCount] = {
    {QColor(70, 10, 20), QColor(20, 0, 10), QColor(25, 20, 25), QColor(230, 60, 40)},    // La Hầu
    {QColor(60, 45, 30), QColor(20, 15, 10), QColor(200, 150, 80), QColor(120, 80, 30)}, // Thổ Tú
    {QColor(10, 40, 80), QColor(0, 10, 30), QColor(60, 140, 220), QColor(20, 70, 150)}, // Thủy Diệu
    {QColor(40, 45, 60), QColor(10, 10, 20), QColor(225, 230, 240),
     QColor(150, 160, 180)}, // Thái Bạch
    {QColor(120, 60, 10), QColor(60, 20, 0), QColor(255, 200, 40),
     QColor(230, 120, 10)}, // Thái Dương
    {QColor(80, 20, 10), QColor(30, 5, 0), QColor(230, 90, 40), QColor(160, 40, 20)}, // Vân Hớn
    {QColor(45, 15, 60), QColor(10, 0, 20), QColor(150, 90, 200), QColor(90, 40, 140)}, // Kế Đô
    {QColor(20, 30, 70), QColor(5, 10, 30), QColor(240, 235, 200),
     QColor(180, 170, 120)},                                                           // Thái Âm
    {QColor(15, 55, 35), QColor(0, 20, 10), QColor(90, 180, 90), QColor(40, 110, 50)}, // Mộc Đức
};

const QPointF centre(75, 92);
constexpr double radius = 34;

void sky(QPainter& p, const StarLook& look, int seed) {
    QLinearGradient g(0, 0, 0, starPictureHeight);
    g.setColorAt(0, look.skyTop);
    g.setColorAt(1, look.skyBottom);
    p.fillRect(QRect(0, 0, starPictureWidth, starPictureHeight), g);
    // Small fixed stars, placed by a simple congruential sequence so every build draws the same.
    unsigned state = 2166136261u + unsigned(seed) * 16777619u;
    const auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return (state >> 8) & 0xFFFF;
    };
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 28; ++i) {
        const double x = next() % starPictureWidth, y = next() % starPictureHeight;
        const double r = 0.6 + (next() % 10) / 10.0;
        p.setBrush(QColor(255, 250, 220, 120 + int(next() % 120)));
        p.drawEllipse(QPointF(x, y), r, r);
    }
}

void glow(QPainter& p, QColor colour, double outer) {
    QRadialGradient g(centre, outer);
    QColor inner = colour;
    inner.setAlpha(150);
    QColor edge = colour;
    edge.setAlpha(0);
    g.setColorAt(0.45, inner);
    g.setColorAt(1, edge);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, outer, outer);
}

void disc(QPainter& p, const StarLook& look) {
    QRadialGradient g(centre + QPointF(-radius / 3, -radius / 3), radius * 1.4);
    g.setColorAt(0, look.body.lighter(130));
    g.setColorAt(0.6, look.body);
    g.setColorAt(1, look.rim);
    p.setPen(QPen(look.rim.darker(130), 1.5));
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

void rays(QPainter& p, QColor colour, int count, double from, double to, double width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) {
        const double a = 2 * pi * i / count;
        const QPointF d(std::cos(a), std::sin(a));
        p.drawLine(centre + from * d, centre + to * d);
    }
}

// A pedestal of clouds under the star, the same on every picture.
void clouds(QPainter& p) {
    p.setPen(QPen(QColor(170, 170, 190), 1.2));
    p.setBrush(QColor(225, 225, 235));
    QPainterPath path;
    path.setFillRule(Qt::WindingFill); // overlapping puffs make one cloud, not holes
    for (double x : {28.0, 55.0, 82.0, 109.0}) path.addEllipse(QPointF(x + 6, 168), 20, 12);
    path.addRect(QRectF(14, 168, 122, 14));
    p.drawPath(path.simplified());
}

void laHau(QPainter& p, const StarLook& look) {
    // An eclipse: a dark disc with a red corona.
    glow(p, look.rim, radius * 1.9);
    rays(p, look.rim.lighter(120), 16, radius + 4, radius + 16, 2.5);
    p.setPen(QPen(look.rim, 3));
    p.setBrush(look.body);
    p.drawEllipse(centre, radius, radius);
}

void thoTu(QPainter& p, const StarLook& look) {
    // A ringed planet.
    const QRectF ring(centre.x() - radius * 1.7, centre.y() - radius * 0.45, radius * 3.4,
                      radius * 0.9);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(look.body.lighter(115), 5));
    p.drawArc(ring, 0, 180 * 16); // behind the planet
    disc(p, look);
    p.setPen(QPen(look.body.lighter(115), 5));
    p.drawArc(ring, 180 * 16, 180 * 16); // in front
}

void thuyDieu(QPainter& p, const StarLook& look) {
    glow(p, look.body, radius * 1.6);
    disc(p, look);
    // Waves across the disc.
    p.setPen(QPen(QColor(200, 230, 255), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int row = -1; row <= 1; ++row) {
        QPainterPath wave;
        const double y = centre.y() + row * 12;
        wave.moveTo(centre.x() - 24, y);
        for (int k = 0; k < 4; ++k)
            wave.quadTo(centre.x() - 18 + 12 * k, y + (k % 2 ? 6 : -6), centre.x() - 12 + 12 * k,
                        y);
        p.drawPath(wave);
    }
}

void sparkle(QPainter& p, QPointF at, double length, QColor colour) {
    QPainterPath path;
    path.moveTo(at + QPointF(0, -length));
    path.quadTo(at, at + QPointF(length, 0));
    path.quadTo(at, at + QPointF(0, length));
    path.quadTo(at, at + QPointF(-length, 0));
    path.quadTo(at, at + QPointF(0, -length));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

void thaiBach(QPainter& p, const StarLook& look) {
    glow(p, QColor(200, 210, 255), radius * 1.9);
    sparkle(p, centre, radius * 1.75, QColor(235, 240, 255));
    disc(p, look);
}

void thaiDuong(QPainter& p, const StarLook& look) {
    glow(p, look.body, radius * 2.0);
    rays(p, QColor(255, 170, 30), 12, radius + 5, radius + 20, 4);
    disc(p, look);
}

void vanHon(QPainter& p, const StarLook& look) {
    // Flames round a red disc.
    glow(p, look.body, radius * 1.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 140, 30));
    for (int i = 0; i < 10; ++i) {
        const double a = 2 * pi * i / 10;
        const QPointF d(std::cos(a), std::sin(a)), n(-d.y(), d.x());
        QPainterPath flame;
        flame.moveTo(centre + (radius - 2) * d + 7 * n);
        flame.quadTo(centre + (radius + 10) * d + 8 * n, centre + (radius + 18) * d);
        flame.quadTo(centre + (radius + 6) * d - 6 * n, centre + (radius - 2) * d - 7 * n);
        p.drawPath(flame);
    }
    disc(p, look);
}

void keDo(QPainter& p, const StarLook& look) {
    // A comet: its head up right, the tail sweeping down left.
    const QPointF head = centre + QPointF(18, -18);
    QPainterPath tail;
    tail.moveTo(head + QPointF(-14, -12));
    tail.quadTo(centre + QPointF(-30, 10), QPointF(12, 180));
    tail.quadTo(centre + QPointF(-5, 30), head + QPointF(14, 12));
    tail.closeSubpath();
    QLinearGradient g(head, QPointF(12, 180));
    g.setColorAt(0, look.body.lighter(130));
    QColor end = look.body;
    end.setAlpha(30);
    g.setColorAt(1, end);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(tail);
    QRadialGradient h(head, 20);
    h.setColorAt(0, QColor(245, 230, 255));
    h.setColorAt(0.5, look.body);
    h.setColorAt(1, look.rim);
    p.setPen(QPen(look.rim.darker(120), 1.5));
    p.setBrush(h);
    p.drawEllipse(head, 19, 19);
}

void thaiAm(QPainter& p, const StarLook& look) {
    glow(p, look.body, radius * 1.7);
    QPainterPath full;
    full.addEllipse(centre, radius, radius);
    QPainterPath bite;
    bite.addEllipse(centre + QPointF(radius * 0.55, -radius * 0.25), radius * 0.9, radius * 0.9);
    QRadialGradient g(centre + QPointF(-radius / 2, 0), radius * 1.3);
    g.setColorAt(0, look.body.lighter(110));
    g.setColorAt(1, look.rim);
    p.setPen(QPen(look.rim.darker(130), 1.5));
    p.setBrush(g);
    p.drawPath(full.subtracted(bite));
}

void mocDuc(QPainter& p, const StarLook& look) {
    glow(p, look.body, radius * 1.6);
    disc(p, look);
    // Bands of the planet and a sprig of leaves before it.
    p.setPen(QPen(look.rim.darker(110), 3));
    p.setBrush(Qt::NoBrush);
    p.drawLine(centre + QPointF(-30, -10), centre + QPointF(30, -10));
    p.drawLine(centre + QPointF(-33, 6), centre + QPointF(33, 6));
    p.setPen(QPen(QColor(110, 70, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-4, 40), centre + QPointF(6, 14));
    p.setPen(QPen(QColor(20, 80, 30), 1.2));
    p.setBrush(QColor(150, 220, 110));
    for (const auto& [at, angle] :
         {std::pair{QPointF(-8, 26), -35.0}, {QPointF(14, 22), 30.0}, {QPointF(4, 10), -5.0}}) {
        p.save();
        p.translate(centre + at);
        p.rotate(angle);
        p.drawEllipse(QPointF(0, 0), 11, 5);
        p.restore();
    }
}

QImage onWhiteKey(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

QImage starPicture(int n) {
    QImage image(starPictureWidth, starPictureHeight, QImage::Format_RGB32);
    const StarLook& look = looks[n];
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, look, n);
    clouds(p);
    switch (n) {
    case 0:
        laHau(p, look);
        break;
    case 1:
        thoTu(p, look);
        break;
    case 2:
        thuyDieu(p, look);
        break;
    case 3:
        thaiBach(p, look);
        break;
    case 4:
        thaiDuong(p, look);
        break;
    case 5:
        vanHon(p, look);
        break;
    case 6:
        keDo(p, look);
        break;
    case 7:
        thaiAm(p, look);
        break;
    default:
        mocDuc(p, look);
        break;
    }
    return image;
}

QImage elementIconStrip() {
    QImage strip = onWhiteKey(elementIconSize * elementIconCount, elementIconSize);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    const auto cell = [](int k) { return QPointF(k * elementIconSize, 0); };

    // Thủy: a drop.
    {
        const QPointF o = cell(0);
        QPainterPath drop;
        drop.moveTo(o + QPointF(8, 1.5));
        drop.cubicTo(o + QPointF(11, 6), o + QPointF(13.5, 8.5), o + QPointF(13.5, 10.5));
        drop.cubicTo(o + QPointF(13.5, 13.5), o + QPointF(11, 15), o + QPointF(8, 15));
        drop.cubicTo(o + QPointF(5, 15), o + QPointF(2.5, 13.5), o + QPointF(2.5, 10.5));
        drop.cubicTo(o + QPointF(2.5, 8.5), o + QPointF(5, 6), o + QPointF(8, 1.5));
        p.setPen(QPen(QColor(10, 70, 160), 1));
        p.setBrush(QColor(50, 140, 230));
        p.drawPath(drop);
    }
    // Mộc: a tree.
    {
        const QPointF o = cell(1);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 70, 25));
        p.drawRect(QRectF(o + QPointF(6.5, 10), QSizeF(3, 5.5)));
        p.setPen(QPen(QColor(20, 90, 30), 1));
        p.setBrush(QColor(60, 170, 60));
        QPainterPath crown;
        crown.moveTo(o + QPointF(8, 1));
        crown.lineTo(o + QPointF(14, 11));
        crown.lineTo(o + QPointF(2, 11));
        crown.closeSubpath();
        p.drawPath(crown);
    }
    // Hỏa: a flame.
    {
        const QPointF o = cell(2);
        QPainterPath flame;
        flame.moveTo(o + QPointF(8, 1));
        flame.cubicTo(o + QPointF(10, 5), o + QPointF(14, 8), o + QPointF(13, 11.5));
        flame.cubicTo(o + QPointF(12.5, 14), o + QPointF(10.5, 15.2), o + QPointF(8, 15.2));
        flame.cubicTo(o + QPointF(5, 15.2), o + QPointF(3, 13.5), o + QPointF(3, 11));
        flame.cubicTo(o + QPointF(3, 8), o + QPointF(6, 6), o + QPointF(8, 1));
        p.setPen(QPen(QColor(170, 40, 0), 1));
        p.setBrush(QColor(240, 90, 20));
        p.drawPath(flame);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 200, 40));
        p.drawEllipse(o + QPointF(8, 11.5), 2.5, 3);
    }
    // Thổ: a mountain on the ground.
    {
        const QPointF o = cell(3);
        QPainterPath hill;
        hill.moveTo(o + QPointF(1, 14));
        hill.lineTo(o + QPointF(6.5, 3));
        hill.lineTo(o + QPointF(10, 8.5));
        hill.lineTo(o + QPointF(11.5, 6.5));
        hill.lineTo(o + QPointF(15, 14));
        hill.closeSubpath();
        p.setPen(QPen(QColor(100, 60, 20), 1));
        p.setBrush(QColor(190, 130, 60));
        p.drawPath(hill);
    }
    // Kim: a round coin with its square hole shown dark.
    {
        const QPointF o = cell(4);
        p.setPen(QPen(QColor(140, 100, 0), 1));
        p.setBrush(QColor(235, 190, 40));
        p.drawEllipse(o + QPointF(8, 8), 6.5, 6.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 85, 0));
        p.drawRect(QRectF(o + QPointF(6.2, 6.2), QSizeF(3.6, 3.6)));
    }
    p.end();
    return strip;
}

} // namespace velmora::art
