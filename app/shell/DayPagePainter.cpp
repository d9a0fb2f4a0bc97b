// Paints the day page.
#include "app/shell/DayPagePainter.h"

#include "app/shell/DayPageLayout.h"
#include "app/shell/DayTexts.h"
#include "app/shell/LunarMonthList.h"
#include "app/shell/WeatherPanel.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/ColorRef.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Shapes.h"
#include "platform/imaging/ImageFile.h"

namespace velmora::app {

using namespace velmora::gdi;
using velmora::screen::ScaleX;
using velmora::screen::ScaleY;
using velmora::screen::ScreenOrientation;

namespace {

QFont pageFont(int height, int weight) {
    return makeFont(QStringLiteral("Tahoma"), -ScaleX(height), weight);
}

const QImage& pageBitmap(int id) {
    static const QImage moon(QStringLiteral(":/bitmaps/bmp131.png"));
    static const QImage sun(QStringLiteral(":/bitmaps/bmp132.png"));
    static const QImage term(QStringLiteral(":/bitmaps/bmp133.png"));
    return id == 131 ? moon : id == 132 ? sun : term;
}

QString backgroundPath(const QString& folder, ScreenOrientation o) {
    const char* name = o == velmora::screen::Landscape  ? "L01"
                       : o == velmora::screen::Portrait ? "P01"
                                                        : "Q01";
    return folder + QStringLiteral("\\Images\\") + QLatin1String(name) + QStringLiteral(".jpg");
}

} // namespace

QColor dayPageTextColor(const LICHVELMORA& day) {
    return day.nThu == 6 ? QColor(255, 0, 0) : QColor(0, 0, 204);
}

bool weatherPanelShown(ScreenOrientation orientation, int clientBottom) {
    return orientation == velmora::screen::Portrait && clientBottom > ScaleY(320);
}

void paintDayPage(QPainter& p, const QSize& client, const DayPageScene& scene) {
    const LICHVELMORA& d = scene.day->record;
    const RiseSetTimes& rs = scene.day->riseSet;
    const ScreenOrientation o = scene.orientation;
    const bool square = o == velmora::screen::Square;
    const QRect all(QPoint(0, 0), client);

    if (!velmora::imaging::drawImageFile(p, backgroundPath(scene.programFolder, o), all))
        p.fillRect(all, Qt::white);
    p.setPen(dayPageTextColor(d));

    auto slot = [&](int s) { return slotRect(s, o); };
    auto shifted = [&](int s) { return slot(s).adjusted(ScaleX(10), 0, 0, 0); };

    // Icons: 16×16 sources stretched to 8×8 units at the slot's left edge, white transparent.
    auto icon = [&](int id, int s) {
        const QRect r = slot(s);
        const QImage& img = pageBitmap(id);
        if (!img.isNull())
            transparentBlt(p, QRect(r.left(), r.top() + ScaleY(2), ScaleX(8), ScaleY(8)), img,
                           img.rect(), RGB(255, 255, 255));
    };
    icon(133, 7);
    icon(133, 8);
    if (!square) {
        icon(132, 17);
        icon(131, 18);
    }

    p.setFont(pageFont(square ? 14 : 16, 700));
    drawText(p, slot(4), QStringLiteral("THÁNG %1").arg(d.nThang), DT_CENTER);
    drawText(p, slot(5),
             square ? QStringLiteral("- %1").arg(d.nNam) : QStringLiteral("NĂM %1").arg(d.nNam),
             DT_CENTER);
    drawText(p, slot(6), QString::fromUtf16(g_SThu[d.nThu]), DT_CENTER | DT_BOTTOM);

    p.setFont(pageFont(55, 900));
    drawText(p, slot(6), QString::number(d.nNgay), DT_CENTER);

    p.setFont(pageFont(10, 500));
    drawText(p, shifted(7), QString::fromUtf16(g_sTietKhi[d.nThang - 1]) + QLatin1Char(':'),
             DT_BOTTOM);
    drawText(p, shifted(7), termTime(d.dTietKhi[d.nThang]), DT_RIGHT | DT_BOTTOM);
    drawText(p, shifted(8), QString::fromUtf16(g_sTrungKhi[d.nThang - 1]) + QLatin1Char(':'),
             DT_BOTTOM);
    drawText(p, shifted(8), termTime(d.dTrungKhi[d.nThang]), DT_RIGHT | DT_BOTTOM);
    if (!square) {
        drawText(p, shifted(17), clockText(rs.sunRise) + QLatin1Char('-') + clockText(rs.sunSet),
                 DT_RIGHT | DT_BOTTOM);
        drawText(p, shifted(18), clockText(rs.moonRise) + QLatin1Char('-') + clockText(rs.moonSet),
                 DT_RIGHT | DT_BOTTOM);
    }
    drawText(p, slot(9), QString::fromUtf16(kPageTitle), DT_CENTER);

    p.setFont(pageFont(10, 700));
    drawText(p, slot(10), lunarMonthLabel(d), DT_CENTER);
    drawText(p, slot(12), QStringLiteral("Năm ") + canChiText(d.nCanChiNam), DT_CENTER | DT_BOTTOM);

    p.setFont(pageFont(22, 900));
    drawText(p, slot(11), QString::number(d.nNgayAm), DT_CENTER);
    drawText(p, slot(14), QStringLiteral("%1:%2").arg(d.nGio).arg(twoDigits(d.nPhut)), DT_CENTER);

    p.setFont(pageFont(10, 400));
    drawText(p, slot(10), QStringLiteral("Kiến ") + canChiText(d.nCanChiThang),
             DT_CENTER | DT_BOTTOM);
    drawText(p, slot(11), QStringLiteral("Ngày ") + canChiText(d.nCanChiNgay),
             DT_CENTER | DT_BOTTOM);
    drawText(p, slot(13), QString::fromUtf16(g_sHoangDao[d.nHoangDaoGio]), DT_CENTER | DT_BOTTOM);
    drawText(p, slot(14), QString::fromUtf16(g_sLucNham[d.nLucNhamGio]), DT_CENTER | DT_BOTTOM);

    p.setFont(pageFont(10, 600));
    drawText(p, slot(13), QStringLiteral("Giờ ") + canChiText(d.nCanChiGio), DT_CENTER);
    drawText(p, slot(15), QStringLiteral("Trực ") + QString::fromUtf16(g_sTruc[d.nTruc]),
             DT_CENTER | DT_BOTTOM);
    if (o == velmora::screen::Landscape)
        drawText(p, slot(16), QStringLiteral("Sao ") + QString::fromUtf16(g_s28[d.nSao28]),
                 DT_CENTER | DT_BOTTOM);

    if (scene.selectedField >= 0 && scene.selectedField <= 11)
        drawFocusRect(p, slot(scene.selectedField + 4));

    if (scene.weather != nullptr && weatherPanelShown(o, client.height()))
        paintWeatherPanel(p, *scene.weather, scene.programFolder, client.height());
}

} // namespace velmora::app
