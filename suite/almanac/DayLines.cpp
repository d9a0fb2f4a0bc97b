// Date line and cyclic-name line of the reading.
#include "suite/almanac/DayLines.h"
#include "VelmoraDay.h"

#include "suite/text/TextFormat.h"

namespace velmora::almanac {

using namespace velmora::text;
namespace {

int mod(int a, int n) {
    return ((a % n) + n) % n;
}

} // namespace

std::u16string dateLine(const LICHVELMORA& rec) {
    const bool full = rec.nSoNgayThangAm == 30;
    const char16_t* pattern =
        rec.bNhuan ? (full ? u"(%d/%dn đ)" : u"(%d/%dn t)") : (full ? u"(%d/%d đ)" : u"(%d/%d t)");
    const std::u16string lunar = format(pattern, {rec.nNgayAm, rec.nThangAm});
    return format(u"%s, ngày %d tháng %d năm %d %s",
                  {slotText(g_sThu[mod(rec.nThu, 7)]), rec.nNgay, rec.nThang, rec.nNam, lunar});
}

std::u16string cycleLine(const LICHVELMORA& rec) {
    const auto name = [](int i) {
        return std::pair{slotText(g_sCan[mod(i, 10)]), slotText(g_sChi[mod(i, 12)])};
    };
    const auto [ds, db] = name(rec.nCanChiNgay);
    const auto [ms, mb] = name(rec.nCanChiThang);
    const auto [ys, yb] = name(rec.nCanChiNam);
    return format(u"Ngày %s %s tháng %s %s năm %s %s Sao %s trực %s",
                  {ds, db, ms, mb, ys, yb, slotText(g_s28[mod(rec.nSao28, 28)]),
                   slotText(g_sTruc[mod(rec.nTruc, 12)])});
}

} // namespace velmora::almanac
