// The Sun's apparent longitude and the instants of the solar terms.
#include "VelmoraDay.h"
#include "lib/src/Astro.h"

#include <cmath>

namespace velmora::astro {

double frac(double x) {
    double f = x - std::trunc(x);
    return f < 0 ? f + 1.0 : f;
}

double SunLongitude(double T) {
    const double T2 = T * T;
    const double M = (357.5291 + 35999.0503 * T - 0.0001559 * T2 - 0.00000048 * T2 * T) * kDeg;
    const double Q = (1.9146 - 0.004817 * T - 0.000014 * T2) * std::sin(M) +
                     (0.019993 - 0.000101 * T) * std::sin(2 * M) + 0.00029 * std::sin(3 * M);
    const double L0 = 280.46645 + 36000.76983 * T + 0.0003032 * T2;
    const double omega = (125.04 - 1934.136 * T) * kDeg;
    double lambda = std::fmod(L0 + Q - 0.00569 - 0.00478 * std::sin(omega), 360.0);
    if (lambda < 0) lambda += 360.0;
    return lambda;
}

namespace {

// Signed difference a - b of two longitudes, in (-180, 180].
double longitudeDifference(double a, double b) {
    double d = std::fmod(a - b, 360.0);
    if (d > 180.0) d -= 360.0;
    if (d <= -180.0) d += 360.0;
    return d;
}

// The instant the longitude reaches `target`, by the secant method; NaN when it
// does not settle (the bisection then evaluates every step itself).
double crossingRoot(double jd, double lambdaAtJd, double target) {
    double t0 = jd, f0 = longitudeDifference(lambdaAtJd, target);
    double t1 = jd - f0 / 0.9856, f1 = longitudeDifference(SunLongitude(centuries(t1)), target);
    for (int i = 0; i < 10; ++i) {
        if (f1 == f0) break;
        const double t2 = t1 - f1 * (t1 - t0) / (f1 - f0);
        t0 = t1;
        f0 = f1;
        t1 = t2;
        if (std::fabs(t1 - t0) < 1e-9) return t1;
        f1 = longitudeDifference(SunLongitude(centuries(t1)), target);
    }
    return std::fabs(t1 - t0) < 1e-7 ? t1 : std::nan("");
}

} // namespace

namespace {

double crossingSearch(double jd, double step, bool useRoot) {
    const double L = SunLongitude(centuries(jd));
    const double target = std::fmod(std::ceil(L / step) * step, 360.0);
    auto passedAt = [&](double t) {
        const double lambda = SunLongitude(centuries(t));
        return target != 0.0 ? lambda >= target : lambda <= step;
    };
    // The bisection's result depends only on its bracket and its decisions. The
    // root, found first in a few secant steps, settles every decision whose midpoint
    // lies clearly on one side; only a midpoint within a tenth of a second of the
    // root is evaluated, so the result is the plain bisection's at a fraction of
    // the cost.
    const double root = useRoot ? crossingRoot(jd, L, target) : std::nan("");
    const bool haveRoot = std::isfinite(root) && root >= jd - 1e-6;
    constexpr double kCertain = 1e-6; // day; the longitude moves 1e-6 degree in it

    double lo = jd, hi = jd + step * 400.0 / 360.0;
    double mid = (lo + hi) / 2;
    while (hi - lo > 0.00001) {
        const bool passed =
            haveRoot && std::fabs(mid - root) > kCertain ? mid > root : passedAt(mid);
        if (passed)
            hi = mid;
        else
            lo = mid;
        mid = (lo + hi) / 2;
    }
    return mid;
}

} // namespace

double NextTermCrossing(double jd, double step) {
    return crossingSearch(jd, step, true);
}

double nextTermCrossingEvaluated(double jd, double step) {
    return crossingSearch(jd, step, false);
}

} // namespace velmora::astro
