// Lays out a weather picture's sky, cloud, precipitation, bolts and sign in the design square.
#include "tools/velmora-art/src/WeatherIcon.h"

#include "tools/velmora-art/src/WeatherPrimitives.h"

#include <vector>

namespace velmora::art {
namespace {

std::vector<Item> itemsOf(Fall fall) {
    using enum Item;
    switch (fall) {
    case Fall::None:
        return {};
    case Fall::Drizzle:
        return {SmallDrop, SmallDrop, SmallDrop, SmallDrop};
    case Fall::FreezingDrizzle:
        return {SmallIcyDrop, SmallIcyDrop, SmallIcyDrop, SmallIcyDrop};
    case Fall::Showers:
        return {Drop, Drop, Drop};
    case Fall::HeavyShowers:
        return {Drop, Drop, Drop, Drop, Drop};
    case Fall::FreezingRain:
        return {IcyDrop, IcyDrop, IcyDrop};
    case Fall::RainAndSnow:
        return {Drop, Flake, Drop};
    case Fall::RainAndSleet:
        return {Drop, Pellet, Drop, Pellet};
    case Fall::SnowAndSleet:
        return {Flake, Pellet, Flake};
    case Fall::Sleet:
        return {Pellet, Pellet, Pellet, Pellet};
    case Fall::Hail:
        return {Hailstone, Hailstone, Hailstone};
    case Fall::RainAndHail:
        return {Drop, Hailstone, Drop, Hailstone};
    case Fall::Flurries:
        return {TinyFlake, TinyFlake, TinyFlake};
    case Fall::LightSnow:
        return {Flake, Flake};
    case Fall::Snow:
        return {Flake, Flake, Flake};
    case Fall::HeavySnow:
        return {Flake, Flake, Flake, Flake, Flake};
    }
    return {};
}

bool isBehind(Sky sky) {
    return sky == Sky::SunBehind || sky == Sky::MoonBehind;
}

// Items in one row (staggered up and down), or in two rows when there are five; with one bolt
// a slot of the single row is left free for it, and its centre is returned.
double placeItems(QPainter& p, const std::vector<Item>& items, const QRectF& a, int bolts,
                  const Ink& ink) {
    const int n = static_cast<int>(items.size());
    const int rows = n > 4 ? 2 : 1;
    const int firstRow = rows == 2 ? (n + 1) / 2 : n;
    const bool freeSlot = rows == 1 && bolts == 1;
    double boltX = a.center().x();
    for (int row = 0, index = 0; row < rows; ++row) {
        const int inRow = row == 0 ? firstRow : n - firstRow;
        const int slotCount = inRow + (freeSlot ? 1 : 0);
        const int skip = freeSlot ? slotCount / 2 : -1;
        const double slotW = a.width() / slotCount;
        const double rowY = a.top() + a.height() * (row + 0.5) / rows;
        for (int s = 0; s < slotCount; ++s) {
            const double x = a.left() + (s + 0.5) * slotW + (rows == 2 && row == 1 ? slotW / 2 : 0);
            if (s == skip) {
                boltX = x;
                continue;
            }
            const double stagger = (rows == 1 ? 0.14 : 0.06) * a.height() * (s % 2 == 0 ? -1 : 1);
            fallingItem(p, items[static_cast<std::size_t>(index++)], QPointF(x, rowY + stagger),
                        ink);
        }
    }
    return boltX;
}

QRectF cloudBox(const WeatherPicture& w, bool falls) {
    if (w.sign == Sign::Wind) return {16, 4, 70, 42};
    if (w.sign == Sign::Fog) return {8, 4, 84, 52};
    if (w.cover == Cover::Unknown) return {4, 14, 92, 66};
    if (isBehind(w.sky)) return falls ? QRectF(20, 24, 76, 42) : QRectF(14, 34, 82, 48);
    return falls ? QRectF(8, 6, 84, 52) : QRectF(6, 20, 88, 58);
}

void drawSky(QPainter& p, const WeatherPicture& w, bool falls, const Ink& ink) {
    const bool accompanied = w.cover == Cover::Small || w.cover == Cover::Wisp;
    switch (w.sky) {
    case Sky::None:
        break;
    case Sky::Sun:
        if (w.sign == Sign::Haze)
            sun(p, {50, 32}, 18, ink);
        else if (w.sign == Sign::Hot)
            sun(p, {70, 30}, 15, ink);
        else if (accompanied)
            sun(p, {42, 40}, 23, ink);
        else
            sun(p, {50, 50}, 27, ink);
        break;
    case Sky::Moon:
        if (accompanied)
            moon(p, {44, 42}, 30, ink);
        else
            moon(p, {50, 50}, 34, ink);
        break;
    case Sky::MoonAndStars:
        moon(p, {42, 54}, 32, ink);
        star(p, {72, 22}, 9, ink);
        star(p, {88, 46}, 6, ink);
        star(p, {88, 14}, 5, ink);
        break;
    case Sky::SunBehind:
        if (falls)
            sun(p, {34, 30}, 17, ink);
        else
            sun(p, {38, 36}, 20, ink);
        break;
    case Sky::MoonBehind:
        moon(p, {38, 38}, 27, ink);
        break;
    }
}

void drawCover(QPainter& p, const WeatherPicture& w, const QRectF& box, const Ink& ink) {
    switch (w.cover) {
    case Cover::None:
        break;
    case Cover::Wisp:
        cloud(p, {46, 62, 50, 24}, CloudTone::White, ink);
        break;
    case Cover::Small:
        cloud(p, {38, 48, 58, 38}, CloudTone::White, ink);
        break;
    case Cover::White:
        cloud(p, box, CloudTone::White, ink);
        break;
    case Cover::Grey:
        cloud(p, box, CloudTone::Grey, ink);
        break;
    case Cover::Dark:
        cloud(p, box, CloudTone::Dark, ink);
        break;
    case Cover::Overcast:
        cloud(p, {32, 14, 62, 42}, CloudTone::Grey, ink);
        cloud(p, {6, 34, 80, 50}, CloudTone::White, ink);
        break;
    case Cover::Unknown:
        cloud(p, box, CloudTone::Unknown, ink);
        break;
    }
}

void drawSign(QPainter& p, const WeatherPicture& w, const Ink& ink) {
    switch (w.sign) {
    case Sign::None:
        break;
    case Sign::Fog:
        fogLines(p, {10, 66, 80, 26}, QColor(140, 148, 160), ink);
        break;
    case Sign::Haze:
        fogLines(p, {8, 62, 84, 28}, QColor(200, 165, 110), ink);
        break;
    case Sign::Smoke:
        smoke(p, {8, 6, 84, 88}, ink);
        break;
    case Sign::Dust:
        paleSun(p, {64, 30}, 16, ink);
        dust(p, {6, 30, 88, 62}, ink);
        break;
    case Sign::Wind:
        if (w.cover != Cover::None)
            wind(p, {8, 54, 84, 40}, ink);
        else if (w.fall != Fall::None)
            wind(p, {6, 6, 88, 44}, ink);
        else
            wind(p, {6, 16, 88, 68}, ink);
        break;
    case Sign::Hot:
        thermometer(p, {22, 8, 28, 86}, true, ink);
        break;
    case Sign::Cold: {
        thermometer(p, {22, 8, 28, 86}, false, ink);
        p.save();
        p.translate(70, 32);
        p.scale(1.8, 1.8);
        const Ink thinner{ink.outline / 1.8, ink.line / 1.8};
        fallingItem(p, Item::Flake, {0, 0}, thinner);
        p.restore();
        break;
    }
    case Sign::TropicalStorm:
        cyclone(p, {50, 50}, 12, false, ink);
        break;
    case Sign::Hurricane:
        cyclone(p, {50, 50}, 13, true, ink);
        break;
    case Sign::Question:
        questionMark(p, {50, 50}, 36, ink);
        break;
    }
}

} // namespace

QSize iconPixels(IconSize size) {
    return size == IconSize::Large ? QSize(240, 140) : QSize(48, 48);
}

static void drawWeather(QPainter& p, const WeatherPicture& w, const Ink& ink) {
    const std::vector<Item> items = itemsOf(w.fall);
    const bool falls = !items.empty() || w.bolts > 0;
    const QRectF box = cloudBox(w, falls);
    drawSky(p, w, falls, ink);
    drawCover(p, w, box, ink);

    QRectF fallArea(box.left() + 6, box.bottom() + 2, box.width() - 12, 96 - box.bottom() - 2);
    if (w.cover == Cover::None) fallArea = QRectF(16, 58, 68, 36); // blowing snow, under the wind
    const double boltX = placeItems(p, items, fallArea, w.bolts, ink);
    if (w.bolts == 1) bolt(p, {boltX - 12, box.bottom() - 12, 24, 44}, ink);
    if (w.bolts == 2) {
        bolt(p, {fallArea.left() + 0.12 * fallArea.width(), box.bottom() - 12, 20, 40}, ink);
        bolt(p, {fallArea.left() + 0.58 * fallArea.width(), box.bottom() - 8, 20, 40}, ink);
    }
    drawSign(p, w, ink);
}

QImage weatherIcon(int code, IconSize size) {
    QImage image(iconPixels(size), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The large icon's picture keeps to the left: the temperatures are written right-aligned
    // over the same box, so its right part stays clear.
    const QRectF square = size == IconSize::Large ? QRectF(2, 2, 136, 136) : QRectF(1, 1, 46, 46);
    p.translate(square.topLeft());
    p.scale(square.width() / 100.0, square.height() / 100.0);
    const Ink ink = size == IconSize::Large ? Ink{2.2, 5.5} : Ink{4.0, 8.0};
    drawWeather(p, weatherPicture(code), ink);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace velmora::art
