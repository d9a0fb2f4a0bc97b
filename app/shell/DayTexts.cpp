// Small texts of a day shared by the page, its lists and its panels.
#include "app/shell/DayTexts.h"

namespace velmora::app {

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString termTime(double localJd) {
    const SYSTEMTIME t = JD2ST(localJd, 0.0);
    return twoDigits(t.wHour) + QLatin1Char(':') + twoDigits(t.wMinute) + QStringLiteral(" - ") +
           twoDigits(t.wDay) + QLatin1Char('/') + twoDigits(t.wMonth);
}

QString clockText(double hours) {
    char16_t text[6];
    d2stime(hours, text);
    return QString::fromUtf16(text);
}

} // namespace velmora::app
