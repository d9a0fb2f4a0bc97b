// Sexagenary names of hour, day, month and year, the mansion, the day officer and the hour spirits.
#include "VelmoraDay.h"
#include "lib/src/Astro.h"
#include "lib/src/Calendar.h"

namespace velmora::calendar {

namespace {

int positiveMod(int a, int n) {
    const int r = a % n;
    return r < 0 ? r + n : r;
}

} // namespace

void ComputeCyclicValues(LICHVELMORA& rec) {
    rec.nCanChiNgay = positiveMod(rec.nJD - 11, 60);
    const int dayBranch = rec.nCanChiNgay % 12;

    // Lunar months 11 and 12 that fall in January or February belong to the
    // previous lunar year.
    rec.nCanChiNam = positiveMod(rec.nNam + (rec.nThang <= 2 && rec.nThangAm > 10 ? 55 : 56), 60);

    // The year and month pillars change on the local day of their solar term,
    // whether the term falls before or after local noon.
    const bool beforeLapXuan = rec.nJD < velmora::localDayNumber(rec.dTietKhi[2]);
    rec.nCanChiNamTiet = positiveMod(rec.nNam + (beforeLapXuan ? 55 : 56), 60);
    rec.nSao28 = positiveMod(rec.nJD + 11, 28);
    rec.nCanChiThang = positiveMod(12 * rec.nCanChiNam + rec.nThangAm + 1, 60);

    const int m = rec.nThang >= 1 && rec.nThang <= 12 ? rec.nThang : 1;
    const int yearPillar = rec.nCanChiNamTiet;
    if (rec.nJD >= velmora::localDayNumber(rec.dTietKhi[m])) {
        rec.nTruc = positiveMod(dayBranch - m + 12, 12);
        rec.nCanChiThangTiet =
            positiveMod(beforeLapXuan ? 12 * (yearPillar + 1) + m : 12 * yearPillar + m, 60);
    } else {
        rec.nTruc = positiveMod(dayBranch - m + 13, 12);
        rec.nCanChiThangTiet =
            positiveMod(beforeLapXuan ? 12 * yearPillar + m + 71 : 12 * yearPillar + m + 59, 60);
    }

    // 23:00-00:59 is the hour Tý; its stem follows the civil day, also at 23:00.
    const int hourBranch = positiveMod(rec.nGio + 1, 24) / 2;
    rec.nCanChiGio = positiveMod(hourBranch + 12 * rec.nCanChiNgay, 60);
    rec.nHoangDaoGio = positiveMod(hourBranch + 28 - 2 * dayBranch, 12);
    rec.nLucNhamGio = positiveMod(rec.nThangAm + rec.nNgayAm + hourBranch - 2, 6);
}

} // namespace velmora::calendar
