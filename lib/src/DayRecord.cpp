// DoiAmDuong: converting the day record between the solar and the lunar calendar.
#include "VelmoraDay.h"
#include "lib/src/AcceptedInputs.h"
#include "lib/src/Astro.h"
#include "lib/src/Calendar.h"

#include <cmath>

using namespace velmora::calendar;

namespace {

// Takes the solar date of the record's nJD, adding the flags of what changed.
uint32_t adoptDateOfDayNumber(LICHVELMORA& rec, uint32_t flags) {
    const SYSTEMTIME st = JD2ST(rec.nJD - 0.5, 0.0);
    if (st.wYear != rec.nNam) {
        rec.nNam = st.wYear;
        flags |= DAD_NAM;
    }
    if (st.wMonth != rec.nThang) {
        rec.nThang = st.wMonth;
        flags |= DAD_THANG;
    }
    if (st.wDay != rec.nNgay) {
        rec.nNgay = st.wDay;
        flags |= DAD_NGAY;
    }
    return flags;
}

// Leaves in the record the month table that holds its day: the table of nNam, or
// of the year before for a day before lunar new year. A table already in the
// record is kept when it is the right one, unless the call starts afresh.
void ensureMonthTable(LICHVELMORA& rec, bool fresh) {
    const int year = rec.nNam;
    const int held = fresh ? 0 : tableYearOf(rec);
    if (held == year - 1) {
        const int tet = monthOneIndex(rec, rec.nSoSoc);
        if (tet >= 0 && rec.nJD < velmora::localDayNumber(rec.dSoc[tet])) return;
    } else if (held == year) {
        const int tet = monthOneIndex(rec, 1);
        if (tet < 0 || rec.nJD >= velmora::localDayNumber(rec.dSoc[tet])) return;
        BuildMonthTable(rec, year - 1);
        return;
    }
    buildMonthTableForDay(rec, year);
}

void solarToLunar(LICHVELMORA& rec, uint32_t flags) {
    if (flags & DAD_NAM) BuildSolarTerms(rec);
    ensureMonthTable(rec, (flags & DAD_ALL) == DAD_ALL);

    rec.nThu = rec.nJD % 7;
    rec.nSoNgay = SoNgayCuaThang(rec.nThang, rec.nNam);

    int k = 0;
    for (int i = 15; i >= 1; --i) {
        if (rec.nJD >= velmora::localDayNumber(rec.dSoc[i])) {
            k = i;
            break;
        }
    }
    rec.nChiSoThang = k;
    const int label = rec.nThangSoc[k];
    rec.bNhuan = label > 20 ? 1 : 0;
    rec.nThangAm = label > 20 ? label - 20 : label;
    // Every day of the table's years lies in months 0..14, whose ends are in the table.
    rec.nSoNgayThangAm =
        k < 15 ? velmora::localDayNumber(rec.dSoc[k + 1]) - velmora::localDayNumber(rec.dSoc[k])
               : 30;
    rec.nNgayAm = rec.nJD - velmora::localDayNumber(rec.dSoc[k]) + 1;
}

} // namespace

void DoiAmDuong(LICHVELMORA* rec, uint32_t flags) {
    if (rec == nullptr || flags == 0) return;
    // A record the library cannot compute with is left as it is.
    if (!velmora::inputs::acceptedRecord(*rec, flags)) return;

    if (flags & DAD_JD) {
        flags = adoptDateOfDayNumber(*rec, flags | DAD_DUONG);
    } else if (flags & DAD_DUONG) {
        if ((flags & (DAD_NAM | DAD_THANG | DAD_NGAY)) &&
            rec->nNgay > SoNgayCuaThang(rec->nThang, rec->nNam))
            rec->nNgay = SoNgayCuaThang(rec->nThang, rec->nNam);
        rec->nJD = static_cast<int32_t>(std::trunc(JD(rec->nNgay, rec->nThang, rec->nNam, 12.0)));
    } else {
        // A lunar date: its day number comes from the month table in the record;
        // from there on the record ends as a solar conversion of that day leaves it
        // (its own year's tables, its own month), so nothing stale survives.
        const int k = rec->nChiSoThang < 0 ? 0 : (rec->nChiSoThang > 15 ? 15 : rec->nChiSoThang);
        rec->nJD = velmora::localDayNumber(rec->dSoc[k]) + rec->nNgayAm - 1;
        flags = adoptDateOfDayNumber(*rec, flags | DAD_DUONG);
    }

    solarToLunar(*rec, flags);

    if (flags & (DAD_NAM | DAD_THANG | DAD_NGAY | DAD_GIO)) ComputeCyclicValues(*rec);
}
