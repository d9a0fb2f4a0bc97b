/* VelmoraLib: the Vietnamese lunar calendar's computation library.
 *
 * Pure computation on caller memory: no global state is written, nothing is
 * allocated, nothing is locked, and the time zone is always an argument.
 * Texts are UTF-16 (char16_t), zero-terminated inside fixed-width slots.
 * Supported range: the years 1800 to 2199.
 *
 * Vocabulary:
 *   local Julian date  an astronomical Julian date plus zone/24, so that its
 *                      calendar day is the local one;
 *   day number d(x)    floor(x + 0.5) of a local Julian date x (the Julian day
 *                      number of the local day: JD at local noon);
 *   sexagenary index   0..59, 0 = Giáp Tý; stem = i % 10, branch = i % 12. */
#ifndef VELMORA_LIB_H
#define VELMORA_LIB_H

#include <stdint.h>
#ifdef __cplusplus
#include <cstddef>
#else
#include <stddef.h>
#include <uchar.h>
#endif

#if defined(__GNUC__)
#define VELMORA_API __attribute__((visibility("default")))
#else
#define VELMORA_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---------------------------------------------------------------- platform types */

#ifndef VELMORA_HAVE_SYSTEMTIME
#define VELMORA_HAVE_SYSTEMTIME
/* The handheld's calendar time: eight 16-bit fields in this order. */
typedef struct _SYSTEMTIME {
    uint16_t wYear;         /* e.g. 2009 */
    uint16_t wMonth;        /* 1..12 */
    uint16_t wDayOfWeek;    /* 0 = Sunday; JD2ST leaves it untouched */
    uint16_t wDay;          /* 1..31 */
    uint16_t wHour;         /* 0..23 */
    uint16_t wMinute;       /* 0..59 */
    uint16_t wSecond;       /* 0..59 */
    uint16_t wMilliseconds; /* 0..999 */
} SYSTEMTIME;
/* A colour as 0x00BBGGRR. */
typedef uint32_t COLORREF;
#endif

/* ---------------------------------------------------------------- the day record */

/* DoiAmDuong flags: which input changed.  Clients use exactly these
 * combinations: 0x7F fresh record or new current time; 0x50 after nThang;
 * 0x60 after nNam; 0x48 after nNgay; 0x44 after nGio; 0xC0 after nJD;
 * 0x08 after nNgayAm; 0x10 after nChiSoThang. */
#define DAD_JD 0x80    /* input is nJD (always with DAD_DUONG) */
#define DAD_DUONG 0x40 /* solar -> lunar; clear: lunar (nChiSoThang, nNgayAm) -> solar */
#define DAD_NAM 0x20   /* the solar year changed: solar-term tables rebuilt */
#define DAD_THANG 0x10 /* the month changed */
#define DAD_NGAY 0x08  /* the day changed */
#define DAD_GIO 0x04   /* the hour changed: cyclic values recomputed */
#define DAD_ALL 0x7F   /* full computation of a fresh record */

/* The day record.  The caller owns it, zeroes it, sets nGio, nPhut, nGiay,
 * nNgay, nThang, nNam and dMuiGio, calls DoiAmDuong(rec, DAD_ALL), and keeps
 * it: the year's tables stay in it and make the incremental flags cheap.
 * All integers are signed 32-bit; natural C alignment. */
