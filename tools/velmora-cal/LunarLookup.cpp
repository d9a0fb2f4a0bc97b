// Finding the solar date of a lunar date.
#include "tools/velmora-cal/LunarLookup.h"
#include "VelmoraDay.h"

#include "tools/velmora-cal/DayReport.h"
#include "tools/velmora-cal/Text.h"

#include <cmath>

namespace velmora::cal {

namespace {

// A record holding the month table of lunar year `year`: 1 June always lies after
// lunar new year, so its conversion reads that year's table.
LICHVELMORA recordWithTableOf(int year) {
    return convertDay(year, 6, 1, 12, 0);
}

// Index of the table's own month 1 (entry 2, or 3 after a leap month 11 or 12).
int monthOneIndexOf(const LICHVELMORA& rec) {
    for (int k = 1; k < 16; ++k)
        if (rec.nThangSoc[k] == 1) return k;
    return 2;
}

} // namespace

LunarLookup solarOfLunar(int day, int month, int year, bool leap) {
    LunarLookup result;
    LICHVELMORA rec = recordWithTableOf(year);

    // The months of the lunar year run from its month 1 up to the next month 1.
    const int first = monthOneIndexOf(rec);
    const int label = leap ? 20 + month : month;
    int index = -1;
    for (int k = first; k < 15; ++k) {
        if (k > first && rec.nThangSoc[k] == 1) break;
        if (rec.nThangSoc[k] == label) {
            index = k;
            break;
        }
    }
    if (index < 0) {
        result.error = leap ? format("Năm âm lịch %d không có tháng %d nhuận", year, month)
                            : format("Năm âm lịch %d không có tháng %d", year, month);
        return result;
    }
    const int length = velmora::lunarMonthLength(rec, index);
    if (day > length) {
        result.error = format("Tháng %d%s năm âm lịch %d chỉ có %d ngày (tháng thiếu)", month,
                              leap ? " nhuận" : "", year, length);
        return result;
    }
    rec.nChiSoThang = index;
    rec.nNgayAm = day;
    DoiAmDuong(&rec, DAD_NGAY);
    // One range rule for both directions: the solar day must lie in the supported years.
    if (!velmora::isSupportedYear(rec.nNam)) {
        result.error = format("Ngày âm lịch %d/%d%s/%d là ngày %02d/%02d/%04d dương lịch, nằm "
                              "ngoài khoảng %d–%d",
                              day, month, leap ? " nhuận" : "", year, rec.nNgay, rec.nThang,
                              rec.nNam, velmora::kFirstSupportedYear, velmora::kLastSupportedYear);
        return result;
    }
    result.found = true;
    result.day = rec;
    return result;
}

} // namespace velmora::cal
