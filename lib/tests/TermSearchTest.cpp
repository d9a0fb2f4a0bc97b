// The solar-term search: the root-guided bisection matches the plain bisection exactly.
#include "lib/src/Astro.h"

#include <gtest/gtest.h>

namespace {

using namespace velmora::astro;

TEST(TermSearch, GuidedBisectionEqualsPlainBisection) {
    // Every half day across a few centuries, with both steps the tables use.
    for (double jd = JD(1, 1, 1799, 0.0); jd < JD(1, 1, 2201, 0.0); jd += 7.3) {
        for (double step : {15.0, 30.0}) {
            ASSERT_EQ(NextTermCrossing(jd, step), nextTermCrossingEvaluated(jd, step))
                << "jd " << jd << " step " << step;
        }
    }
}

TEST(TermSearch, FindsTheNextMultipleOfTheStep) {
    struct Case {
        double start, step, longitude;
    };
    // Starts in December 2008: the next 15° is 255° ("Đại tuyết"), the next 30° is 270°.
    const Case cases[] = {{JD(1, 12, 2008, 0.0), 15, 255},
                          {JD(1, 12, 2008, 0.0), 30, 270},
                          {JD(10, 3, 2009, 0.0), 30, 0},
                          {JD(10, 3, 2009, 0.0), 15, 0}};
    for (const auto& c : cases) {
        const double t = NextTermCrossing(c.start, c.step);
        EXPECT_GT(t, c.start);
        double lon = SunLongitude(centuries(t));
        if (c.longitude == 0 && lon > 180) lon -= 360;
        EXPECT_NEAR(lon, c.longitude, 1e-4);
    }
}

TEST(NewMoon, KnownLunation) {
    // Meeus's worked example: the new moon of 1977 February 18, 3:37:42 TD.
    const double jd = JD(18, 2, 1977, 0.0);
    const double n = NewMoonLocal(jd, 0.0);
    const double deltaT = (66.0 + (jd - kJ2000) / 365.25) / 86400.0;
    EXPECT_NEAR(n + deltaT, 2443192.65118, 0.0001);
}

} // namespace
