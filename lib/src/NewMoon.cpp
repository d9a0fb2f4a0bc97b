// Instants of new moons: Meeus's phase series for the new moon with its planetary corrections.
#include "lib/src/Astro.h"

#include <cmath>

namespace velmora::astro {

namespace {

// Degrees reduced to 0..360 and converted to radians.
double reducedRadians(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d < 0) d += 360.0;
    return d * kDeg;
}

} // namespace

double NewMoonLocal(double jd, double tz) {
    const double k = std::floor((jd - kJ2000) / kSynodicMonth);
    const double T = k / 1236.85;
    const double T2 = T * T, T3 = T2 * T, T4 = T3 * T;

    const double meanPhase =
        2451550.09765 + kSynodicMonth * k + 0.0001337 * T2 - 0.000000150 * T3 + 0.00000000073 * T4;
    const double M = reducedRadians(2.5534 + 29.10535669 * k - 0.0000218 * T2 - 0.00000011 * T3);
    const double Mp = reducedRadians(201.5643 + 385.81693528 * k + 0.0107438 * T2 +
                                     0.00001239 * T3 - 0.000000058 * T4);
    const double F = reducedRadians(160.7108 + 390.67050274 * k - 0.0016341 * T2 - 0.00000227 * T3 +
                                    0.000000011 * T4);
    const double omega =
        reducedRadians(124.7746 - 1.5637558 * k + 0.0020691 * T2 + 0.00000215 * T3);
    const double E = 1.0 - 0.002516 * T - 0.0000074 * T2;

    // The 25 periodic terms of the new-moon column.
    double c = -0.40720 * std::sin(Mp)              //
               + 0.17241 * E * std::sin(M)          //
               + 0.01608 * std::sin(2 * Mp)         //
               + 0.01039 * std::sin(2 * F)          //
               + 0.00739 * E * std::sin(Mp - M)     //
               - 0.00514 * E * std::sin(Mp + M)     //
               + 0.00208 * E * E * std::sin(2 * M)  //
               - 0.00111 * std::sin(Mp - 2 * F)     //
               - 0.00057 * std::sin(Mp + 2 * F)     //
               + 0.00056 * E * std::sin(2 * Mp + M) //
               - 0.00042 * std::sin(3 * Mp)         //
               + 0.00042 * E * std::sin(M + 2 * F)  //
               + 0.00038 * E * std::sin(M - 2 * F)  //
               - 0.00024 * E * std::sin(2 * Mp - M) //
               - 0.00017 * std::sin(omega)          //
               - 0.00007 * std::sin(Mp + 2 * M)     //
               + 0.00004 * std::sin(2 * Mp - 2 * F) //
               + 0.00004 * std::sin(3 * M)          //
               + 0.00003 * std::sin(Mp + M - 2 * F) //
               + 0.00003 * std::sin(2 * Mp + 2 * F) //
               - 0.00003 * std::sin(Mp + M + 2 * F) //
               + 0.00003 * std::sin(Mp - M + 2 * F) //
               - 0.00002 * std::sin(Mp - M - 2 * F) //
               - 0.00002 * std::sin(3 * Mp + M)     //
               + 0.00002 * std::sin(4 * Mp);

    // The 14 additional corrections from the planetary arguments A1..A14.
    struct Planetary {
        double base, perLunation, coefficient;
    };
    static constexpr Planetary kPlanetary[] = {
        {299.77, 0.107408, 0.000325},  {251.88, 0.016321, 0.000165}, {251.83, 26.651886, 0.000164},
        {349.42, 36.412478, 0.000126}, {84.66, 18.206239, 0.000110}, {141.74, 53.303771, 0.000062},
        {207.14, 2.453732, 0.000060},  {154.84, 7.306860, 0.000056}, {34.52, 27.261239, 0.000047},
        {207.19, 0.121824, 0.000042},  {291.34, 1.844379, 0.000040}, {161.72, 24.198154, 0.000037},
        {239.56, 25.513099, 0.000035}, {331.55, 3.592518, 0.000023},
    };
    for (int i = 0; i < 14; ++i) {
        double a = kPlanetary[i].base + kPlanetary[i].perLunation * k;
        if (i == 0) a -= 0.009173 * T2; // only A1 has a quadratic term
        c += kPlanetary[i].coefficient * std::sin(reducedRadians(a));
    }

    const double deltaTSeconds = 66.0 + (jd - kJ2000) / 365.25;
    return meanPhase + c - deltaTSeconds / 86400.0 + tz / 24.0;
}

} // namespace velmora::astro
