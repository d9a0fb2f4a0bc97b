// Converts every day 1800-2199 with VelmoraLib and compares the lunar date with an independent
// published table.
#include "VelmoraDay.h"
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "VelmoraLib.h"

#ifndef VELMORA_TRUTH_DIR
#error "VELMORA_TRUTH_DIR must name the folder of the truth tables"
#endif

namespace {

struct LunarDay {
    int day = 0; // 0: the reference does not cover this solar day
    int month = 0;
    bool leap = false;
    bool operator==(const LunarDay&) const = default;
};

// Julian day number of a proleptic Gregorian date, computed here so the reference does not lean on
// the library's own conversion.
int julianDayNumber(int year, int month, int day) {
    int a = (14 - month) / 12;
    int y = year + 4800 - a;
    int m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

int parseIsoDate(const std::string& text) {
    return julianDayNumber(std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)),
                           std::stoi(text.substr(8, 2)));
}

std::string isoDate(int jdn) {
    // Inverse of julianDayNumber (Richards' algorithm).
    int f = jdn + 1401 + (((4 * jdn + 274277) / 146097) * 3) / 4 - 38;
    int e = 4 * f + 3;
    int h = 5 * ((e % 1461) / 4) + 2;
    int day = (h % 153) / 5 + 1;
    int month = (h / 153 + 2) % 12 + 1;
    int year = e / 1461 - 4716 + (14 - month) / 12;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year, month, day);
    return buf;
}

std::string lunarText(const LunarDay& d) {
    return std::to_string(d.day) + "/" + std::to_string(d.month) + (d.leap ? " nhuận" : "");
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, separator)) parts.push_back(part);
    return parts;
}

// Data rows of a truth CSV: '#' comments and the column header dropped.
std::vector<std::vector<std::string>> readTruth(const std::string& relativePath) {
    std::ifstream in(std::string(VELMORA_TRUTH_DIR) + "/" + relativePath);
    std::vector<std::vector<std::string>> rows;
    std::string line;
    bool headerSeen = false;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (headerSeen) rows.push_back(split(line, ','));
        headerSeen = true;
    }
    return rows;
}

constexpr int kFirstDay = 2378497; // 1800-01-01
constexpr int kLastDay = 2524593;  // 2199-12-31

// The reference counts days in UTC+8 up to the end of lunar year 1967 and in UTC+7 from Tết 1968
// (1968-01-29) on (truth/lunar_calendar/README.md); the library is asked in the same zone.
constexpr int kUtc7FromDay = 2439885; // 1968-01-29
double referenceZone(int jdn) {
    return jdn < kUtc7FromDay ? 8.0 : 7.0;
}

// The reference's lunar date of every solar day it covers, indexed by day number - kFirstDay.
std::vector<LunarDay> loadReference() {
    std::vector<LunarDay> days(kLastDay - kFirstDay + 1);
    for (const auto& row : readTruth("lunar_calendar/vietnamese_calendar.csv")) {
        int leapMonth = std::stoi(row[2]);
        std::vector<std::string> starts = split(row[4], ';');
        std::vector<std::string> lengths = split(row[5], ';');
        int month = 0;
        bool leap = false;
        for (size_t i = 0; i < starts.size(); ++i) {
            if (leapMonth != 0 && month == leapMonth && !leap)
                leap = true;
            else {
                ++month;
                leap = false;
            }
            int first = parseIsoDate(starts[i]);
            for (int k = 0; k < std::stoi(lengths[i]); ++k) {
                int index = first + k - kFirstDay;
                if (index >= 0 && index < static_cast<int>(days.size()))
                    days[index] = {k + 1, month, leap};
            }
        }
    }
    return days;
}

LunarDay lunarOf(const LICHVELMORA& rec) {
    return {rec.nNgayAm, rec.nThangAm, rec.bNhuan != 0};
}

