// Colour-keyed copying and dpi-aware image lists.
#include "platform/gdi/Bitmaps.h"

#include "platform/screen/ScreenProfile.h"

#include <algorithm>

namespace velmora::gdi {

namespace {

// The image with every pixel of the key colour made fully transparent.
QImage keyedOut(const QImage& src, COLORREF key) {
    QImage img = src.convertToFormat(QImage::Format_ARGB32);
    const QRgb k = qRgb(int(key & 0xFF), int((key >> 8) & 0xFF), int((key >> 16) & 0xFF));
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if ((line[x] & 0x00FFFFFF) == (k & 0x00FFFFFF)) line[x] = 0;
    }
    return img;
}

} // namespace

void transparentBlt(QPainter& painter, const QRect& dest, const QImage& src, const QRect& srcRect,
                    COLORREF key) {
    const QRect from = srcRect.intersected(src.rect());
    if (from.isEmpty() || dest.isEmpty()) return;
    const QImage part = keyedOut(src.copy(from), key);
    painter.save();
    // Nearest-neighbour stretching, as the device does: smoothing would blend the key in.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(dest, part);
    painter.restore();
}

void ImageList::draw(QPainter& painter, int index, QPoint at) const {
    if (index < 0 || index >= count()) return;
    painter.drawImage(at, images[size_t(index)]);
}

int bitmapDpi(int dotsPerMeter) {
    const int ppm = std::max(dotsPerMeter, 3780);
    return (ppm * 100 + 1968) / 3937;
}

ImageList LoadImageListScaled(const QImage& strip, int cx, COLORREF mask, int screenDpi) {
    ImageList list;
    if (strip.isNull() || cx <= 0 || screenDpi <= 0) return list;
    const int dpiX = bitmapDpi(strip.dotsPerMeterX());
    const int dpiY = bitmapDpi(strip.dotsPerMeterY());
    const int count = strip.width() / cx;
    list.cx = dpiX == screenDpi ? cx : screen::MulDiv(cx, screenDpi, dpiX);
    list.cy = dpiY == screenDpi ? strip.height() : screen::MulDiv(strip.height(), screenDpi, dpiY);
    const QImage keyed = keyedOut(strip, mask);
    for (int i = 0; i < count; ++i) {
        QImage one = keyed.copy(i * cx, 0, cx, strip.height());
        if (one.width() != list.cx || one.height() != list.cy)
            one = one.scaled(list.cx, list.cy, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        list.images.push_back(one);
    }
    return list;
}

} // namespace velmora::gdi
