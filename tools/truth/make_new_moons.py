#!/usr/bin/python3
"""Writes lib/tests/truth/new_moons/new_moons.csv: every new moon of each sample year, from PyEphem."""
import os

import ephem

from ephem_common import SAMPLE_YEARS, header_lines, iso_of, jd_of

OUT = os.path.join(os.path.dirname(__file__), "../../lib/tests/truth/new_moons/new_moons.csv")


def main():
    lines = header_lines(
        "make_new_moons.py: geocentric new moons (conjunction in apparent ecliptic longitude)",
        "ephem.next_new_moon stepped from 1 January 00:00 UT of each sample year to the year's end")
    lines.append("year,jd_ut,iso_utc")
    for year in SAMPLE_YEARS:
        date = ephem.next_new_moon(ephem.Date("%d/1/1" % year))
        end = ephem.Date("%d/1/1" % (year + 1))
        while date < end:
            lines.append("%d,%.6f,%s" % (year, jd_of(date), iso_of(date)))
            date = ephem.next_new_moon(ephem.Date(date + 1))
    with open(OUT, "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
