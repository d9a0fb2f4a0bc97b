// Rise and set times of the Sun and the Moon by hourly quadratic interpolation of the altitude.
#include "lib/src/AcceptedInputs.h"
#include "lib/src/Astro.h"

#include <cmath>
#include <cstdlib>

namespace {

using namespace velmora::astro;

// sin(altitude) of the body's centre less sin(h0) at the instant `ut` (UT hours of
// the given date), from geocentric places.
class AltitudeCurve {
  public:
    AltitudeCurve(int day, int month, int year, double latitude, double longitude, bool sun)
        : day_(day), month_(month), year_(year), sun_(sun), sinLat_(std::sin(latitude * kDeg)),
          cosLat_(std::cos(latitude * kDeg)), lambda_(-longitude),
          sinH0_(std::sin((sun ? -0.8333 : 0.1333) * kDeg)) {}

    double at(double ut) const {
        const double jd = JD(day_, month_, year_, ut);
        double dec, ra, lon;
        if (sun_)
            SunPosition(centuries(jd), dec, ra, lon);
        else
            MoonPosition(centuries(jd), dec, ra, lon);
        double tau = 15.0 * (Lmst(jd, lambda_) - ra / 15.0);
        if (tau < 0) tau += 360.0;
        const double d = dec * kDeg;
        return std::cos(tau * kDeg) * std::cos(d) * cosLat_ + std::sin(d) * sinLat_ - sinH0_;
    }

  private:
    int day_, month_, year_;
    bool sun_;
    double sinLat_, cosLat_, lambda_, sinH0_;
};

struct HourEvents {
    bool rise = false, set = false;
    double riseUt = 0, setUt = 0;
};

// Events within the two hours around `hour`, from the samples an hour before, at
// and an hour after it.
HourEvents testHour(double hour, double yMinus, double y0, double yPlus) {
    HourEvents ev;
    const double a = 0.5 * (yMinus + yPlus) - y0;
    const double b = 0.5 * (yPlus - yMinus);
    if (a == 0.0) {
        // A straight line: one crossing at most.
        if (b != 0.0) {
            const double r = -y0 / b;
            if (std::fabs(r) <= 1.0) {
                (yMinus < 0 ? ev.rise : ev.set) = true;
                (yMinus < 0 ? ev.riseUt : ev.setUt) = hour + r;
            }
        }
        return ev;
    }
    const double xe = -b / (2 * a);
    const double ye = (a * xe + b) * xe + y0;
    const double dis = b * b - 4 * a * y0;
    if (dis < 0) return ev;
    const double dx = 0.5 * std::sqrt(dis) / std::fabs(a);
    double r1 = xe - dx;
    const double r2 = xe + dx;
    int roots = 0;
    if (std::fabs(r1) <= 1) ++roots;
    if (std::fabs(r2) <= 1) ++roots;
    if (r1 < -1) r1 = r2;
    if (roots == 1) {
        if (yMinus < 0) {
            ev.rise = true;
            ev.riseUt = hour + r1;
        } else {
            ev.set = true;
            ev.setUt = hour + r1;
        }
    } else if (roots == 2) {
        ev.rise = ev.set = true;
        ev.riseUt = hour + (ye < 0 ? r2 : r1);
        ev.setUt = hour + (ye < 0 ? r1 : r2);
    }
    return ev;
}

} // namespace

void GetRiseSet(int day, int month, int year, double latitude, double longitude, int timeZone,
                int body, double* rise, double* set) {
    // Inputs outside what can be computed give the "no event" answer at once.
    if (!velmora::inputs::acceptedYear(year) || month < 1 || month > 12 || day < 1 || day > 31 ||
        !(std::fabs(latitude) <= 90.0) || !std::isfinite(longitude) ||
        std::abs(timeZone) > VELMORA_MAX_ZONE) {
        if (rise) *rise = -1.0;
        if (set) *set = -1.0;
        return;
    }
    const AltitudeCurve curve(day, month, year, latitude, longitude, body == 1);

    // Hour tests for the UT hours of local 00:00 .. 23:00, each covering the hour
    // before and after; neighbouring tests share two of their three samples.
    double riseLocal = -1.0, setLocal = -1.0;
    bool haveRise = false, haveSet = false;
    const int first = -timeZone;
    double yMinus = curve.at(first - 1), y0 = curve.at(first);
    for (int h = first; h <= 23 - timeZone && !(haveRise && haveSet); ++h) {
        const double yPlus = curve.at(h + 1);
        const HourEvents ev = testHour(h, yMinus, y0, yPlus);
        // Only events inside the local date count: an event of the previous evening,
        // which the first test can see, is not this day's.
        if (ev.rise && !haveRise) {
            const double local = ev.riseUt + timeZone;
            if (local >= 0.0 && local < 24.0) {
                riseLocal = local;
                haveRise = true;
            }
        }
        if (ev.set && !haveSet) {
            const double local = ev.setUt + timeZone;
            if (local >= 0.0 && local < 24.0) {
                setLocal = local;
                haveSet = true;
            }
        }
        yMinus = y0;
        y0 = yPlus;
    }
    if (rise) *rise = riseLocal;
    if (set) *set = setLocal;
}
