#!/usr/bin/python3
"""Computes the Vietnamese lunar calendar's month starts with PyEphem and compares them with the reference.

The official rule, by local days in a given zone: a month begins on the local day of a new moon; month
11 holds the winter solstice's day; in a span of 13 months from one month 11 to the next, the first
month holding no major term's day is leap. Run by hand to check the decoded reference
(vietnamese_calendar.csv): prints every month start or leap placement where the two disagree.
Usage: official_rule_calendar.py [zone hours, default 7] [first year] [last year]
"""
import datetime
import math
import sys

import ephem

from ephem_common import apparent_solar_longitude, jd_of
from decode_vietnamese_calendar import decode, read_codes


def local_day(date, zone):
    """Gregorian local date of an ephem.Date instant."""
    return (datetime.datetime(1899, 12, 31, 12) + datetime.timedelta(days=float(date) + zone / 24.0)).date()


def new_moon_days(first_year, last_year, zone):
    days, date = [], ephem.Date("%d/10/1" % (first_year - 1))
    end = ephem.Date("%d/3/1" % (last_year + 2))
    while date < end:
        date = ephem.next_new_moon(date)
        days.append(local_day(date, zone))
        date = ephem.Date(date + 1)
    return days


def major_term_days(first_year, last_year, zone):
    """Local days of the Sun's apparent longitude crossing multiples of 30°."""
    days, date = [], ephem.Date("%d/10/1" % (first_year - 1))
    end = ephem.Date("%d/3/1" % (last_year + 2))
    while date < end:
        lon = apparent_solar_longitude(date)
        target = (math.floor(lon / 30.0) + 1) * 30.0 % 360.0
        lo, hi = ephem.Date(date), ephem.Date(date + 32)
        while hi - lo > 1e-6:
            mid = ephem.Date((lo + hi) / 2)
            past = (apparent_solar_longitude(mid) - target + 180.0) % 360.0 - 180.0
            if past < 0:
                lo = mid
            else:
                hi = mid
        days.append((int(round(target)) % 360, local_day(hi, zone)))
        date = ephem.Date(hi + 1)
    return days


def months(first_year, last_year, zone):
    """{first day of month: (number, leap)} by the official rule."""
    starts = new_moon_days(first_year, last_year, zone)
    terms = major_term_days(first_year, last_year, zone)
    solstices = [d for lon, d in terms if lon == 270]
    term_days = [d for _, d in terms]
    result = {}
    for solstice, next_solstice in zip(solstices, solstices[1:]):
        m11 = max(i for i, s in enumerate(starts) if s <= solstice)
        n11 = max(i for i, s in enumerate(starts) if s <= next_solstice)
        leap_index = None
        if n11 - m11 == 13:
            for i in range(m11 + 1, n11):
                if not any(starts[i] <= d < starts[i + 1] for d in term_days):
                    leap_index = i
                    break
        number = 11
        for i in range(m11, n11):
            if i == leap_index:
                result[starts[i]] = (number, True)
            else:
                if i != m11:
                    number = number % 12 + 1
                result[starts[i]] = (number, False)
    return result


def main():
    zone = float(sys.argv[1]) if len(sys.argv) > 1 else 7.0
    first = int(sys.argv[2]) if len(sys.argv) > 2 else 1800
    last = int(sys.argv[3]) if len(sys.argv) > 3 else 2199
    computed = months(first, last, zone)
    codes = read_codes()
    reference = {}
    for y in range(first, last + 1):
        for m, leap, day, _ in decode(y, codes[y])[0]:
            reference[day] = (m, leap)
    lo, hi = min(reference), max(reference)
    differ = 0
    for day in sorted(set(computed) | set(reference)):
        if not lo <= day <= hi:
            continue
        if computed.get(day) != reference.get(day):
            differ += 1
            print("%s: PyEphem rule %s, reference %s" % (day, computed.get(day), reference.get(day)))
    print("zone %+g, years %d-%d: %d month start(s) differ" % (zone, first, last, differ))


if __name__ == "__main__":
    main()
