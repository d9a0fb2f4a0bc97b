// Date line and cyclic-name line of the reading.
#include "suite/almanac/DayLines.h"

#include "suite/text/TextFormat.h"

namespace almanac {
namespace {

int Mod(int a, int n) {
    return ((a % n) + n) % n;
}

} // namespace

std::u16string SexagenaryName(int index) {
    return Format(u"%s %s", {Slot(g_sCan[Mod(index, 10)]), Slot(g_sChi[Mod(index, 12)])});
}

std::u16string DateLine(const LICHVELMORA& rec) {
    const bool full = rec.nSoNgayThangAm == 30;
    const char16_t* pattern =
        rec.bNhuan ? (full ? u"(%d/%dn đ)" : u"(%d/%dn t)") : (full ? u"(%d/%d đ)" : u"(%d/%d t)");
    const std::u16string lunar = Format(pattern, {rec.nNgayAm, rec.nThangAm});
    return Format(u"%s, ngày %d tháng %d năm %d %s",
                  {Slot(g_sThu[Mod(rec.nThu, 7)]), rec.nNgay, rec.nThang, rec.nNam, lunar});
}

std::u16string CycleLine(const LICHVELMORA& rec) {
    const auto name = [](int i) {
        return std::pair{Slot(g_sCan[Mod(i, 10)]), Slot(g_sChi[Mod(i, 12)])};
    };
    const auto [ds, db] = name(rec.nCanChiNgay);
    const auto [ms, mb] = name(rec.nCanChiThang);
    const auto [ys, yb] = name(rec.nCanChiNam);
    return Format(u"Ngày %s %s tháng %s %s năm %s %s Sao %s trực %s",
                  {ds, db, ms, mb, ys, yb, Slot(g_s28[Mod(rec.nSao28, 28)]),
                   Slot(g_sTruc[Mod(rec.nTruc, 12)])});
}

} // namespace almanac
