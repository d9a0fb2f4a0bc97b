// Julian dates, calendar dates from Julian dates, month lengths, rounding and time texts.
#include "VelmoraLib.h"
#include "lib/src/AcceptedInputs.h"

#include <cmath>

double JD(int day, int month, int year, double hour) {
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    const int b = year / 400 - year / 100 + year / 4;
    return b + std::trunc(30.6001 * (month + 1)) + (365.0 * year - 679004.0) + hour / 24.0 + day +
           2400000.5;
}

namespace {

struct CivilDate {
    int year, month, day;
};

// Gregorian calendar date of the day that begins at Julian date z - 0.5 (z integral).
CivilDate civilFromDayNumber(double z) {
    const double alpha = std::trunc((z - 1867216.25) / 36524.25);
    const double a = z + alpha - std::trunc(alpha / 4.0);
    const double b = a + 1525.0;
    const double g = std::trunc((b - 122.1) / 365.25);
    const double d = 365.0 * g + std::trunc(g / 4.0);
    const double e = std::trunc((b - d) / 30.6001);
    CivilDate out;
    out.day = static_cast<int>(std::trunc(b - d + 0.5) - std::trunc(30.6001 * e));
    out.month = static_cast<int>(e < 14 ? e - 1 : e - 13);
    out.year = static_cast<int>(out.month > 2 ? g - 4716 : g - 4715);
    return out;
}

} // namespace

SYSTEMTIME JD2ST(double jd, double timeZone) {
    const double x = jd + timeZone / 24.0 + 0.5;
    // Outside the years 1..9999 (or not a number at all) there is no date to give.
    if (!(x >= velmora::inputs::kFirstDayNumber && x < velmora::inputs::kLastDayNumber + 1.0))
        return SYSTEMTIME{};
    double z = std::trunc(x);
    double h = (x - z) * 24.0;
    int s = static_cast<int>(
        std::trunc(RoundDouble((std::fabs(h) - std::trunc(std::fabs(h))) * 3600.0, 1)));
    if (s == 3600) {
        h += 1.0;
        s = 0;
    }
    int hour = static_cast<int>(std::trunc(h));
    // Within the last twentieth of a second before midnight the seconds round up to a
    // whole hour 24: carry it into the next date rather than print hour 24.
    if (hour >= 24) {
        hour -= 24;
        z += 1.0;
    }
    const CivilDate date = civilFromDayNumber(z);
    SYSTEMTIME st{};
    st.wYear = static_cast<uint16_t>(date.year);
    st.wMonth = static_cast<uint16_t>(date.month);
    st.wDay = static_cast<uint16_t>(date.day);
    st.wHour = static_cast<uint16_t>(hour);
    st.wMinute = static_cast<uint16_t>(s / 60);
    st.wSecond = static_cast<uint16_t>(s % 60);
    st.wMilliseconds = 0;
    return st;
}

int SoNgayCuaThang(int month, int year) {
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2: {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return leap ? 29 : 28;
    }
    default:
        return 30;
    }
}

double RoundDouble(double x, int digits) {
    const double scale = std::pow(10.0, digits);
    double y = x * scale * 10.0;
    y = x < 0 ? y - 5.0 : y + 5.0;
    y *= 0.1;
    return std::trunc(y) / scale;
}

void d2stime(double hours, char16_t* out) {
    static constexpr char16_t kNone[] = u"--:--";
    if (!(hours > 0.0 && hours < 24.0)) {
        for (int i = 0; i < 6; ++i) out[i] = kNone[i];
        return;
    }
    int h = static_cast<int>(std::trunc(hours));
    int m = static_cast<int>(std::trunc(RoundDouble((hours - h) * 60.0, 0)));
    if (m >= 60) {
        h += 1;
        m -= 60;
    }
    // Rounding within the last half minute of the day would print "24:00", a time
    // that does not exist on a clock face.
    if (h >= 24) {
        h = 23;
        m = 59;
    }
    out[0] = static_cast<char16_t>(u'0' + h / 10);
    out[1] = static_cast<char16_t>(u'0' + h % 10);
    out[2] = u':';
    out[3] = static_cast<char16_t>(u'0' + m / 10);
    out[4] = static_cast<char16_t>(u'0' + m % 10);
    out[5] = 0;
}
