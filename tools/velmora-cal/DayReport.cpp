// The day as text, for a terminal.
#include "tools/velmora-cal/DayReport.h"
#include "VelmoraDay.h"

#include "tools/velmora-cal/Text.h"

#include <cstring>

namespace velmora::cal {

LICHVELMORA convertDay(int year, int month, int day, int hour, int minute) {
    return velmora::freshDay(day, month, year, hour, minute, 0, kHomeZone);
}

std::string lunarMonthText(const LICHVELMORA& rec) {
    return format("tháng %d%s (%s, %d ngày)", rec.nThangAm, rec.bNhuan ? " nhuận" : "",
                  rec.nSoNgayThangAm == 30 ? "đủ" : "thiếu", rec.nSoNgayThangAm);
}

namespace {

std::string termLine(const char16_t* name, double localJd) {
    return utf8(name) + " " + localDateTime(localJd);
}

} // namespace

std::string dayReport(const LICHVELMORA& rec) {
    double sunRise, sunSet, moonRise, moonSet;
    GetRiseSet(rec.nNgay, rec.nThang, rec.nNam, kHomeLatitude, kHomeLongitude, kHomeZone, 1,
               &sunRise, &sunSet);
    GetRiseSet(rec.nNgay, rec.nThang, rec.nNam, kHomeLatitude, kHomeLongitude, kHomeZone, 2,
               &moonRise, &moonSet);

    std::string out;
    out += format("%s, %02d/%02d/%04d %02d:%02d\n", utf8(g_sThu[rec.nThu]).c_str(), rec.nNgay,
                  rec.nThang, rec.nNam, rec.nGio, rec.nPhut);
    out += format("Âm lịch: ngày %d %s, năm %s\n", rec.nNgayAm, lunarMonthText(rec).c_str(),
                  canChi(rec.nCanChiNam).c_str());
    out += format("Năm %s, tháng %s, ngày %s, giờ %s\n", canChi(rec.nCanChiNam).c_str(),
                  canChi(rec.nCanChiThang).c_str(), canChi(rec.nCanChiNgay).c_str(),
                  canChi(rec.nCanChiGio).c_str());
    out += format("Theo tiết khí: năm %s, tháng %s\n", canChi(rec.nCanChiNamTiet).c_str(),
                  canChi(rec.nCanChiThangTiet).c_str());
    out += "Tiết khí: " + termLine(g_sTietKhi[rec.nThang - 1], rec.dTietKhi[rec.nThang]) + "; " +
           termLine(g_sTrungKhi[rec.nThang - 1], rec.dTrungKhi[rec.nThang]) + "\n";
    out += format("Mặt trời (Hà Nội): mọc %s, lặn %s\n", clockTime(sunRise).c_str(),
                  clockTime(sunSet).c_str());
    out += format("Mặt trăng (Hà Nội): mọc %s, lặn %s\n", clockTime(moonRise).c_str(),
                  clockTime(moonSet).c_str());
    out += format("Sao %s, trực %s, giờ %s, %s\n", utf8(g_s28[rec.nSao28]).c_str(),
                  utf8(g_sTruc[rec.nTruc]).c_str(), utf8(g_sHoangDao[rec.nHoangDaoGio]).c_str(),
                  utf8(g_sLucNham[rec.nLucNhamGio]).c_str());
    return out;
}

std::string riseSetReport(int year, int month, int day, double latitude, double longitude,
                          int zone) {
    double sunRise, sunSet, moonRise, moonSet;
    GetRiseSet(day, month, year, latitude, longitude, zone, 1, &sunRise, &sunSet);
    GetRiseSet(day, month, year, latitude, longitude, zone, 2, &moonRise, &moonSet);
    std::string out = format("%02d/%02d/%04d, vĩ độ %g, kinh độ %g, múi giờ %+d\n", day, month,
                             year, latitude, longitude, zone);
    out +=
        format("Mặt trời: mọc %s, lặn %s\n", clockTime(sunRise).c_str(), clockTime(sunSet).c_str());
    out += format("Mặt trăng: mọc %s, lặn %s\n", clockTime(moonRise).c_str(),
                  clockTime(moonSet).c_str());
    return out;
}

} // namespace velmora::cal
