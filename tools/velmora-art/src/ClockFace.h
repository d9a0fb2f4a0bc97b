// The analog clock's face (clock.png) and the default picture of the personal panel (mypic.png).
#pragma once

#include <QImage>
#include <QPointF>

namespace velmora::art {

// 140 × 140 (70 × 70 units at 192 dpi): a light dial with a dark rim, 60 minute marks and 12
// heavier hour marks; outside the dial transparent.
QImage clockFace();
inline constexpr QPointF kDialCentre{70, 70};
inline constexpr double kDialRadius = 66;
// Where the hour marks lie, as a fraction of the radius (inner, outer).
inline constexpr double kHourMarkInner = 0.74, kHourMarkOuter = 0.90;

// 100 × 100 (50 × 50 units): a neutral head-and-shoulders outline on a soft ground, shown until
// the user puts a picture of their own in its place.
QImage defaultPortrait();

} // namespace velmora::art
