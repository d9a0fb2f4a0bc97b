// The day page's white-keyed bitmaps have no holes, and the program icons are transparent around.
#include "tools/velmora-art/src/DayBitmaps.h"
#include "tools/velmora-art/tests/ImageChecks.h"

#include <gtest/gtest.h>
#include <vector>

using namespace velmora::art::test;

namespace {

bool isKey(const QImage& image, int x, int y) {
    return (image.pixel(x, y) & 0xFFFFFFu) == velmora::art::bitmapKey;
}

// Key-coloured pixels that cannot reach the border through other key pixels: holes that the
// day page would show as transparent inside the drawing.
int enclosedKeyPixels(const QImage& image) {
    const int w = image.width(), h = image.height();
    std::vector<bool> outside(static_cast<std::size_t>(w * h), false);
    std::vector<QPoint> todo;
    for (int x = 0; x < w; ++x) todo.insert(todo.end(), {QPoint(x, 0), QPoint(x, h - 1)});
    for (int y = 0; y < h; ++y) todo.insert(todo.end(), {QPoint(0, y), QPoint(w - 1, y)});
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        if (p.x() < 0 || p.y() < 0 || p.x() >= w || p.y() >= h) continue;
        const auto i = static_cast<std::size_t>(p.y() * w + p.x());
        if (outside[i] || !isKey(image, p.x(), p.y())) continue;
        outside[i] = true;
        todo.insert(todo.end(),
                    {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
    }
    int enclosed = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (isKey(image, x, y) && !outside[static_cast<std::size_t>(y * w + x)]) ++enclosed;
        }
    }
    return enclosed;
}

TEST(DayBitmap, EnclosedKeyPixelsAreFound) {
    QImage ring(8, 8, QImage::Format_RGB32);
    ring.fill(Qt::white);
    for (int i = 2; i <= 5; ++i) {
        for (QPoint p : {QPoint(i, 2), QPoint(i, 5), QPoint(2, i), QPoint(5, i)})
            ring.setPixel(p, qRgb(200, 0, 0));
    }
    EXPECT_EQ(enclosedKeyPixels(ring), 4);
    ring.setPixel(3, 2, qRgb(255, 255, 255)); // a gap in the ring lets the inside out
    EXPECT_EQ(enclosedKeyPixels(ring), 0);
}

TEST(DayBitmap, DrawnOnTheWhiteKeyWithoutHoles) {
    for (const char* name : {"bmp131", "bmp132", "bmp133"}) {
        SCOPED_TRACE(name);
        const QImage image = builtImage(QString("Resources/%1.png").arg(QLatin1String(name)));
        ASSERT_EQ(image.size(), QSize(16, 16));
        EXPECT_TRUE(isKey(image, 0, 0) && isKey(image, 15, 0) && isKey(image, 0, 15) &&
                    isKey(image, 15, 15));
        int drawn = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) drawn += isKey(image, x, y) ? 0 : 1;
        }
        EXPECT_GE(drawn, 40);
        EXPECT_EQ(enclosedKeyPixels(image), 0);
    }
}

TEST(DayBitmap, TheThreeDiffer) {
    const QImage moon = builtImage("Resources/bmp131.png");
    const QImage sun = builtImage("Resources/bmp132.png");
    const QImage term = builtImage("Resources/bmp133.png");
    EXPECT_NE(moon, sun);
    EXPECT_NE(sun, term);
    EXPECT_NE(moon, term);
}

TEST(ProgramIcon, TransparentCornersAndOpaqueCentre) {
    for (const char* name : {"icon101.png", "icon101-32.png"}) {
        SCOPED_TRACE(name);
        const QImage image = builtImage(QString("Resources/%1").arg(QLatin1String(name)));
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(cornersTransparent(image));
        EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
    }
}

} // namespace
