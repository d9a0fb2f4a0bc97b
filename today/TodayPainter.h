// Painting the item off screen: background, frames and buttons, each panel's content.
#pragma once

#include "today/TodayItemModel.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <functional>

namespace velmora::today {

// Draws the Today screen's background for the item's rectangle into the painter.
using Watermark = std::function<void(QPainter& painter, const QRect& rect)>;

// The item as it shows: selected, on the Today screen's highlight colour; otherwise on the
// watermark. The whole picture is made before anything reaches the window.
QImage PaintTodayItem(QSize client, const TodayItemState& state, COLORREF highlight,
                      const Watermark& watermark);

// Font n (1 large, 2 normal, 3 small) of the settings: the device's system face, height
// -(size × dpiX / 96) rounded half away from zero, bold 700, italic, smoothing as ClearType.
QFont todayFont(const TodaySettings& settings, int n, int dpiX);

// The device path of a picture in the image folder ("%s\name").
QString picturePath(const TodaySettings& settings, const QString& name);

// The analog clock's hands: the angle in radians from twelve o'clock, clockwise.
double minuteHandAngle(int minute);
double hourHandAngle(int hour, int minute);
// A hand's end from the centre: offsets length × sin a and −length × cos a, truncated toward zero.
QPoint handEnd(QPoint centre, int length, double angle);

} // namespace velmora::today
