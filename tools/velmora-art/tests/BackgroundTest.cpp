// The day page backgrounds keep dark blue and red text legible everywhere, and are not blank.
#include "tools/velmora-art/tests/ImageChecks.h"

#include <gtest/gtest.h>

using namespace velmora::art::test;

namespace {

const QRgb darkBlue = qRgb(0, 0, 204);
const QRgb pureRed = qRgb(255, 0, 0);

// Pure red reaches only 4.0:1 even on pure white, so it cannot meet 4.5:1 on any background:
// red text is held to 3.5:1 (paper of relative luminance 0.87 or more), dark blue to 4.5:1.
constexpr double minBlueContrast = 4.5;
constexpr double minRedContrast = 3.5;
constexpr double minLuminance = 0.87;

TEST(Contrast, KnownPairs) {
    struct Case {
        QRgb a, b;
        double ratio;
    };
    const Case cases[] = {
        {qRgb(0, 0, 0), qRgb(255, 255, 255), 21.0},
        {qRgb(255, 255, 255), qRgb(255, 255, 255), 1.0},
        {pureRed, qRgb(255, 255, 255), 3.998},  // the best red can ever do
        {qRgb(255, 255, 255), darkBlue, 11.22}, // order does not matter
        {qRgb(119, 119, 119), qRgb(255, 255, 255), 4.48},
    };
    for (const Case& c : cases) EXPECT_NEAR(contrast(c.a, c.b), c.ratio, 0.01);
}

class Background : public ::testing::TestWithParam<const char*> {};

TEST_P(Background, EveryPixelKeepsTextLegible) {
    const QImage image = builtImage(QString("Images/%1.jpg").arg(QLatin1String(GetParam())));
    ASSERT_FALSE(image.isNull());
    double darkest = 1, lightest = 0, worstBlue = 21, worstRed = 21;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            darkest = std::min(darkest, luminance(c));
            lightest = std::max(lightest, luminance(c));
            worstBlue = std::min(worstBlue, contrast(c, darkBlue));
            worstRed = std::min(worstRed, contrast(c, pureRed));
        }
    }
    EXPECT_GE(darkest, minLuminance);
    EXPECT_GE(worstBlue, minBlueContrast);
    EXPECT_GE(worstRed, minRedContrast);
    // A faint decoration is there: the paper is not one flat colour.
    EXPECT_GT(lightest - darkest, 0.03);
}

INSTANTIATE_TEST_SUITE_P(Leaves, Background, ::testing::Values("L01", "P01", "Q01"));

} // namespace
