// Checks VelmoraLib's solar terms, new moons and rise/set times against the PyEphem tables in
// truth/.
#include "VelmoraDay.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "VelmoraLib.h"

#ifndef VELMORA_TRUTH_DIR
#error "VELMORA_TRUTH_DIR must name the folder of the truth tables"
#endif

namespace {

// Tolerances, with their reasons, are stated in truth/<phenomenon>/README.md.
constexpr double kSolarTermToleranceMinutes = 16.0;
constexpr double kNewMoonToleranceMinutes = 3.5;
constexpr double kSunRiseSetToleranceMinutes = 1.0;
constexpr double kMoonRiseSetToleranceMinutes = 1.5;

constexpr double kZone = 7.0;
constexpr double kHanoiLatitude = 21.3;
constexpr double kHanoiLongitude = 105.85;

using Row = std::vector<std::string>;

// Rows of a truth CSV without its '#' comments and its column header.
std::vector<Row> readTruth(const std::string& relativePath) {
    std::ifstream in(std::string(VELMORA_TRUTH_DIR) + "/" + relativePath);
    std::vector<Row> rows;
    std::string line;
    bool headerSeen = false;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (!headerSeen) {
            headerSeen = true;
            continue;
        }
        Row row;
        std::stringstream fields(line);
        std::string field;
        while (std::getline(fields, field, ',')) row.push_back(field);
        rows.push_back(row);
    }
    return rows;
}

LICHVELMORA dayRecord(int day, int month, int year) {
    return velmora::freshDay(day, month, year, 12, 0, 0, kZone);
}

// The largest error seen for one phenomenon, with the case that produced it.
struct LargestError {
    double minutes = 0.0;
    std::string where;
    void see(double errorMinutes, const std::string& what) {
        if (errorMinutes > minutes) {
            minutes = errorMinutes;
            where = what;
        }
    }
    void print(const char* name, double tolerance) const {
        std::printf("[truth] %-16s largest error %7.3f min (tolerance %.1f) at %s\n", name, minutes,
                    tolerance, where.c_str());
    }
};

std::string localText(double localJd) {
    SYSTEMTIME t = JD2ST(localJd, 0.0);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour,
                  t.wMinute);
    return buf;
}

// Where the day record keeps a term of `longitude` degrees falling in solar month `month`.
struct TermSlot {
    bool major;
    int month;
};

TermSlot slotOf(int longitude) {
    bool major = longitude % 30 == 0;
    // Major terms: 300° (Đại hàn) in January ... 270° (Đông chí) in December;
    // minor terms: 285° (Tiểu hàn) in January ... 255° (Đại tuyết) in December.
    int first = major ? 270 : 255;
    int month = ((longitude - first + 360) % 360) / 30;
    return {major, month == 0 ? 12 : month};
}

double termOf(const LICHVELMORA& rec, bool major, int index) {
    return major ? rec.dTrungKhi[index] : rec.dTietKhi[index];
}

TEST(TruthSolarTerms, EveryTermOfTheSampleYearsIsWithinTolerance) {
    std::vector<Row> rows = readTruth("solar_terms/terms.csv");
    ASSERT_EQ(rows.size(), 15u * 24u) << "solar_terms/terms.csv is missing or short";
    LargestError largest;
    for (const Row& row : rows) {
        int year = std::stoi(row[0]);
        int longitude = std::stoi(row[1]);
        double expectedLocal = std::stod(row[2]) + kZone / 24.0;
        TermSlot slot = slotOf(longitude);
        // Every term sits at [month] of its own year's record, the December ones also at [0] of the
        // next year's, the January ones at [13] of the previous year's.
        struct Seen {
            int recordYear;
            int recordMonth;
            int index;
        };
        std::vector<Seen> places = {{year, slot.month, slot.month}};
        if (slot.month == 12 && year + 1 <= 2199) places.push_back({year + 1, 6, 0});
        if (slot.month == 1 && year - 1 >= 1800) places.push_back({year - 1, 6, 13});
        for (const Seen& place : places) {
            LICHVELMORA rec = dayRecord(15, place.recordMonth, place.recordYear);
            double got = termOf(rec, slot.major, place.index);
            double error = std::fabs(got - expectedLocal) * 1440.0;
            std::string what = std::to_string(longitude) + "° of " + std::to_string(year) +
                               " (record of " + std::to_string(place.recordYear) + ", " +
                               (slot.major ? "dTrungKhi[" : "dTietKhi[") +
                               std::to_string(place.index) + "]): expected " +
                               localText(expectedLocal) + ", got " + localText(got);
            largest.see(error, what);
            EXPECT_LE(error, kSolarTermToleranceMinutes) << what;
        }
    }
    largest.print("solar terms", kSolarTermToleranceMinutes);
}

