// The textbook Wu line: major-axis stepping, two pixels per step weighted by coverage.
#include "platform/gdi/WuLine.h"

#include <cmath>
#include <utility>

namespace velmora::gdi {

namespace {

double fpart(double x) {
    return x - std::floor(x);
}
double rfpart(double x) {
    return 1.0 - fpart(x);
}

void blend(QImage& image, int x, int y, const QColor& color, double coverage) {
    if (coverage <= 0.0 || x < 0 || y < 0 || x >= image.width() || y >= image.height()) return;
    coverage = std::min(coverage, 1.0);
    const QColor old = image.pixelColor(x, y);
    auto mix = [coverage](int under, int over) {
        return int(std::lround(under * (1.0 - coverage) + over * coverage));
    };
    image.setPixelColor(x, y,
                        QColor(mix(old.red(), color.red()), mix(old.green(), color.green()),
                               mix(old.blue(), color.blue()), old.alpha()));
}

} // namespace

void drawWuLine(QImage& image, QPointF a, QPointF b, const QColor& color) {
    double x0 = a.x(), y0 = a.y(), x1 = b.x(), y1 = b.y();
    const bool steep = std::abs(y1 - y0) > std::abs(x1 - x0);
    if (steep) {
        std::swap(x0, y0);
        std::swap(x1, y1);
    }
    if (x0 > x1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    const double dx = x1 - x0, dy = y1 - y0;
    const double gradient = dx == 0.0 ? 1.0 : dy / dx;
    auto plot = [&](int x, int y, double c) {
        if (steep)
            blend(image, y, x, color, c);
        else
            blend(image, x, y, color, c);
    };

    // First endpoint.
    double xend = std::round(x0);
    double yend = y0 + gradient * (xend - x0);
    double xgap = rfpart(x0 + 0.5);
    const int xpxl1 = int(xend), ypxl1 = int(std::floor(yend));
    plot(xpxl1, ypxl1, rfpart(yend) * xgap);
    plot(xpxl1, ypxl1 + 1, fpart(yend) * xgap);
    double intery = yend + gradient;

    // Second endpoint.
    xend = std::round(x1);
    yend = y1 + gradient * (xend - x1);
    xgap = fpart(x1 + 0.5);
    const int xpxl2 = int(xend), ypxl2 = int(std::floor(yend));
    if (xpxl2 != xpxl1) {
        plot(xpxl2, ypxl2, rfpart(yend) * xgap);
        plot(xpxl2, ypxl2 + 1, fpart(yend) * xgap);
    }

    for (int x = xpxl1 + 1; x < xpxl2; ++x) {
        plot(x, int(std::floor(intery)), rfpart(intery));
        plot(x, int(std::floor(intery)) + 1, fpart(intery));
        intery += gradient;
    }
}

} // namespace velmora::gdi
