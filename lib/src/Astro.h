// Astronomy shared inside the library: solar longitude, term crossings, new moons,
// sun and moon places, sidereal time.
#pragma once

#include "VelmoraLib.h"

namespace velmora::astro {

inline constexpr double kJ2000 = 2451545.0;
inline constexpr double kSynodicMonth = 29.530588853;
inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kDeg = kPi / 180.0;

// Julian centuries from J2000 of a Julian date.
inline double centuries(double jd) {
    return (jd - kJ2000) / 36525.0;
}

// x - trunc(x), plus 1 when negative: the fraction of a revolution.
double frac(double x);

// Apparent longitude of the Sun, degrees 0..360 (Meeus, low accuracy).
double SunLongitude(double T);

// First instant after jd at which the Sun's longitude reaches the next multiple of
// `step` degrees, found by bisection to 0.00001 day; same time scale as jd.
double NextTermCrossing(double jd, double step);

// The same bisection evaluating the longitude at every step: the reference that
// NextTermCrossing must match exactly.
double nextTermCrossingEvaluated(double jd, double step);

// Local Julian date of the new moon of the lunation that jd selects (Meeus's phase
// series with its planetary corrections), for a zone tz in hours.
double NewMoonLocal(double jd, double tz);

// Sun's apparent declination, right ascension (-180..180) and longitude, degrees.
void SunPosition(double T, double& dec, double& ra, double& lon);

// Moon's declination, right ascension (0..360) and longitude, degrees (short series).
void MoonPosition(double T, double& dec, double& ra, double& lon);

// Greenwich mean sidereal time, hours 0..24.
double Gmst(double jd);

// Local mean sidereal time for a west-positive longitude lambda, hours 0..24.
double Lmst(double jd, double lambda);

} // namespace velmora::astro
