// The large weather panel and the three days of weather in the buttons.
#include "today/PanelPainting.h"

#include "suite/today/TodayMessages.h"
#include "suite/weather/WeatherSlot.h"

namespace velmora::today {

using gdi::DT_BOTTOM;
using gdi::DT_RIGHT;
using gdi::DT_SINGLELINE;
using gdi::DT_VCENTER;
using weather::kUnknownValue;
using weather::WeatherSlot;

namespace {

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

QString currentTemperatureText(const weather::WeatherView& view) {
    return view.current.icon < 1 ? QStringLiteral("--°C")
                                 : QStringLiteral("%1°C").arg(view.current.temperature);
}

QString temperaturePairText(const weather::WeatherView& view) {
    const WeatherSlot& morning = view.morning[0];
    const WeatherSlot& afternoon = view.afternoon[0];
    // Afternoon's then morning's; unknown as dashes, the same text as the day page's panel.
    return morning.icon >= 1 && afternoon.icon >= 1
               ? QStringLiteral("%1°C/%2°C").arg(afternoon.temperature).arg(morning.temperature)
               : QStringLiteral("--°C/--°C");
}

void paintLargeWeather(const PanelContext& c, const QRect& panel) {
    const Units& u = c.units();
    const weather::WeatherView& view = c.state.weather;
    const int l = panel.left(), t = panel.top();
    c.picture(QStringLiteral("wl%1.png").arg(twoDigits(view.current.icon)),
              PanelContext::box(l, t + u.y(10), l + u.x(120), t + u.y(80)));

    const QRect temperatures = PanelContext::box(l, t + u.y(15), l + u.x(115), t + u.y(70));
    c.useFont(1);
    c.text(temperatures, currentTemperatureText(view), DT_RIGHT);
    c.useFont(2);
    c.text(temperatures, temperaturePairText(view), DT_RIGHT | DT_BOTTOM);

    const QString title =
        c.state.status == UpdateStarted ? QStringLiteral("Đang kết nối") : weather::nameOf(view);
    c.text(PanelContext::box(l + u.x(5), t, rightOf(panel), t + u.y(20)), title,
           DT_VCENTER | DT_SINGLELINE);
}

void paintButtonWeather(const PanelContext& c) {
    const Units& u = c.units();
    c.useFont(3);
    for (int i = 0; i < 3; ++i) {
        const QRect button = c.state.layout[size_t(DayButton + i)];
        const WeatherSlot* halves[2] = {&c.state.weather.morning[i], &c.state.weather.afternoon[i]};
        for (int half = 0; half < 2; ++half) {
            const WeatherSlot& slot = *halves[half];
            const int left = button.left() + u.x(1 + 38 * half);
            const int top = button.top() + u.y(1);
            c.picture(QStringLiteral("wm%1.png").arg(twoDigits(slot.icon)),
                      QRect(left, top, u.x(24), u.y(24)));
            // Beside the icon, right-aligned: temperature at the top, humidity at the bottom.
            const QRect values =
                PanelContext::box(left + u.x(22), top, left + u.x(38), bottomOf(button) - u.y(1));
            // A slot never stored (icon 0, every field 0) is unknown too, not 0° and 0 %.
            const bool stored = slot.icon >= 1;
            c.text(values,
                   !stored || slot.temperature == kUnknownValue
                       ? QStringLiteral("--°")
                       : QStringLiteral("%1°").arg(slot.temperature),
                   DT_RIGHT | gdi::DT_NOCLIP);
            c.text(values,
                   !stored || slot.humidity == kUnknownValue
                       ? QStringLiteral("--%")
                       : QStringLiteral("%1%").arg(slot.humidity),
                   DT_RIGHT | DT_BOTTOM | gdi::DT_NOCLIP);
        }
    }
}

} // namespace velmora::today
