// The pop-up's placement, paint and closing.
#include "today/WeatherPopup.h"

#include "today/PanelPainting.h"
#include "today/TodayIds.h"

#include "platform/imaging/ImageFile.h"

#include <QMouseEvent>

namespace velmora::today {

using gdi::DT_CENTER;
using gdi::DT_SINGLELINE;
using gdi::DT_VCENTER;

namespace {
constexpr COLORREF kPopupBackground = 0xFF9A35; // RGB(53, 154, 255)
}

QImage paintWeatherPopup(const TodayItemState& state, QSize size) {
    const Units& u = state.units;
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(gdi::fromColorRef(kPopupBackground));
    QPainter p(&image);
    std::vector<HandLine> none;
    const PanelContext c{p, state, none};
    const int width = size.width(), height = size.height();
    p.setPen(c.color(1));
    for (int i = 0; i <= 8; ++i) p.drawLine(u.x(26 * i), u.y(20), u.x(26 * i), height - u.y(2) - 1);
    for (int y : {20, 40, 66}) p.drawLine(u.x(2), u.y(y), width - u.x(2) - 1, u.y(y));

    c.useFont(2);
    c.text(QRect(0, 0, width, u.y(20)),
           QStringLiteral("%1 ngày %2/%3/%4")
               .arg(weather::nameOf(state.weather))
               .arg(state.hourlyDay.wDay, 2, 10, QLatin1Char('0'))
               .arg(state.hourlyDay.wMonth, 2, 10, QLatin1Char('0'))
               .arg(state.hourlyDay.wYear, 4, 10, QLatin1Char('0')),
           DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    for (int i = 0; i < 8; ++i) {
        const int x = u.x(2 + 26 * i);
        c.useFont(2);
        c.text(PanelContext::box(x, u.y(20), x + u.x(24), u.y(40)),
               QStringLiteral("%1h").arg(3 * i), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        const weather::WeatherSlot& slot = state.hourly[size_t(i)];
        if (slot.icon <= 0) continue;
        c.picture(QStringLiteral("wm%1.png").arg(slot.icon, 2, 10, QLatin1Char('0')),
                  QRect(x, u.y(40), u.x(24), u.y(24)));
        c.useFont(3);
        c.text(PanelContext::box(x, u.y(65), x + u.x(24), u.y(80)),
               QStringLiteral("%1°").arg(slot.temperature), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        c.text(PanelContext::box(x, u.y(80), x + u.x(24), u.y(95)),
               QStringLiteral("%1%").arg(slot.humidity), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    return image;
}

WeatherPopup::WeatherPopup(const TodayItemState& state, const QRect& screenArea, QWidget* owner)
    : QDialog(owner ? owner->window() : nullptr, Qt::Dialog | Qt::FramelessWindowHint),
      state_(state) {
    setProperty("controlId", IddWeatherPopup);
    const Units& u = state.units;
    setFixedSize(u.x(210), u.y(100));
    move(screenArea.left() + (screenArea.width() - u.x(210)) / 2,
         screenArea.top() + (screenArea.height() - u.y(150)) / 2);
}

void WeatherPopup::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, paintWeatherPopup(state_, size()));
}

void WeatherPopup::mouseReleaseEvent(QMouseEvent*) {
    accept();
}

bool WeatherPopup::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate && isVisible()) reject();
    return QDialog::event(event);
}

} // namespace velmora::today
