#!/usr/bin/python3
"""Writes lib/tests/truth/rise_set/hanoi.csv: daily Sun and Moon rise and set at Hà Nội, from PyEphem."""
import os

import ephem

from ephem_common import header_lines

OUT = os.path.join(os.path.dirname(__file__), "../../lib/tests/truth/rise_set/hanoi.csv")
YEARS = [1900, 2009, 2024, 2025, 2100]
LATITUDE, LONGITUDE, ZONE = "21.3", "105.85", 7


def observer():
    site = ephem.Observer()
    site.lat, site.lon, site.elevation = LATITUDE, LONGITUDE, 0
    # Refraction as a fixed 34' below the horizon, applied to the upper limb.
    site.pressure = 0
    site.horizon = "-0:34"
    return site


def event(site, body, finder, day_start):
    """Local clock hours of the first event in [day_start, day_start + 1 day), or None."""
    site.date = day_start
    try:
        when = finder(body, use_center=False)
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return None
    if when >= day_start + 1:
        return None
    return (when - day_start) * 24.0


def text(hours):
    return "none" if hours is None else "%.5f" % hours


def main():
    lines = header_lines(
        "make_rise_set.py: Sun and Moon rise and set at Hà Nội, local clock hours (UTC+7)",
        "observer lat %s N lon %s E elevation 0 m, pressure 0, horizon -0:34, upper limb "
        "(Sun's centre at -50'); Moon topocentric (parallax included) upper limb at -34'; "
        "first event within the local date [00:00, 24:00), 'none' when there is none" % (LATITUDE, LONGITUDE))
    lines.append("date,sun_rise,sun_set,moon_rise,moon_set")
    site = observer()
    for year in YEARS:
        day = ephem.Date("%d/1/1" % year) - ZONE * ephem.hour
        while True:
            y, m, d = ephem.Date(day + ZONE * ephem.hour).tuple()[:3]
            if y != year:
                break
            row = ["%04d-%02d-%02d" % (y, m, d)]
            for body in (ephem.Sun(), ephem.Moon()):
                row.append(text(event(site, body, site.next_rising, day)))
                row.append(text(event(site, body, site.next_setting, day)))
            lines.append(",".join(row))
            day = ephem.Date(day + 1)
    with open(OUT, "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
