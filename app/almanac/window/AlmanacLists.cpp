// The almanac's field lists: entries, placement and applying a pick.
#include "AlmanacLists.h"

#include "LunarMonthList.h"

#include <algorithm>

namespace velmora::app {

using velmora::screen::ScaleX;
using velmora::screen::ScaleY;

ChooserList almanacList(int field, const LICHVELMORA& d) {
    ChooserList list;
    switch (field) {
    case AlmanacMonthLabel:
        for (int m = 1; m <= 12; ++m) list.entries << QStringLiteral("Tháng %1").arg(m);
        list.initial = d.nThang - 1;
        break;
    case AlmanacYearLabel:
        for (int y = d.nNam - 50; y <= d.nNam + 49; ++y)
            list.entries << QStringLiteral("Năm %1").arg(y);
        list.initial = 50;
        break;
    case AlmanacLunarDayBox:
        for (int day = 1; day <= d.nSoNgayThangAm; ++day)
            list.entries << QStringLiteral("%1 - ").arg(day) +
                                canChiName(d.nCanChiNgay - d.nNgayAm + day + 60);
        list.initial = d.nNgayAm - 1;
        break;
    case AlmanacLunarMonthBox: {
        // The year's months are found by their numbers: the table's month 1 is not always entry 2.
        const LunarYearMonths months = lunarYearMonths(d);
        for (int k = months.first; k <= months.last; ++k) list.entries << lunarMonthEntry(d, k);
        list.initial = d.nChiSoThang - months.first;
        break;
    }
    case AlmanacLunarYearBox:
        for (int y = d.nNam - 30; y <= d.nNam + 29; ++y)
            list.entries << canChiName(y + 56) + QStringLiteral(" (%1)").arg(y);
        list.initial = 30;
        break;
    default:
        break;
    }
    if (list.initial < 0 || list.initial >= list.entries.size())
        list.initial = list.entries.isEmpty() ? -1 : 0;
    return list;
}

uint32_t almanacListFlags(int field) {
    switch (field) {
    case AlmanacMonthLabel:
        return DAD_DUONG | DAD_THANG;
    case AlmanacYearLabel:
    case AlmanacLunarYearBox:
        return DAD_DUONG | DAD_NAM;
    case AlmanacLunarDayBox:
        return DAD_NGAY;
    case AlmanacLunarMonthBox:
        return DAD_THANG;
    default:
        return 0;
    }
}

bool applyAlmanacList(int field, int n, CurrentDay& day) {
    const uint32_t flags = almanacListFlags(field);
    if (n < 0 || flags == 0) return false;
    LICHVELMORA& d = day.record;
    switch (field) {
    case AlmanacMonthLabel:
        if (n > 11) return false;
        d.nThang = n + 1;
        break;
    case AlmanacYearLabel:
        if (n > 99) return false;
        d.nNam = d.nNam + n - 50;
        break;
    case AlmanacLunarDayBox:
        if (n >= d.nSoNgayThangAm) return false;
        d.nNgayAm = n + 1;
        break;
    case AlmanacLunarMonthBox: {
        const LunarYearMonths months = lunarYearMonths(d);
        if (n >= months.count()) return false;
        d.nChiSoThang = n + months.first;
        break;
    }
    case AlmanacLunarYearBox:
        if (n > 59) return false;
        d.nNam = d.nNam + n - 30;
        break;
    }
    // A pick means the user chose a day: the day page stops following the clock.
    day.followClock = false;
    DoiAmDuong(&d, flags);
    return true;
}

QRect almanacListRect(int field, ScreenOrientation orientation, QSize client) {
    const QRect box = almanacFieldRect(field, orientation);
    const bool wide = field == AlmanacLunarDayBox || field == AlmanacLunarMonthBox ||
                      field == AlmanacLunarYearBox;
    const int width = box.width() + (wide ? ScaleX(40) : 0);
    const int height = orientation == velmora::screen::Landscape ? ScaleY(112) : ScaleY(140);
    int left = box.left(), top = box.top();
    if (left + width > client.width()) left = client.width() - width;
    if (top + height > client.height()) top = client.height() - height;
    return QRect(std::max(0, left), std::max(0, top), width, height);
}

} // namespace velmora::app