TEST(TruthNewMoons, EveryNewMoonOfTheSampleYearsIsInTheMonthTables) {
    std::vector<Row> rows = readTruth("new_moons/new_moons.csv");
    ASSERT_GE(rows.size(), 15u * 12u) << "new_moons/new_moons.csv is missing or short";
    LargestError largest;
    int tableYear = 0;
    std::vector<double> tables;
    for (const Row& row : rows) {
        int year = std::stoi(row[0]);
        double expectedLocal = std::stod(row[1]) + kZone / 24.0;
        if (year != tableYear) {
            // Records on both sides of the lunar new year and of month 11 hold different tables.
            tableYear = year;
            tables.clear();
            for (int month : {1, 3, 7, 11, 12}) {
                LICHVELMORA rec = dayRecord(month == 12 ? 31 : 1, month, year);
                tables.insert(tables.end(), std::begin(rec.dSoc), std::end(rec.dSoc));
            }
        }
        double nearest = tables.front();
        for (double soc : tables)
            if (std::fabs(soc - expectedLocal) < std::fabs(nearest - expectedLocal)) nearest = soc;
        double error = std::fabs(nearest - expectedLocal) * 1440.0;
        std::string what =
            "new moon " + localText(expectedLocal) + " UTC+7, nearest dSoc " + localText(nearest);
        largest.see(error, what);
        EXPECT_LE(error, kNewMoonToleranceMinutes) << what;
    }
    largest.print("new moons", kNewMoonToleranceMinutes);
}

// One event of the rise/set table: truth and library, local clock hours, negative for none.
struct EventCheck {
    const char* name;
    double tolerance;
    LargestError largest;
    int excusedNearMidnight = 0;

    void check(const std::string& date, double expected, double got) {
        std::string what = std::string(name) + " " + date + ": expected " + hoursText(expected) +
                           ", got " + hoursText(got);
        bool hasExpected = expected >= 0.0;
        bool hasGot = got >= 0.0;
        if (hasExpected && hasGot) {
            double error = std::fabs(got - expected) * 60.0;
            largest.see(error, what);
            EXPECT_LE(error, tolerance) << what;
        } else if (hasExpected != hasGot) {
            // The event may fall on the neighbouring date when it lies this close to midnight.
            double hours = hasExpected ? expected : got;
            bool nearMidnight = std::min(hours, 24.0 - hours) * 60.0 <= tolerance;
            if (nearMidnight)
                ++excusedNearMidnight;
            else
                ADD_FAILURE() << what;
        }
    }

    static std::string hoursText(double hours) {
        if (hours < 0.0) return "none";
        char buf[16];
        std::snprintf(buf, sizeof buf, "%.4f h", hours);
        return buf;
    }
};

double parseHours(const std::string& field) {
    return field == "none" ? -1.0 : std::stod(field);
}

TEST(TruthRiseSet, SunAndMoonAtHanoiEveryDayOfTheSampleYears) {
    std::vector<Row> rows = readTruth("rise_set/hanoi.csv");
    ASSERT_EQ(rows.size(), 4u * 365u + 366u) << "rise_set/hanoi.csv is missing or short";
    EventCheck events[4] = {{"sunrise", kSunRiseSetToleranceMinutes, {}},
                            {"sunset", kSunRiseSetToleranceMinutes, {}},
                            {"moonrise", kMoonRiseSetToleranceMinutes, {}},
                            {"moonset", kMoonRiseSetToleranceMinutes, {}}};
    for (const Row& row : rows) {
        ASSERT_EQ(row.size(), 5u) << row[0];
        int year = std::stoi(row[0].substr(0, 4));
        int month = std::stoi(row[0].substr(5, 2));
        int day = std::stoi(row[0].substr(8, 2));
        for (int body = 1; body <= 2; ++body) {
            double rise = -2.0;
            double set = -2.0;
            GetRiseSet(day, month, year, kHanoiLatitude, kHanoiLongitude, static_cast<int>(kZone),
                       body, &rise, &set);
            int first = (body - 1) * 2;
            events[first].check(row[0], parseHours(row[1 + first]), rise);
            events[first + 1].check(row[0], parseHours(row[2 + first]), set);
        }
    }
    for (const EventCheck& e : events) {
        e.largest.print(e.name, e.tolerance);
        std::printf("[truth] %-16s %d day(s) with the event on the other side of midnight\n",
                    e.name, e.excusedNearMidnight);
    }
}

} // namespace
