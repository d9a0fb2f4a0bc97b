// Weather icons: one table row per code, built files match their code, distinct, transparent
// around.
#include "tools/velmora-art/src/WeatherIcon.h"
#include "tools/velmora-art/src/WeatherTable.h"
#include "tools/velmora-art/tests/ImageChecks.h"

#include <gtest/gtest.h>
#include <set>
#include <utility>

using namespace velmora::art;
using namespace velmora::art::test;

namespace {

// Codes whose meanings are the same in the feed and which therefore share one picture.
const std::set<std::pair<int, int>> sharedPictures{{38, 39}, {41, 43}};

struct SizeCase {
    IconSize size;
    const char* prefix;
    int minOpaque; // pixels: a drawing too faint to read would have fewer
};
const SizeCase sizes[] = {{IconSize::Large, "wl", 1500}, {IconSize::Small, "wm", 180}};

QImage built(const SizeCase& s, int code) {
    return builtImage(QString("Images/%1%2.png").arg(QLatin1String(s.prefix), twoDigits(code)));
}

int opaquePixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) n += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
    }
    return n;
}

TEST(WeatherTable, OneRowPerCodeInOrder) {
    const auto rows = weatherPictures();
    ASSERT_EQ(rows.size(), 47u);
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].code, static_cast<int>(i) + 1);
}

TEST(WeatherTable, CodesOutsideTheFeedMeanNotAvailable) {
    for (int code : {-128, -1, 0, 48, 99}) {
        EXPECT_EQ(weatherPicture(code).code, notAvailableCode) << code;
    }
    EXPECT_EQ(weatherIcon(0, IconSize::Small), weatherIcon(notAvailableCode, IconSize::Small));
}

TEST(WeatherIcon, BuiltFilesAreTheDrawingOfTheirCode) {
    for (const SizeCase& s : sizes) {
        for (int code = 1; code <= weatherCodeCount; ++code) {
            EXPECT_EQ(built(s, code), weatherIcon(code, s.size)) << s.prefix << code;
        }
    }
}

TEST(WeatherIcon, DistinctExceptCodesSharingAMeaning) {
    for (const SizeCase& s : sizes) {
        for (int a = 1; a <= weatherCodeCount; ++a) {
            for (int b = a + 1; b <= weatherCodeCount; ++b) {
                const bool shared = sharedPictures.count({a, b}) > 0;
                EXPECT_EQ(built(s, a) == built(s, b), shared) << s.prefix << a << " vs " << b;
            }
        }
    }
}

TEST(WeatherIcon, TransparentAroundAndVisibleInside) {
    for (const SizeCase& s : sizes) {
        for (int code = 1; code <= weatherCodeCount; ++code) {
            const QImage image = built(s, code);
            EXPECT_TRUE(cornersTransparent(image)) << s.prefix << code;
            EXPECT_GE(opaquePixels(image), s.minOpaque) << s.prefix << code;
        }
    }
}

// The temperatures are written right-aligned over the large icon's box, so its right part
// (from x = 140 of 240) must stay empty.
TEST(WeatherIcon, LargeIconLeavesRoomForTheTemperatures) {
    for (int code = 1; code <= weatherCodeCount; ++code) {
        const QImage image = built(sizes[0], code);
        int covered = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 140; x < image.width(); ++x) covered += transparentAt(image, x, y) ? 0 : 1;
        }
        EXPECT_EQ(covered, 0) << "wl" << code;
    }
}

} // namespace