LICHVELMORA freshRecord(int year, int month, int day, double zone) {
    return velmora::freshDay(day, month, year, 12, 0, 0, zone);
}

struct DifferingRun {
    int first;
    int last;
    bool operator<(const DifferingRun& o) const {
        return std::pair(first, last) < std::pair(o.first, o.last);
    }
};

std::set<DifferingRun> loadKnownDifferences() {
    std::set<DifferingRun> runs;
    for (const auto& row : readTruth("lunar_calendar/known_differences.csv"))
        runs.insert({parseIsoDate(row[0]), parseIsoDate(row[1])});
    return runs;
}

TEST(LunarReference, EveryDayFrom1800To2199MatchesTheReferenceOrAKnownDifference) {
    std::vector<LunarDay> reference = loadReference();
    int covered = 0;
    for (const LunarDay& d : reference) covered += d.day != 0;
    // The reference starts at Tết 1800 (1800-01-25): only 24 days of 1800 lie before it.
    ASSERT_EQ(covered, kLastDay - kFirstDay + 1 - 24)
        << "vietnamese_calendar.csv is missing or incomplete";

    ASSERT_EQ(isoDate(kUtc7FromDay), "1968-01-29");
    LICHVELMORA rec = freshRecord(1800, 1, 1, referenceZone(kFirstDay));

    std::vector<DifferingRun> differences;
    std::vector<std::string> details;
    int steppingFaults = 0;
    for (int jdn = kFirstDay; jdn <= kLastDay; ++jdn) {
        if (jdn == kUtc7FromDay) {
            rec = freshRecord(1968, 1, 29, referenceZone(jdn));
        } else if (jdn != kFirstDay) {
            rec.nJD = jdn;
            DoiAmDuong(&rec, DAD_JD | DAD_DUONG);
        }
        std::string date = isoDate(jdn);
        ASSERT_EQ(rec.nJD, jdn);
        char solar[16];
        std::snprintf(solar, sizeof solar, "%04d-%02d-%02d", rec.nNam, rec.nThang, rec.nNgay);
        ASSERT_EQ(std::string(solar), date) << "solar date of day number " << jdn;

        LunarDay got = lunarOf(rec);
        if (rec.nNgay == 1) {
            // Stepping must give what a fresh record gives.
            LICHVELMORA fresh = freshRecord(rec.nNam, rec.nThang, rec.nNgay, referenceZone(jdn));
            if (!(lunarOf(fresh) == got) && ++steppingFaults <= 20)
                ADD_FAILURE() << date << ": stepped record says " << lunarText(got)
                              << ", fresh record says " << lunarText(lunarOf(fresh));
        }

        const LunarDay& expected = reference[jdn - kFirstDay];
        if (expected.day == 0 || expected == got) continue;
        if (!differences.empty() && differences.back().last == jdn - 1)
            differences.back().last = jdn;
        else {
            differences.push_back({jdn, jdn});
            details.push_back("reference " + lunarText(expected) + ", library " + lunarText(got));
        }
    }

    std::set<DifferingRun> known = loadKnownDifferences();
    std::set<DifferingRun> found(differences.begin(), differences.end());
    std::printf("[lunar] %zu run(s) of differing days, %zu listed as known\n", differences.size(),
                known.size());
    for (size_t i = 0; i < differences.size(); ++i) {
        const DifferingRun& run = differences[i];
        std::printf("[lunar] %s,%s,%d day(s): %s\n", isoDate(run.first).c_str(),
                    isoDate(run.last).c_str(), run.last - run.first + 1, details[i].c_str());
        EXPECT_TRUE(known.count(run)) << "unexplained difference " << isoDate(run.first) << ".."
                                      << isoDate(run.last) << " (" << details[i] << ")";
    }
    for (const DifferingRun& run : known)
        EXPECT_TRUE(found.count(run))
            << "known difference " << isoDate(run.first) << ".." << isoDate(run.last)
            << " no longer occurs: remove it from known_differences.csv";
}

} // namespace
