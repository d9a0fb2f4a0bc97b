// The Today item's pictures decoded back: each digit shows exactly its segments, the frames let
// white text read over the Today screen's background, the dial has its twelve hour marks.
#include "tools/velmora-art/src/ClockFace.h"
#include "tools/velmora-art/src/TodayDigits.h"
#include "tools/velmora-art/src/TodayFrames.h"
#include "tools/velmora-art/tests/ImageChecks.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace velmora::art;
using namespace velmora::art::test;

namespace {

TEST(TodayDigits, EachShowsExactlyItsSegments) {
    for (int digit = 0; digit <= 9; ++digit) {
        const QImage image = builtImage(QStringLiteral("Images/vlh_%1.png").arg(digit));
        ASSERT_FALSE(image.isNull()) << digit;
        unsigned seen = 0;
        for (int s = 0; s < kSegmentCount; ++s) {
            const QPoint centre = segmentRect(Segment(s)).center().toPoint();
            const int alpha = qAlpha(image.pixel(centre));
            EXPECT_TRUE(alpha > 200 || alpha < 80) << "digit " << digit << " segment " << s;
            if (alpha > 200) seen |= 1u << s;
        }
        EXPECT_EQ(seen, kDigitSegments[size_t(digit)]) << "digit " << digit;
        EXPECT_TRUE(cornersTransparent(image));
    }
    // The rule itself: the digits need 6, 2, 5, 5, 4, 5, 6, 3, 7 and 6 segments.
    const int counts[] = {6, 2, 5, 5, 4, 5, 6, 3, 7, 6};
    for (int digit = 0; digit <= 9; ++digit)
        EXPECT_EQ(std::popcount(kDigitSegments[size_t(digit)]), counts[digit]) << digit;
}

TEST(TodayDigits, SeparatorHasTwoDots) {
    const QImage image = builtImage("Images/vlh_s.png");
    EXPECT_GT(qAlpha(image.pixel(10, 20)), 200);
    EXPECT_GT(qAlpha(image.pixel(10, 40)), 200);
    EXPECT_EQ(qAlpha(image.pixel(10, 30)), 0);
}

// White text (the item's default colour 1) over a frame over the lightest and darkest parts of
// the Today screen's background.
TEST(TodayFrames, WhiteTextReadsOverThemAnywhereOnTheBackground) {
    for (const char* name : {"Images/vlh_f1.png", "Images/vlh_f2.png", "Images/vlh_fb.png"}) {
        const QImage image = builtImage(QLatin1String(name));
        EXPECT_TRUE(cornersTransparent(image)) << name;
        const QRgb centre = image.pixel(image.width() / 2, image.height() * 3 / 4);
        const double alpha = qAlpha(centre) / 255.0;
        EXPECT_GT(alpha, 0.3) << name;
        EXPECT_LT(alpha, 0.9) << name; // the background shows through
        for (QRgb ground : {qRgb(18, 42, 80), qRgb(42, 96, 160)}) {
            // Source-over of the premultiplied-free pixel on the ground.
            auto over = [&](int fg, int bg) { return int(std::lround(fg + bg * (1 - alpha))); };
            const QColor c =
                QColor::fromRgba(image.pixel(image.width() / 2, image.height() * 3 / 4));
            const QRgb mixed = qRgb(over(int(c.red() * alpha), qRed(ground)),
                                    over(int(c.green() * alpha), qGreen(ground)),
                                    over(int(c.blue() * alpha), qBlue(ground)));
            EXPECT_GE(contrast(qRgb(255, 255, 255), mixed), 4.5) << name;
        }
    }
}

TEST(ClockFace, HasTwelveHourMarksOnALightDial) {
    const QImage image = builtImage("Images/clock.png");
    EXPECT_TRUE(cornersTransparent(image));
    const double mid = kDialRadius * (kHourMarkInner + kHourMarkOuter) / 2;
    for (int hour = 0; hour < 12; ++hour) {
        const double on = hour * std::numbers::pi / 6, off = on + std::numbers::pi / 12;
        const QPointF mark = kDialCentre + QPointF(std::sin(on), -std::cos(on)) * mid;
        const QPointF between = kDialCentre + QPointF(std::sin(off), -std::cos(off)) * mid;
        EXPECT_LT(luminance(image.pixel(mark.toPoint())), 0.1) << hour;
        EXPECT_GT(luminance(image.pixel(between.toPoint())), 0.6) << hour;
    }
}

TEST(DefaultPortrait, ShowsAFigureOnALightGround) {
    const QImage image = builtImage("Images/mypic.png");
    EXPECT_TRUE(cornersTransparent(image));
    EXPECT_GT(contrast(image.pixel(50, 40), image.pixel(50, 8)), 2.0); // head against the ground
}

} // namespace
