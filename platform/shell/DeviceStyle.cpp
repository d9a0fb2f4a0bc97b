// Fusion's pixel metrics multiplied by dpi / 96.
#include "platform/shell/DeviceStyle.h"

#include "platform/screen/ScreenProfile.h"

#include <QPainter>
#include <QPolygonF>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>

namespace velmora::shell {

DeviceStyle::DeviceStyle(int dpi)
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), dpi_(dpi) {}

int DeviceStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    // Fusion already states these at 96 dpi, since Qt's own scaling is off.
    return screen::scaleWithDpi(base, dpi_);
}

void DeviceStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    const bool arrow = element == PE_IndicatorArrowRight || element == PE_IndicatorArrowLeft ||
                       element == PE_IndicatorArrowUp || element == PE_IndicatorArrowDown;
    if (!arrow || dpi_ <= 96 || !option) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // A solid triangle, half as deep as wide, sized like Fusion's 96-dpi arrow times dpi / 96.
    const QRectF r = option->rect;
    const qreal half =
        std::min<qreal>(screen::scaleWithDpi(4, dpi_), std::min(r.width(), r.height()) / 2);
    const QPointF c = r.center();
    QPolygonF tri;
    switch (element) {
    case PE_IndicatorArrowRight:
        tri << c + QPointF(-half / 2, -half) << c + QPointF(half / 2, 0)
            << c + QPointF(-half / 2, half);
        break;
    case PE_IndicatorArrowLeft:
        tri << c + QPointF(half / 2, -half) << c + QPointF(-half / 2, 0)
            << c + QPointF(half / 2, half);
        break;
    case PE_IndicatorArrowUp:
        tri << c + QPointF(-half, half / 2) << c + QPointF(0, -half / 2)
            << c + QPointF(half, half / 2);
        break;
    default:
        tri << c + QPointF(-half, -half / 2) << c + QPointF(0, half / 2)
            << c + QPointF(half, -half / 2);
        break;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(Qt::NoPen);
    painter->setBrush(
        option->palette.color(option->state & State_Enabled ? QPalette::Active : QPalette::Disabled,
                              QPalette::WindowText));
    painter->drawPolygon(tri);
    painter->restore();
}

} // namespace velmora::shell
