// Transparent copies and image lists loaded from a strip and scaled to the screen's dpi.
#pragma once

#include "VelmoraLib.h"
#include <QImage>
#include <QPainter>
#include <QRect>
#include <vector>

namespace velmora::gdi {

// Copies srcRect of src stretched into dest; pixels of the key colour are not drawn.
void transparentBlt(QPainter& painter, const QRect& dest, const QImage& src, const QRect& srcRect,
                    COLORREF key);

struct ImageList {
    std::vector<QImage> images; // each with the mask colour made transparent
    int cx = 0;
    int cy = 0;
    bool isValid() const { return !images.empty(); }
    int count() const { return int(images.size()); }
    void draw(QPainter& painter, int index, QPoint at) const;
};

// A bitmap's dpi from its header's pixels per metre, never below 96.
int bitmapDpi(int dotsPerMeter);

// Splits strip into images cx wide (at the strip's own dpi); stretches each to screenDpi when the
// strip's dpi differs. Invalid on a null strip or cx <= 0.
ImageList LoadImageListScaled(const QImage& strip, int cx, COLORREF mask, int screenDpi);

} // namespace velmora::gdi
