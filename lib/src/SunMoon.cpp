// Apparent places of the Sun and the Moon, sidereal time, distances, and GetSunMoonData.
#include "lib/src/Astro.h"

#include <algorithm>
#include <cmath>

namespace velmora::astro {

void SunPosition(double T, double& dec, double& ra, double& lon) {
    const double lambda = SunLongitude(T);
    const double omega = (125.04 - 1934.136 * T) * kDeg;
    const double epsilon =
        (23.4333333 + (21.448 - 46.815 * T - 0.00059 * T * T + 0.001813 * T * T * T) / 3600.0 +
         0.00256 * std::cos(omega)) *
        kDeg;
    const double l = lambda * kDeg;
    dec = std::asin(std::sin(epsilon) * std::sin(l)) / kDeg;
    ra = std::atan2(std::cos(epsilon) * std::sin(l), std::cos(l)) / kDeg;
    lon = lambda;
}

void MoonPosition(double T, double& dec, double& ra, double& lon) {
    constexpr double kTwoPi = 2.0 * kPi;
    constexpr double kArcsec = kPi / 648000.0;
    const double L0 = frac(0.606433 + 1336.855225 * T);
    const double l = kTwoPi * frac(0.374897 + 1325.552410 * T);
    const double ls = kTwoPi * frac(0.993133 + 99.997361 * T);
    const double D = kTwoPi * frac(0.827361 + 1236.853086 * T);
    const double F = kTwoPi * frac(0.259086 + 1342.227825 * T);

    const double dL = 22640 * std::sin(l) - 4586 * std::sin(l - 2 * D) + 2370 * std::sin(2 * D) +
                      769 * std::sin(2 * l) - 668 * std::sin(ls) - 412 * std::sin(2 * F) -
                      212 * std::sin(2 * l - 2 * D) - 206 * std::sin(l + ls - 2 * D) +
                      192 * std::sin(l + 2 * D) - 165 * std::sin(ls - 2 * D) - 125 * std::sin(D) -
                      110 * std::sin(l + ls) + 148 * std::sin(l - ls) -
                      55 * std::sin(2 * F - 2 * D);
    const double S = F + (dL + 412 * std::sin(2 * F) + 541 * std::sin(ls)) * kArcsec;
    const double h = F - 2 * D;
    const double N = -526 * std::sin(h) + 44 * std::sin(l + h) - 31 * std::sin(h - l) -
                     23 * std::sin(ls + h) + 11 * std::sin(h - ls) - 25 * std::sin(F - 2 * l) +
                     21 * std::sin(F - l);

    const double lm = kTwoPi * frac(L0 + dL / 1296000.0);
    const double bm = (18520 * std::sin(S) + N) * kArcsec;

    constexpr double kCosEps = 0.917482062, kSinEps = 0.397777156;
    const double x = std::cos(bm) * std::cos(lm);
    const double y = std::cos(bm) * std::sin(lm);
    const double z = std::sin(bm);
    const double yEq = kCosEps * y - kSinEps * z;
    const double zEq = kSinEps * y + kCosEps * z;
    const double rho = std::sqrt(1.0 - zEq * zEq);

    dec = std::atan(zEq / rho) / kDeg;
    double raHours = (48.0 / kTwoPi) * std::atan(yEq / (x + rho));
    if (raHours < 0) raHours += 24.0;
    ra = raHours * 15.0;
    lon = lm / kDeg;
}

double Gmst(double jd) {
    const double mjd = jd - 2400000.5;
    const double mjd0 = std::trunc(mjd);
    const double ut = (mjd - mjd0) * 24.0;
    const double t0 = (mjd0 - 51544.5) / 36525.0;
    const double gmst = 6.697374558 + 1.0027379093 * ut +
                        (8640184.812866 + (0.093104 - 0.0000062 * t0) * t0) * t0 / 3600.0;
    return 24.0 * frac(gmst / 24.0);
}

double Lmst(double jd, double lambda) {
    return 24.0 * frac((Gmst(jd) - lambda / 15.0) / 24.0);
}

} // namespace velmora::astro

