// The months of the lunar year held in a day record's month table.
#include "app/shell/LunarMonthList.h"
#include "VelmoraDay.h"

#include <algorithm>
#include <cmath>

namespace velmora::app {

LunarYearMonths lunarYearMonths(const LICHVELMORA& rec) {
    LunarYearMonths m;
    for (int k = 1; k < 15; ++k) {
        if (rec.nThangSoc[k] == 1) {
            m.first = k;
            break;
        }
    }
    m.last = m.first;
    // Entry 15 has no end in the table, so a month is listed only up to entry 14.
    while (m.last + 1 <= 14 && rec.nThangSoc[m.last + 1] != 1) ++m.last;
    return m;
}

void moveToLunarYear(LICHVELMORA& rec, int lunarYear) {
    // Every day of July lies in the lunar year of its solar year, whose months its table holds.
    LICHVELMORA target =
        velmora::freshDay(1, 7, lunarYear, rec.nGio, rec.nPhut, rec.nGiay, rec.dMuiGio);
    const LunarYearMonths months = lunarYearMonths(target);
    const int wanted = rec.bNhuan ? 20 + rec.nThangAm : rec.nThangAm;
    int k = -1;
    for (int i = months.first; i <= months.last && k < 0; ++i)
        if (target.nThangSoc[i] == wanted) k = i;
    for (int i = months.first; i <= months.last && k < 0; ++i)
        if (target.nThangSoc[i] == rec.nThangAm) k = i;
    if (k < 0) return; // not a month of the table: nothing to move to
    target.nChiSoThang = k;
    target.nNgayAm = std::min(rec.nNgayAm, velmora::lunarMonthLength(target, k));
    DoiAmDuong(&target, DAD_THANG);
    rec = target;
}

QString lunarMonthEntry(const LICHVELMORA& rec, int k) {
    const int label = rec.nThangSoc[k];
    const QString month = label < 21 ? QStringLiteral("Tháng %1").arg(label)
                                     : QStringLiteral("Tháng %1 n").arg(label - 20);
    return month + (k >= 0 && k < 15 && velmora::lunarMonthLength(rec, k) > 29
                        ? QStringLiteral(" (đ)")
                        : QStringLiteral(" (t)"));
}

QString lunarMonthLabel(const LICHVELMORA& rec) {
    const bool full = rec.nSoNgayThangAm == 30;
    if (rec.bNhuan)
        return full ? QStringLiteral("Tháng %1n (đ)").arg(rec.nThangAm)
                    : QStringLiteral("Tháng %1n(t)").arg(rec.nThangAm);
    return full ? QStringLiteral("Tháng %1 (đ)").arg(rec.nThangAm)
                : QStringLiteral("Tháng %1 (t)").arg(rec.nThangAm);
}

QString canChiText(int index) {
    return QString::fromStdU16String(velmora::canChiName(index));
}

} // namespace velmora::app
