// The small weather panel of the day page.
#include "app/shell/WeatherPanel.h"

#include "app/shell/DayTexts.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/imaging/ImageFile.h"
#include "platform/screen/ScreenProfile.h"

#include <algorithm>

namespace velmora::app {

using namespace velmora::gdi;
using velmora::screen::ScaleX;
using velmora::screen::ScaleY;

namespace {

QFont panelFont(int height, int weight) {
    return makeFont(QStringLiteral("Tahoma"), -ScaleX(height), weight);
}

} // namespace

QString largeWeatherIcon(const QString& programFolder, int icon) {
    return programFolder +
           QStringLiteral("\\Images\\wl%1.png").arg(twoDigits(icon < 1 ? 44 : icon));
}

int weatherPanelTop(int clientBottom) {
    return std::max(ScaleY(262), std::min(ScaleY(348), clientBottom - ScaleY(87)));
}

void paintWeatherPanel(QPainter& p, const velmora::weather::WeatherView& view,
                       const QString& folder, int clientBottom) {
    QRect box(ScaleX(8), weatherPanelTop(clientBottom), ScaleX(125), ScaleY(15));
    p.setFont(panelFont(10, 600));
    drawText(p, box, velmora::weather::nameOf(view), DT_LEFT | DT_TOP);

    p.setFont(panelFont(9, 400));
    box.translate(0, ScaleY(12));
    const SYSTEMTIME& u = view.updated;
    drawText(
        p, box,
        QStringLiteral("(Cập nhật: %1:%2 %3/%4/%5)")
            .arg(twoDigits(u.wHour), twoDigits(u.wMinute), twoDigits(u.wDay), twoDigits(u.wMonth))
            .arg(u.wYear, 4, 10, QLatin1Char('0')),
        DT_LEFT | DT_TOP);

    box = QRect(0, box.top() + ScaleY(5), ScaleX(120), ScaleY(70));
    velmora::imaging::drawImageFile(p, largeWeatherIcon(folder, view.current.icon), box);

    box.adjust(0, ScaleY(5), 0, -ScaleY(10));
    p.setFont(panelFont(15, 700));
    drawText(p, box,
             view.current.icon >= 1 ? QStringLiteral("%1°C").arg(view.current.temperature)
                                    : QStringLiteral("--°C"),
             DT_RIGHT);

    p.setFont(panelFont(10, 700));
    const auto& morning = view.morning[0];
    const auto& afternoon = view.afternoon[0];
    drawText(p, box,
             morning.icon > 0 && afternoon.icon > 0
                 ? QStringLiteral("%1°C/%2°C").arg(afternoon.temperature).arg(morning.temperature)
                 : QString::fromUtf16(kNoTemperaturePair),
             DT_RIGHT | DT_BOTTOM);
}

} // namespace velmora::app