namespace {

using namespace velmora::astro;

double AltitudeOf(double dec, double latitude, double longitude, double gha) {
    const double H = (gha + longitude) * kDeg;
    const double d = dec * kDeg, phi = latitude * kDeg;
    return std::asin(std::sin(d) * std::sin(phi) + std::cos(d) * std::cos(phi) * std::cos(H)) /
           kDeg;
}

double AzimuthOf(double dec, double latitude, double longitude, double gha, double alt) {
    const double H = (gha + longitude) * kDeg;
    const double d = dec * kDeg, phi = latitude * kDeg, a = alt * kDeg;
    // Rounding can push the ratio a hair past ±1 when the body stands on the meridian.
    const double ratio = std::clamp(
        (std::sin(d) - std::sin(a) * std::sin(phi)) / (std::cos(a) * std::cos(phi)), -1.0, 1.0);
    double azimuth = std::acos(ratio) / kDeg;
    if (std::sin(H) > 0) azimuth = 360.0 - azimuth;
    return azimuth;
}

// The Sun's Greenwich hour angle from the equation of time.
double SunGha(int day, int month, int year, double ut) {
    double n = 365.0 * year + 31.0 * month + day - 46;
    if (month < 3)
        n += std::trunc((year - 1) / 4.0);
    else
        n += std::trunc(year / 4.0) - std::trunc(0.4 * month + 2.3);
    const double d = n + ut / 24.0 - 722449;
    const double L = (279.306 + 0.98564734 * d) * kDeg;
    const double E = -104.55 * std::sin(L) - 429.266 * std::cos(L) + 595.63 * std::sin(2 * L) -
                     2.283 * std::cos(2 * L) + 4.6 * std::sin(3 * L) + 18.7333 * std::cos(3 * L) -
                     13.2 * std::sin(4 * L) - std::cos(5 * L) - std::sin(5 * L) / 3.0 +
                     0.5 * std::sin(6 * L) + 0.231;
    return std::fmod(E / 240.0 + (ut / 24.0 + 0.5) * 360.0, 360.0);
}

double SunDistance(double jd) {
    const double t = (jd - 2415020.0) / 36525.0;
    const double M = (358.4758333 + 35999 * t + (179.1 * t - 0.54 * t * t) / 3600.0) * kDeg;
    const double logR = 0.00003057 - 0.00000015 * t + (0.00001814 * t - 0.00727412) * std::cos(M) +
                        (0.00000046 * t - 0.00009138) * std::cos(2 * M) -
                        0.00000145 * std::cos(3 * M);
    return std::pow(10.0, logR);
}

double MoonDistance(double jd) {
    const double t = (jd - 2415020.0) / 36525.0;
    const double Mp = (296.104608 + 477198.849108 * t + 0.009192 * t * t) * kDeg;
    const double Lp = 270.434164 + 481267.883142 * t - 0.001133 * t * t;
    const double Ls = 279.696678 + 36000.768925 * t + 0.000303 * t * t;
    const double D2 = 2.0 * (Lp - Ls) * kDeg;
    const double parallax = 3423 + 187 * std::cos(Mp) + 10 * std::cos(2 * Mp) +
                            34 * std::cos(D2 - Mp) + 28 * std::cos(D2) + 3 * std::cos(D2 + Mp);
    return 6378.14 / std::sin(parallax / 3600.0 * kDeg);
}

} // namespace

void GetSunMoonData(SYSTEMTIME time, double latitude, double longitude, int timeZone,
                    SUNMOONEARTH* out) {
    if (out == nullptr) return;
    SUNMOONEARTH& r = *out;
    r.dSunDec = r.dSunRA = r.dSunLon = r.dSunAz = r.dSunAlt = r.dSunGHA = r.dSunLHA = 0.0;
    r.dMoonDec = r.dMoonRA = r.dMoonLon = r.dMoonAlt = r.dMoonAz = r.dMoonGHA = 0.0;

    r.dUT = (time.wHour - timeZone) + time.wSecond / 3600.0 + time.wMinute / 60.0;
    r.dJD = JD(time.wDay, time.wMonth, time.wYear, r.dUT);
    r.dT = centuries(r.dJD);

    MoonPosition(r.dT, r.dMoonDec, r.dMoonRA, r.dMoonLon);
    r.dMoonGHA = (Gmst(r.dJD) - r.dMoonRA / 15.0) * 15.0;
    if (r.dMoonGHA < 0) r.dMoonGHA += 360.0;
    r.dMoonAlt = AltitudeOf(r.dMoonDec, latitude, longitude, r.dMoonGHA);
    r.dMoonAz = AzimuthOf(r.dMoonDec, latitude, longitude, r.dMoonGHA, r.dMoonAlt);

    SunPosition(r.dT, r.dSunDec, r.dSunRA, r.dSunLon);
    while (r.dSunRA > 360.0) r.dSunRA -= 360.0;
    if (r.dSunRA < 0) r.dSunRA += 360.0;

    r.dSunGHA = SunGha(time.wDay, time.wMonth, time.wYear, r.dUT);
    r.dSunLHA = r.dSunGHA + longitude;
    if (r.dSunLHA < 0) r.dSunLHA += 360.0;
    if (r.dSunLHA > 360.0) r.dSunLHA -= 360.0;
    r.dSunAlt = AltitudeOf(r.dSunDec, latitude, longitude, r.dSunGHA);
    r.dSunAz = AzimuthOf(r.dSunDec, latitude, longitude, r.dSunGHA, r.dSunAlt);

    r.dSunTransit = 12.0 - SunGha(time.wDay, time.wMonth, time.wYear, 12.0) / 15.0 -
                    longitude / 15.0 + timeZone;
    if (r.dSunTransit < 0) r.dSunTransit += 24.0;
    if (r.dSunTransit > 24.0) r.dSunTransit -= 24.0;

    r.dTimeMid = (r.dTime1 + r.dTime2) * 0.5;

    r.dSunDist = SunDistance(r.dJD);
    r.dSunDiam = std::atan(1392000.0 / (r.dSunDist * 149597870.0)) / kDeg;
    r.dMoonDist = MoonDistance(r.dJD);
    r.dZero = 0.0;
}
