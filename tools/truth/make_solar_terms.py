#!/usr/bin/python3
"""Writes lib/tests/truth/solar_terms/terms.csv: the 24 solar terms of each sample year, from PyEphem."""
import os
import sys

import ephem

from ephem_common import SAMPLE_YEARS, apparent_solar_longitude, header_lines, iso_of, jd_of

OUT = os.path.join(os.path.dirname(__file__), "../../lib/tests/truth/solar_terms/terms.csv")


def angle_past(date, target):
    """Signed degrees by which the Sun's longitude is past `target`, in -180..180."""
    return (apparent_solar_longitude(date) - target + 180.0) % 360.0 - 180.0


def crossing(target, guess):
    """Instant the apparent longitude crosses `target`, found by bisection to ~0.01 s."""
    lo, hi = ephem.Date(guess - 3), ephem.Date(guess + 3)
    assert angle_past(lo, target) < 0 < angle_past(hi, target)
    while hi - lo > 1e-7:
        mid = ephem.Date((lo + hi) / 2)
        if angle_past(mid, target) < 0:
            lo = mid
        else:
            hi = mid
    return ephem.Date((lo + hi) / 2)


CARDINAL_FINDERS = {0: ephem.next_vernal_equinox, 90: ephem.next_summer_solstice,
                    180: ephem.next_autumnal_equinox, 270: ephem.next_winter_solstice}


def terms_of_year(year):
    rows = []
    start = ephem.Date("%d/1/1" % year)
    end = ephem.Date("%d/1/1" % (year + 1))
    # Tiểu hàn (285°) is the first term of every Gregorian year; step 15° from there.
    date = start
    for k in range(24):
        lon = (285 + 15 * k) % 360
        # The Sun moves about 1°/day: start 3 days before the linear guess.
        guess = ephem.Date(date + ((lon - apparent_solar_longitude(date)) % 360.0) / 0.9856)
        found = crossing(lon, guess)
        if lon in CARDINAL_FINDERS:
            finder = CARDINAL_FINDERS[lon](ephem.Date(found - 10))
            # The two methods must agree; the finder's instant is the one recorded.
            if abs(finder - found) * 86400 > 10:
                sys.exit("finder and root disagree at %d %d: %s vs %s" % (year, lon, finder, found))
            found = finder
        assert start <= found < end, (year, lon, found)
        rows.append((year, lon, found))
        date = found
    return rows


def main():
    lines = header_lines(
        "make_solar_terms.py: instants the Sun's apparent geocentric longitude (of date) crosses each 15° multiple",
        "equinoxes/solstices from ephem.next_*_equinox/solstice; other terms by bisection on "
        "Ecliptic(Equatorial(Sun.g_ra, g_dec, epoch=date), epoch=date).lon")
    lines.append("year,longitude_deg,jd_ut,iso_utc")
    for year in SAMPLE_YEARS:
        for y, lon, date in terms_of_year(year):
            lines.append("%d,%d,%.6f,%s" % (y, lon, jd_of(date), iso_of(date)))
    with open(OUT, "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
