// Fonts, colours and text fitting of the chart windows.
#include "app/charts/ChartPainting.h"

#include "VelmoraLib.h"
#include "platform/gdi/ColorRef.h"
#include "platform/gdi/Font.h"
#include "platform/screen/ScreenProfile.h"

#include <QFontMetrics>

namespace velmora::app {

QFont chartFont(int height, bool bold) {
    return gdi::makeFont(QStringLiteral("Tahoma"), -screen::ScaleY(height), bold ? 700 : 400);
}

QColor elementColour(int element) {
    if (element < 0 || element > 4) return Qt::black;
    return gdi::fromColorRef(g_nguHanh[element].crMau);
}

QFont fitFont(const QFont& font, const QString& text, int room, int smallest) {
    QFont fitted = font;
    while (fitted.pixelSize() > smallest && QFontMetrics(fitted).horizontalAdvance(text) > room)
        fitted.setPixelSize(fitted.pixelSize() - 1);
    return fitted;
}

} // namespace velmora::app
