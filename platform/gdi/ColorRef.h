// COLORREF (0x00BBGGRR) colours converted to and from QColor.
#pragma once

#include "VelmoraLib.h"
#include <QColor>

namespace velmora::gdi {

constexpr COLORREF RGB(int r, int g, int b) {
    return COLORREF((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// The high byte of a COLORREF carries no colour and is ignored.
inline QColor fromColorRef(COLORREF c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

inline COLORREF toColorRef(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

} // namespace velmora::gdi
