// The 16-byte little-endian stored form of a SYSTEMTIME.
#pragma once

#include "VelmoraLib.h"
#include <QByteArray>

namespace velmora::weather {

inline constexpr int kSystemTimeSize = 16;

// All zero unless bytes is exactly 16 long.
SYSTEMTIME decodeSystemTime(const QByteArray& bytes);
QByteArray encodeSystemTime(const SYSTEMTIME& time);

} // namespace velmora::weather
