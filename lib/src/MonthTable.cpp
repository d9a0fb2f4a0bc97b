// The year's solar-term tables and the month table of new moons with their month numbers.
#include "VelmoraDay.h"
#include "lib/src/Astro.h"
#include "lib/src/Calendar.h"

#include <cmath>

namespace velmora::calendar {

using namespace velmora::astro;

void BuildSolarTerms(LICHVELMORA& rec) {
    const int year = rec.nNam;
    const double zone = rec.dMuiGio / 24.0;
    for (double& d : rec.dTietKhi) d = 0.0;
    for (double& d : rec.dTrungKhi) d = 0.0;
    rec.dTietKhi[0] = NextTermCrossing(JD(1, 12, year - 1, 0.0), 15) + zone;
    rec.dTrungKhi[0] = NextTermCrossing(rec.dTietKhi[0] + 7, 15) + zone;
    for (int i = 1; i < 14; ++i) {
        rec.dTietKhi[i] = NextTermCrossing(rec.dTrungKhi[i - 1] + 7, 15) + zone;
        rec.dTrungKhi[i] = NextTermCrossing(rec.dTietKhi[i] + 7, 15) + zone;
    }
}

namespace {

// The first `count` major terms of a table year (local Julian dates): Z0 is the
// winter solstice of year - 1, Z12 that of the year.
void majorTerms(int year, double tz, double* z, int count) {
    const double zone = tz / 24.0;
    z[0] = NextTermCrossing(JD(15, 12, year - 1, 0.0), 15) + zone;
    for (int i = 1; i < count; ++i) z[i] = NextTermCrossing(z[i - 1] + 15, 30) + zone;
}

// New moons as a table year's scan meets them: the scan starts on 1 January of
// year - 1 and steps 29 days, and each lunation keeps the value of the first step
// that selects it (the correction for the Earth's rotation depends on that step).
// Values are kept, since the table asks for some lunations more than once.
class LunationScan {
  public:
    LunationScan(int year, double tz) : x0_(JD(1, 1, year - 1, 0.0)), tz_(tz) {}

    double at(long k) {
        if (base_ == kNone) base_ = k - 4;
        const long slot = k - base_;
        if (slot < 0 || slot >= kSlots) return NewMoonLocal(stepSelecting(k), tz_);
        if (!known_[slot]) {
            values_[slot] = NewMoonLocal(stepSelecting(k), tz_);
            known_[slot] = true;
        }
        return values_[slot];
    }

    // Lunation of month 11: its first day is on or before the solstice's day and the
    // next month begins after it.
    long monthElevenOf(double solstice) {
        const int solsticeDay = velmora::localDayNumber(solstice);
        long k = static_cast<long>(std::floor((solstice - 2451550.09765) / kSynodicMonth)) - 1;
        while (velmora::localDayNumber(at(k + 1)) <= solsticeDay) ++k;
        return k;
    }

  private:
    static constexpr long kNone = -1000000;
    static constexpr int kSlots = 24;

    static long lunationOf(double x) {
        return static_cast<long>(std::floor((x - kJ2000) / kSynodicMonth));
    }

    double stepSelecting(long k) const {
        long j = static_cast<long>(std::ceil((kJ2000 + k * kSynodicMonth - x0_) / 29.0));
        if (j < 0) j = 0;
        while (j > 0 && lunationOf(x0_ + 29.0 * (j - 1)) >= k) --j;
        while (lunationOf(x0_ + 29.0 * j) < k) ++j;
        return x0_ + 29.0 * j;
    }

