// Drawing primitives of the weather icons, in a 100 x 100 design square (y grows downwards).
#pragma once

#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace velmora::art {

// Stroke widths in design units; small icons get thicker ones so they stay legible.
struct Ink {
    double outline; // outline of filled shapes
    double line;    // fog, wind and smoke lines
};

enum class CloudTone { White, Grey, Dark, Unknown };

// What falls from a cloud: one kind per item.
enum class Item { Drop, SmallDrop, IcyDrop, SmallIcyDrop, Flake, TinyFlake, Pellet, Hailstone };

void sun(QPainter& p, QPointF centre, double radius, const Ink& ink);
void paleSun(QPainter& p, QPointF centre, double radius, const Ink& ink);
void moon(QPainter& p, QPointF centre, double radius, const Ink& ink);
void star(QPainter& p, QPointF centre, double radius, const Ink& ink);
void cloud(QPainter& p, const QRectF& box, CloudTone tone, const Ink& ink);
void fallingItem(QPainter& p, Item item, QPointF centre, const Ink& ink);
void bolt(QPainter& p, const QRectF& box, const Ink& ink);
void fogLines(QPainter& p, const QRectF& area, QColor colour, const Ink& ink);
void wind(QPainter& p, const QRectF& area, const Ink& ink);
void smoke(QPainter& p, const QRectF& area, const Ink& ink);
void dust(QPainter& p, const QRectF& area, const Ink& ink);
void thermometer(QPainter& p, const QRectF& box, bool hot, const Ink& ink);
void cyclone(QPainter& p, QPointF centre, double radius, bool filled, const Ink& ink);
void questionMark(QPainter& p, QPointF centre, double height, const Ink& ink);

} // namespace velmora::art
