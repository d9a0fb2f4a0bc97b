// The Today screen's rules without a window: where the items go, which one a tap hits, where the
// selection moves, and the colours of its theme.
#pragma once

#include "VelmoraLib.h"

#include <QPainter>
#include <QRect>
#include <vector>

namespace velmora::todayscreen {

// The items stacked from the top in order, each as wide as the screen and as high as it asked;
// an item of height 0 or less takes no room (and gets an empty rectangle).
std::vector<QRect> stackItems(const std::vector<int>& heights, int width);

// The index of the item whose rectangle holds point; -1 for the free area below them.
int itemAt(const std::vector<QRect>& rects, QPoint point);

// Where the selection goes on the up or down key when the selected item lets it go: to the
// neighbour with room on the screen, none selected (-1) starting from the first or last; it stays
// when there is none.
int moveSelection(const std::vector<QRect>& rects, int selected, bool down);

// The theme: the highlight behind a selected item and the background, a vertical gradient over
// the whole screen so that it runs on unbroken under every item.
inline constexpr COLORREF kHighlightColor = 0x00D07A2E; // RGB(46, 122, 208)
inline constexpr COLORREF kHighlightedTextColor = 0x00FFFFFF;
inline constexpr COLORREF kTextColor = 0x00FFFFFF;
inline constexpr COLORREF kWatermarkTop = 0x00502A12;    // RGB(18, 42, 80)
inline constexpr COLORREF kWatermarkBottom = 0x00A0602A; // RGB(42, 96, 160)

// Draws the part `area` (screen coordinates) of the background of a screen of screenSize, at
// `target` in the painter's coordinates.
void drawWatermark(QPainter& painter, const QRect& target, const QRect& area, QSize screenSize);

} // namespace velmora::todayscreen
