// Paints the day page: background, icons, every text of the leaf, focus and the weather panel.
#pragma once

#include "app/shell/CurrentDay.h"
#include "platform/screen/ScreenProfile.h"

#include <QImage>
#include <QPainter>
#include <QString>

namespace velmora::weather {
struct WeatherView;
}

namespace velmora::app {

struct DayPageScene {
    const CurrentDay* day = nullptr;
    int selectedField = -1;
    QString programFolder;                                  // device path, no trailing backslash
    const velmora::weather::WeatherView* weather = nullptr; // null: no panel
    velmora::screen::ScreenOrientation orientation = velmora::screen::Portrait;
};

// The program title shown in the page's title slot.
inline constexpr char16_t kPageTitle[] = u"Lịch Velmora 3.0.8";

// Text colours: red on Sundays, dark blue on every other day.
QColor dayPageTextColor(const LICHVELMORA& day);

// Whether the weather panel is drawn: tall portrait screens only.
bool weatherPanelShown(velmora::screen::ScreenOrientation orientation, int clientBottom);

void paintDayPage(QPainter& painter, const QSize& client, const DayPageScene& scene);

} // namespace velmora::app