typedef struct tagLICHVELMORA {
    int32_t nGio;             /* hour 0..23 (input) */
    int32_t nPhut;            /* minute, carried for the caller */
    int32_t nGiay;            /* second, carried for the caller */
    int32_t nNgay;            /* solar day of month 1..31 */
    int32_t nThang;           /* solar month 1..12 */
    int32_t nNam;             /* solar (Gregorian) year */
    int32_t nThu;             /* weekday: nJD % 7, 0 Monday .. 6 Sunday (g_sThu) */
    int32_t nSoNgay;          /* days of the solar month */
    int32_t nCanChiGio;       /* sexagenary index of the hour */
    int32_t nCanChiNgay;      /* sexagenary index of the day */
    int32_t nCanChiThang;     /* sexagenary index of the lunar month */
    int32_t nCanChiNam;       /* sexagenary index of the lunar year */
    int32_t nSao28;           /* lunar mansion 0..27 (g_s28) */
    int32_t nTruc;            /* day officer 0..11 (g_sTruc) */
    int32_t nNgayAm;          /* lunar day 1..30 */
    int32_t nThangAm;         /* lunar month 1..12; a leap month has the number it repeats */
    int32_t nChiSoThang;      /* index 0..15 into dSoc/nThangSoc of the day's month */
    uint8_t bNhuan;           /* 1 in a leap month */
    int32_t nSoNgayThangAm;   /* length of the lunar month, 29 or 30 */
    int32_t nHoangDaoGio;     /* spirit 0..11 of the hour (g_sHoangDao) */
    int32_t nLucNhamGio;      /* Lục Nhâm quality 0..5 of the hour (g_sLucNham) */
    int32_t nJD;              /* Julian day number of the day */
    int32_t nSoSoc;           /* month-table entries before the winter solstice: 13, or 14 */
    int32_t nCanChiThangTiet; /* sexagenary index of the solar-term month (month pillar) */
    int32_t nCanChiNamTiet;   /* sexagenary index of the year from "Lập xuân" (year pillar) */
    double dTrungKhi[14];     /* local JDs of the major terms: [0] "Đông chí" of nNam-1,
                                 [m] the one in solar month m (g_sTrungKhi[m-1]),
                                 [13] "Đại hàn" of nNam+1 */
    double dTietKhi[14];      /* local JDs of the minor terms: [0] "Đại tuyết" of nNam-1,
                                 [m] the one in solar month m (g_sTietKhi[m-1]),
                                 [13] "Tiểu hàn" of nNam+1 */
    double dSoc[16];          /* local JDs of 16 consecutive new moons; [0] opens lunar
                                 month 11 of the year before the table's year */
    int32_t nThangSoc[16];    /* month number of each: 1..12, or 20 + n for leap month n */
    double dMuiGio;           /* time zone, hours east of Greenwich (input) */
} LICHVELMORA;

/* The inputs DoiAmDuong accepts.  A record outside them is refused at once and
 * left exactly as it was (there is no error code; a caller that may hold such a
 * record checks it first):
 *   dMuiGio          finite, -14..14 hours;
 *   nGio             0..23;
 *   solar input      nNam VELMORA_FIRST_YEAR..VELMORA_LAST_YEAR, nThang 1..12,
 *                    nNgay 1..31 (a day past the month's end becomes its last);
 *   DAD_JD input     nJD a day of those years;
 *   lunar input      nNgayAm 1..30, and a month table filled by an earlier call.
 * Results are checked against the published calendar for 1800..2199 only. */
#define VELMORA_FIRST_YEAR 1
#define VELMORA_LAST_YEAR 9999
#define VELMORA_MAX_ZONE 14.0

/* Converts in the direction the flags select and fills the derived fields.
 * Flags 0, or a record outside the accepted inputs above, return at once. */
VELMORA_API void DoiAmDuong(LICHVELMORA* rec, uint32_t flags);

/* Julian date of a Gregorian date at `hour` (12.0 gives the day number, 0.0
 * midnight).  Proleptic Gregorian, no range check. */
VELMORA_API double JD(int day, int month, int year, double hour);

/* Calendar date and time of the instant jd shifted by timeZone hours.
 * wMilliseconds is 0; wDayOfWeek is left 0 by this copy (do not rely on it).
 * All zero for an instant outside the years 1..9999 or not a number. */
VELMORA_API SYSTEMTIME JD2ST(double jd, double timeZone);

/* Days in a Gregorian month; 30 for a month outside 1..12. */
VELMORA_API int SoNgayCuaThang(int month, int year);

/* x rounded to `digits` decimals, halves away from zero. */
VELMORA_API double RoundDouble(double x, int digits);

/* "%02d:%02d" for 0 < hours < 24 (never "24:00"), else "--:--".
 * `out` holds at least 6 characters. */
VELMORA_API void d2stime(double hours, char16_t* out);

/* ---------------------------------------------------------------- name tables */

VELMORA_API extern const char16_t g_sThu[7][10];       /* "Thứ hai" .. "Chủ nhật", by nThu */
VELMORA_API extern const char16_t g_SThu[7][10];       /* upper-case weekday names */
VELMORA_API extern const char16_t g_sCan[10][10];      /* the ten stems */
VELMORA_API extern const char16_t g_sChi[12][10];      /* the twelve branches */
VELMORA_API extern const char16_t g_sTruc[12][10];     /* day officers, signed +/- */
VELMORA_API extern const char16_t g_s28[28][10];       /* lunar mansions, signed +/- */
VELMORA_API extern const char16_t g_sTietKhi[12][12];  /* minor term of solar month m at m-1 */
VELMORA_API extern const char16_t g_sTrungKhi[12][12]; /* major term of solar month m at m-1 */
VELMORA_API extern const char16_t g_sBatQuai[8][8];    /* trigrams 0..7 */
VELMORA_API extern const char16_t g_sHoangDao[12][12]; /* hour spirits, signed +/- */
VELMORA_API extern const char16_t g_sLucNham[6][12];   /* Lục Nhâm qualities, signed +/- */

