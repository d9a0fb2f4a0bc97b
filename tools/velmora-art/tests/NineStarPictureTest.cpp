// The nine stars' pictures are nine different night-sky emblems with a bright star on them, and
// the element icons are five white-keyed icons without holes.
#include "tools/velmora-art/src/NineStarPictures.h"
#include "tools/velmora-art/tests/ImageChecks.h"

#include <gtest/gtest.h>

using namespace velmora::art::test;

namespace {

QImage starImage(int n) {
    return builtImage(QString("Resources/bmp%1.png").arg(170 + n));
}

TEST(NineStarPicture, TheStarStandsOutOfItsSky) {
    for (int n = 0; n < 9; ++n) {
        SCOPED_TRACE(n);
        const QImage image = starImage(n);
        ASSERT_EQ(image.size(), QSize(150, 200));
        // Round the star's place, something stands out from the sky at the top corner (the
        // disc, or for the dark La Hầu its corona): a star the eye finds at once.
        const QRgb sky = image.pixel(2, 2);
        double strongest = 1;
        for (int y = 92 - 50; y <= 92 + 50; y += 2)
            for (int x = 75 - 50; x <= 75 + 50; x += 2)
                strongest = std::max(strongest, contrast(sky, image.pixel(x, y)));
        EXPECT_GE(strongest, 4.0);
        // A night sky: the corner is dark.
        EXPECT_LT(luminance(sky), 0.1);
    }
}

TEST(NineStarPicture, NoTwoAlike) {
    for (int a = 0; a < 9; ++a) {
        for (int b = a + 1; b < 9; ++b) {
            const QImage left = starImage(a), right = starImage(b);
            int differing = 0;
            for (int y = 0; y < 200; y += 4)
                for (int x = 0; x < 150; x += 4) differing += left.pixel(x, y) != right.pixel(x, y);
            EXPECT_GT(differing, 500) << a << " and " << b;
        }
    }
}

TEST(ElementIcons, FiveKeyedIconsEachDrawn) {
    const QImage strip = builtImage("Resources/bmp179.png");
    ASSERT_EQ(strip.size(), QSize(80, 16));
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        int drawn = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                drawn += (strip.pixel(16 * k + x, y) & 0xFFFFFFu) != 0xFFFFFFu;
        EXPECT_GE(drawn, 40);
        // The corners stay on the key, so the icon shows on any row colour.
        for (const QPoint corner : {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15)})
            EXPECT_EQ(strip.pixel(16 * k + corner.x(), corner.y()) & 0xFFFFFFu, 0xFFFFFFu);
    }
}

} // namespace
