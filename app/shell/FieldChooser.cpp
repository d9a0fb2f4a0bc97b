// The lists the day page offers for each field, and what a choice changes.
#include "app/shell/FieldChooser.h"
#include "VelmoraDay.h"

#include "app/shell/DayTexts.h"
#include "app/shell/LunarMonthList.h"

#include <algorithm>
#include <cmath>

namespace velmora::app {

namespace {

QString sThu(int i) {
    return QString::fromUtf16(g_sThu[((i % 7) + 7) % 7]);
}

// Lists of years run from `before` years before `centre` to `after` years after it, cut to the
// supported years.
int firstListedYear(int centre, int before) {
    return std::max(velmora::kFirstSupportedYear, centre - before);
}
int lastListedYear(int centre, int after) {
    return std::min(velmora::kLastSupportedYear, centre + after);
}

} // namespace

ChooserList chooserList(int field, const LICHVELMORA& d) {
    ChooserList list;
    switch (field) {
    case FieldSolarMonth:
        for (int m = 1; m <= 12; ++m) list.entries << QStringLiteral("Tháng %1").arg(m);
        list.initial = d.nThang - 1;
        break;
    case FieldSolarYear:
        for (int y = firstListedYear(d.nNam, 50); y <= lastListedYear(d.nNam, 49); ++y)
            list.entries << QStringLiteral("Năm %1").arg(y);
        list.initial = d.nNam - firstListedYear(d.nNam, 50);
        break;
    case FieldSolarDay:
        for (int day = 1; day <= d.nSoNgay; ++day)
            list.entries << QStringLiteral("%1 - %2").arg(day).arg(
                sThu(d.nThu - d.nNgay + day + 35));
        list.initial = d.nNgay - 1;
        break;
    case FieldMinorTerm:
        for (int i = 0; i < 12; ++i)
            list.entries << QString::fromUtf16(g_sTietKhi[i]) + QStringLiteral(":  ") +
                                termTime(d.dTietKhi[i + 1]);
        list.initial = d.nThang - 1;
        break;
    case FieldMajorTerm:
        for (int i = 0; i < 12; ++i)
            list.entries << QString::fromUtf16(g_sTrungKhi[i]) + QStringLiteral(": ") +
                                termTime(d.dTrungKhi[i + 1]);
        list.initial = d.nThang - 1;
        break;
    case FieldLunarMonth: {
        const LunarYearMonths months = lunarYearMonths(d);
        for (int k = months.first; k <= months.last; ++k) list.entries << lunarMonthEntry(d, k);
        list.initial = d.nChiSoThang - months.first;
        break;
    }
    case FieldLunarDay:
        for (int day = 1; day <= d.nSoNgayThangAm; ++day)
            list.entries << QStringLiteral("%1 - ").arg(day) +
                                canChiText(d.nCanChiNgay - d.nNgayAm + day + 60);
        list.initial = d.nNgayAm - 1;
        break;
    case FieldYearPillar: { // lunar years, centred on the day's own
        const int lunarYear = velmora::lunarYearOf(d);
        for (int y = firstListedYear(lunarYear, 30); y <= lastListedYear(lunarYear, 29); ++y)
            list.entries << canChiText(velmora::yearCanChiIndex(y)) +
                                QStringLiteral(" (%1)").arg(y);
        list.initial = lunarYear - firstListedYear(lunarYear, 30);
        break;
    }
    case FieldHourPillar:
    case FieldClockTime:
        for (int i = 0; i < 12; ++i)
            list.entries << QStringLiteral("Giờ ") + canChiText(12 * (d.nCanChiGio / 12) + i);
        list.initial = d.nCanChiGio % 12;
        break;
    default: // the title and the day officer have no values to pick
        break;
    }
    if (list.initial >= list.entries.size()) list.initial = list.entries.isEmpty() ? -1 : 0;
    return list;
}

bool applyFieldChoice(int field, int n, LICHVELMORA& d) {
    if (n < 0) return false;
    uint32_t flags = 0;
    switch (field) {
    case FieldSolarMonth:
        d.nThang = n + 1;
        flags = DAD_DUONG | DAD_THANG;
        break;
    case FieldSolarYear:
        d.nNam = firstListedYear(d.nNam, 50) + n;
        flags = DAD_DUONG | DAD_NAM;
        break;
    case FieldSolarDay:
        d.nNgay = n + 1;
        flags = DAD_DUONG | DAD_NGAY;
        break;
    // A term's day is the local day it falls on, also when it falls before noon.
    case FieldMinorTerm:
        d.nJD = velmora::localDayNumber(d.dTietKhi[n + 1]);
        flags = DAD_JD | DAD_DUONG;
        break;
    case FieldMajorTerm:
        d.nJD = velmora::localDayNumber(d.dTrungKhi[n + 1]);
        flags = DAD_JD | DAD_DUONG;
        break;
    case FieldLunarMonth:
        d.nChiSoThang = n + lunarYearMonths(d).first;
        flags = DAD_THANG;
        break;
    case FieldLunarDay:
        d.nNgayAm = n + 1;
        flags = DAD_NGAY;
        break;
    case FieldYearPillar:
        moveToLunarYear(d, firstListedYear(velmora::lunarYearOf(d), 30) + n);
        return true;
    case FieldHourPillar:
    case FieldClockTime:
        d.nGio = 2 * n;
        flags = DAD_DUONG | DAD_GIO;
        break;
    default:
        return false;
    }
    DoiAmDuong(&d, flags);
    return true;
}

} // namespace velmora::app