/* Element indices, in generating order: 0 Thủy, 1 Mộc, 2 Hỏa, 3 Thổ, 4 Kim. */
typedef struct tagNGUHANH {
    char16_t szTen[8]; /* element name */
    int32_t nCuc;      /* the element's "cục" number (purple-star chart) */
    COLORREF crMau;    /* colour of text of this element */
} NGUHANH;

typedef struct tagTHIENCAN {
    char16_t szTen[7];     /* stem name, as g_sCan */
    char16_t szVietTat[7]; /* two-letter ASCII abbreviation */
    int32_t nHanh;         /* element index into g_nguHanh */
} THIENCAN;

typedef struct tagDIACHI {
    char16_t szTen[7];     /* branch name, as g_sChi */
    char16_t szVietTat[7]; /* two-letter ASCII abbreviation */
    int32_t nHanh;         /* element index into g_nguHanh */
} DIACHI;

/* One nạp âm sound; entry i covers the sexagenary indices 2i and 2i + 1. */
typedef struct tagHOAGIAP {
    int32_t nHanh;      /* element index into g_nguHanh */
    char16_t szTen[26]; /* the sound's name */
} HOAGIAP;

VELMORA_API extern const NGUHANH g_nguHanh[5];
VELMORA_API extern const THIENCAN g_10Can[10];
VELMORA_API extern const DIACHI g_12Chi[12];
VELMORA_API extern const HOAGIAP g_30HoaGiap[30];

/* How element a acts on element b: 1 a generates b, 2 b generates a,
 * -1 a overcomes b, -2 b overcomes a, 0 otherwise (same or out of range). */
VELMORA_API int NguHanhSinhKhac(int a, int b);

/* ---------------------------------------------------------------- sun and moon */

/* Apparent places of the Sun and Moon for one instant and observer.
 * Angles in degrees, times in hours, longitudes east-positive. */
typedef struct _SUNMOONEARTH {
    double dJD;         /* Julian date of the instant (UT) */
    double dUT;         /* universal time of the instant, hours (may be negative) */
    double dT;          /* Julian centuries from J2000 */
    double dSunDec;     /* Sun's apparent declination */
    double dSunRA;      /* Sun's apparent right ascension, 0..360 */
    double dSunLon;     /* Sun's apparent ecliptic longitude, 0..360 */
    double dSunAz;      /* Sun's azimuth from north through east, 0..360 */
    double dSunAlt;     /* Sun's geometric altitude */
    double dSunGHA;     /* Sun's Greenwich hour angle */
    double dSunLHA;     /* Sun's local hour angle, 0..360 */
    double dMoonDec;    /* Moon's declination */
    double dMoonRA;     /* Moon's right ascension, 0..360 */
    double dMoonLon;    /* Moon's ecliptic longitude, 0..360 */
    double dMoonAlt;    /* Moon's geometric altitude */
    double dMoonAz;     /* Moon's azimuth */
    double dMoonGHA;    /* Moon's Greenwich hour angle, 0..360 */
    double dReserved1;  /* not written */
    double dReserved2;  /* not written */
    double dSunTransit; /* local clock time of the Sun's transit, 0..24 */
    double dTime1;      /* supplied by the caller, e.g. a rise time (read only) */
    double dTime2;      /* supplied by the caller, e.g. a set time (read only) */
    double dTimeMid;    /* (dTime1 + dTime2) / 2 */
    double dReserved3;  /* not written */
    double dSunDist;    /* Earth-Sun distance, astronomical units */
    double dMoonDist;   /* Earth-Moon distance, kilometres */
    double dSunDiam;    /* Sun's apparent diameter */
    double dZero;       /* set to 0.0 */
} SUNMOONEARTH;

/* Fills `out` for the local clock time `time` (year, month, day, hour, minute
 * and second are read) in zone `timeZone` (whole hours east). */
VELMORA_API void GetSunMoonData(SYSTEMTIME time, double latitude, double longitude, int timeZone,
                                SUNMOONEARTH* out);

/* Local clock hours (0..24) of rise and set on the local date, of the Sun
 * (body 1) or the Moon (any other body); -1.0 for an event that does not
 * happen within that local date.  Both are -1.0 when the date is outside the
 * years VELMORA_FIRST_YEAR..VELMORA_LAST_YEAR, the latitude outside -90..90,
 * the longitude not a number or |timeZone| above VELMORA_MAX_ZONE. */
VELMORA_API void GetRiseSet(int day, int month, int year, double latitude, double longitude,
                            int timeZone, int body, double* rise, double* set);

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* VELMORA_LIB_H */
