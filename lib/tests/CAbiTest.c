/* The public header from C11: layouts, names and calls through the shared library. */
#include "VelmoraLib.h"

#include <stddef.h>
#include <stdio.h>
#include <string.h>

static int failures = 0;

#define CHECK(cond)                                                                                \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #cond);                     \
            ++failures;                                                                            \
        }                                                                                          \
    } while (0)

_Static_assert(sizeof(SYSTEMTIME) == 16, "SYSTEMTIME is eight 16-bit fields");
_Static_assert(offsetof(SYSTEMTIME, wDayOfWeek) == 4, "wDayOfWeek third");
_Static_assert(offsetof(SYSTEMTIME, wMilliseconds) == 14, "wMilliseconds last");
_Static_assert(offsetof(LICHVELMORA, nChiSoThang) == 64, "17 ints first");
_Static_assert(offsetof(LICHVELMORA, bNhuan) == 68, "one byte after them");
_Static_assert(offsetof(LICHVELMORA, nSoNgayThangAm) == 72, "aligned int after the byte");
_Static_assert(offsetof(LICHVELMORA, dTrungKhi) == 104, "tables start 8-aligned");
_Static_assert(offsetof(LICHVELMORA, dTietKhi) == 216, "");
_Static_assert(offsetof(LICHVELMORA, dSoc) == 328, "");
_Static_assert(offsetof(LICHVELMORA, nThangSoc) == 456, "");
_Static_assert(offsetof(LICHVELMORA, dMuiGio) == 520, "");
_Static_assert(sizeof(LICHVELMORA) == 528, "");
_Static_assert(sizeof(SUNMOONEARTH) == 27 * sizeof(double), "");
_Static_assert(offsetof(SUNMOONEARTH, dSunTransit) == 18 * sizeof(double), "");
_Static_assert(sizeof(NGUHANH) == 24 && offsetof(NGUHANH, crMau) == 20, "");
_Static_assert(sizeof(THIENCAN) == 32 && offsetof(THIENCAN, nHanh) == 28, "");
_Static_assert(sizeof(DIACHI) == 32 && sizeof(HOAGIAP) == 56, "");
_Static_assert(DAD_ALL == 0x7F && DAD_JD == 0x80 && DAD_DUONG == 0x40, "");

static int same16(const char16_t* a, const char16_t* b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}

int main(void) {
    LICHVELMORA rec;
    memset(&rec, 0, sizeof rec);
    rec.nNgay = 26;
    rec.nThang = 1;
    rec.nNam = 2009;
    rec.nGio = 10;
    rec.dMuiGio = 7.0;
    DoiAmDuong(&rec, DAD_ALL);
    CHECK(rec.nNgayAm == 1 && rec.nThangAm == 1 && rec.bNhuan == 0);
    CHECK(rec.nJD == 2454858 && rec.nCanChiNam == 25);

    rec.nNgay = 27;
    DoiAmDuong(&rec, DAD_DUONG | DAD_NGAY);
    CHECK(rec.nNgayAm == 2);

    CHECK(JD(1, 1, 2000, 12.0) == 2451545.0);
    SYSTEMTIME st = JD2ST(2451545.0, 0.0);
    CHECK(st.wYear == 2000 && st.wMonth == 1 && st.wDay == 1 && st.wHour == 12);
    CHECK(SoNgayCuaThang(2, 2000) == 29);
    CHECK(RoundDouble(-2.5, 0) == -3.0);

    char16_t t[6];
    d2stime(6.5, t);
    CHECK(same16(t, u"06:30"));
    CHECK(same16(g_sThu[6], u"Chủ nhật"));
    CHECK(same16(g_30HoaGiap[0].szTen, u"Hải Trung Kim"));
    CHECK(g_nguHanh[1].crMau == 0x009900);
    CHECK(NguHanhSinhKhac(0, 1) == 1);

    double rise = 0, set = 0;
    GetRiseSet(26, 1, 2009, 21.3, 105.85, 7, 1, &rise, &set);
    CHECK(rise > 6.0 && rise < 7.0 && set > 17.0 && set < 18.0);

    SUNMOONEARTH sm;
    memset(&sm, 0, sizeof sm);
    GetSunMoonData(st, 21.3, 105.85, 7, &sm);
    CHECK(sm.dSunDist > 0.98 && sm.dSunDist < 0.99);

    if (failures == 0) printf("C interface: all checks passed\n");
    return failures == 0 ? 0 : 1;
}
