// Small texts of a day shared by the page, its lists and its panels.
#pragma once

#include "VelmoraLib.h"

#include <QString>

namespace velmora::app {

// "05" for 5.
QString twoDigits(int value);

// "hh:mm - dd/mm" of a local Julian date, as the solar terms are shown.
QString termTime(double localJd);

// "hh:mm" of local clock hours, or "--:--" for no event.
QString clockText(double hours);

} // namespace velmora::app
