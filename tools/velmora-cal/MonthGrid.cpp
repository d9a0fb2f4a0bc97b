// A solar month as a grid, Monday first, each day with its lunar day.
#include "tools/velmora-cal/MonthGrid.h"

#include "tools/velmora-cal/DayReport.h"
#include "tools/velmora-cal/Text.h"

namespace velmora::cal {

std::string monthGrid(int year, int month) {
    LICHVELMORA rec = convertDay(year, month, 1, 12, 0);
    std::string out = format("Tháng %d năm %d\n", month, year);
    out += "T2       T3       T4       T5       T6       T7       CN\n";
    std::string line(static_cast<size_t>(rec.nThu) * 9, ' ');
    for (int day = 1; day <= rec.nSoNgay; ++day) {
        if (day > 1) {
            rec.nNgay = day;
            DoiAmDuong(&rec, DAD_DUONG | DAD_NGAY);
        }
        // The first day of a lunar month shows the month too ("1/5", "1/5n" for a leap).
        const std::string lunar =
            rec.nNgayAm == 1 ? format("%d/%d%s", rec.nNgayAm, rec.nThangAm, rec.bNhuan ? "n" : "")
                             : format("%d", rec.nNgayAm);
        line += format("%2d %-6s", day, lunar.c_str());
        if (rec.nThu == 6) {
            while (!line.empty() && line.back() == ' ') line.pop_back();
            out += line + "\n";
            line.clear();
        }
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    if (!line.empty()) out += line + "\n";
    return out;
}

} // namespace velmora::cal