    double x0_;
    double tz_;
    long base_ = kNone;
    double values_[kSlots] = {};
    bool known_[kSlots] = {};
};

// Whether a major term's day falls on a day of the month [start, next).
bool holdsMajorTerm(double start, double next, const double* z, int count) {
    const int first = velmora::localDayNumber(start), after = velmora::localDayNumber(next);
    for (int j = 0; j < count; ++j) {
        const int d = velmora::localDayNumber(z[j]);
        if (first <= d && d < after) return true;
    }
    return false;
}

int monthNumber(int i, int leap) {
    if (leap == 0 || i < leap) return (i + 10) % 12 + 1;
    if (i == leap) return (i + 9) % 12 + 21;
    return (i + 9) % 12 + 1;
}

struct Table {
    long firstLunation;
    double soc[16];
    int thangSoc[16];
    int soSoc;
};

// The table by the official rule, judged by local days, before the entries of the
// next year's months are matched with the next table.
void buildOwnTable(int year, double tz, Table& t) {
    double z[13];
    majorTerms(year, tz, z, 13);
    LunationScan scan(year, tz);
    t.firstLunation = scan.monthElevenOf(z[0]);
    for (int i = 0; i < 16; ++i) t.soc[i] = scan.at(t.firstLunation + i);

    const int lastDay = velmora::localDayNumber(z[12]);
    t.soSoc = 0;
    for (double s : t.soc)
        if (velmora::localDayNumber(s) <= lastDay) ++t.soSoc;

    int leap = 0;
    if (t.soSoc >= 14) {
        for (int k = 1; k < t.soSoc - 1 && leap == 0; ++k)
            if (!holdsMajorTerm(t.soc[k], t.soc[k + 1], z, 13)) leap = k;
    }
    for (int i = 0; i < 16; ++i) t.thangSoc[i] = monthNumber(i, leap);
}

// Whether the table of `year` has its leap month among its first three months
// after month 11 (a leap 11, 12 or 1), which is what makes the previous table's
// last entries need the next table's month numbers.
bool leapSoonAfterMonthEleven(int year, double tz) {
    double z[5];
    majorTerms(year, tz, z, 5);
    LunationScan scan(year, tz);
    const long first = scan.monthElevenOf(z[0]);
    double n[5];
    for (int i = 0; i < 5; ++i) n[i] = scan.at(first + i);
    for (int k = 1; k <= 3; ++k)
        if (!holdsMajorTerm(n[k], n[k + 1], z, 5)) return true;
    return false;
}

// Gives the entries from month 11 of the table's year on the numbers that the next
// year's table gives the same lunations (a leap month 11 or 12 can only be seen from
// there).
void takeNextYearsNumbers(Table& own, const Table& next) {
    for (int i = own.soSoc - 1; i < 16; ++i) {
        const long j = own.firstLunation + i - next.firstLunation;
        if (j >= 0 && j < 16) own.thangSoc[i] = next.thangSoc[j];
    }
}

void store(const Table& t, LICHVELMORA& rec) {
    for (int i = 0; i < 16; ++i) {
        rec.dSoc[i] = t.soc[i];
        rec.nThangSoc[i] = t.thangSoc[i];
    }
    rec.nSoSoc = t.soSoc;
}

// The table of `year`; `next`, when given, is the table of year + 1 as built here.
Table buildTable(int year, double tz, const Table* next) {
    Table own;
    buildOwnTable(year, tz, own);
    if (next != nullptr) {
        takeNextYearsNumbers(own, *next);
    } else if (leapSoonAfterMonthEleven(year + 1, tz)) {
        Table following;
        buildOwnTable(year + 1, tz, following);
        takeNextYearsNumbers(own, following);
    }
    return own;
}

} // namespace

void BuildMonthTable(LICHVELMORA& rec, int year) {
    store(buildTable(year, rec.dMuiGio, nullptr), rec);
}

void buildMonthTableForDay(LICHVELMORA& rec, int year) {
    const Table current = buildTable(year, rec.dMuiGio, nullptr);
    int tet = -1;
    for (int i = 1; i < 16 && tet < 0; ++i)
        if (current.thangSoc[i] == 1) tet = i;
    if (tet < 0 || rec.nJD >= velmora::localDayNumber(current.soc[tet])) {
        store(current, rec);
        return;
    }
    // A day before lunar new year reads the previous year's table, whose last
    // entries take their numbers from the table just built.
    store(buildTable(year - 1, rec.dMuiGio, &current), rec);
}

int tableYearOf(const LICHVELMORA& rec) {
    if ((rec.nSoSoc != 13 && rec.nSoSoc != 14) || !(rec.dSoc[0] > 0.0)) return 0;
    // Month 11 of the year before the table's year begins in November or December.
    const SYSTEMTIME start = JD2ST(rec.dSoc[0], 0.0);
    return start.wMonth >= 11 ? start.wYear + 1 : 0;
}

int monthOneIndex(const LICHVELMORA& rec, int from) {
    for (int i = from < 1 ? 1 : from; i < 16; ++i)
        if (rec.nThangSoc[i] == 1) return i;
    return -1;
}

} // namespace velmora::calendar
