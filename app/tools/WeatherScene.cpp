// Composing the weather window's texts and pictures.
#include "app/tools/WeatherScene.h"

#include "app/shell/DayTexts.h"
#include "app/shell/WeatherPanel.h"

#include "platform/gdi/DrawText.h"
#include "platform/registry/RegistryKey.h"
#include "suite/weather/CityTable.h"
#include "suite/weather/WeatherKeys.h"

namespace velmora::app {

using namespace velmora::gdi;
using weather::WeatherSlot;

namespace {

// The wind directions by the slot's byte: the sixteen points from north clockwise, then
// "variable" and "calm". 0 is never shown, since 0 means none.
const char* const kWindDirections[18] = {
    "Bắc",      "Bắc Đông Bắc", "Đông Bắc", "Đông Đông Bắc", "Đông",     "Đông Đông Nam",
    "Đông Nam", "Nam Đông Nam", "Nam",      "Nam Tây Nam",   "Tây Nam",  "Tây Tây Nam",
    "Tây",      "Tây Tây Bắc",  "Tây Bắc",  "Bắc Tây Bắc",   "Thay đổi", "Gió lặng"};

bool unknown(int8_t value) {
    return value < -127;
}

QString smallIcon(const QString& folder, int icon) {
    return folder + QStringLiteral("\\Images\\wm%1.png").arg(twoDigits(icon < 1 ? 44 : icon));
}

// The small icon, the temperature and the humidity of one forecast slot at (x, y).
void addForecast(WeatherScene& scene, const WeatherSlot& slot, const QString& folder, int x,
                 int y) {
    scene.pictures.push_back({QRect(x, y, 24, 24), smallIcon(folder, slot.icon)});
    const QRect box(x, y, 50, 19);
    scene.texts.push_back({box,
                           unknown(slot.temperature) ? QStringLiteral("--°C")
                                                     : QStringLiteral("%1°C").arg(slot.temperature),
                           9, 400, DT_RIGHT | DT_TOP | DT_SINGLELINE});
    scene.texts.push_back(
        {box,
         unknown(slot.humidity) ? QStringLiteral("--%") : QStringLiteral("%1%").arg(slot.humidity),
         9, 400, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE});
}

} // namespace

QString windDirectionName(int index) {
    return index >= 0 && index < 18 ? QString::fromUtf8(kWindDirections[index]) : QString();
}

std::vector<QString> weatherDetailLines(const WeatherSlot& c, bool landscape) {
    const bool noIcon = c.icon < 1;
    std::vector<QString> lines = {
        noIcon ? QStringLiteral("Có thể tới: -°C")
               : QStringLiteral("Có thể tới: %1°C").arg(c.highTemperature),
        noIcon ? QStringLiteral("Điểm hóa sương: -°C")
               : QStringLiteral("Điểm hóa sương: %1°C").arg(c.dewPoint),
        unknown(c.humidity) ? QStringLiteral("Độ ẩm: --")
                            : QStringLiteral("Độ ẩm: %1 %").arg(c.humidity),
        c.windDirection < 1 || c.windDirection > 17
            ? QStringLiteral("Gió: --")
            : QStringLiteral("Gió: %1").arg(windDirectionName(c.windDirection)),
        c.windSpeed < 1 ? QStringLiteral("Tốc độ gió: -- km/h")
                        : QStringLiteral("Tốc độ gió: %1 km/h").arg(c.windSpeed),
    };
    if (landscape)
        lines.push_back(c.visibility < 1
                            ? QStringLiteral("Tầm nhìn xa: -- km")
                            : QStringLiteral("Tầm nhìn xa: %1 km").arg(c.visibility / 10));
    return lines;
}

WeatherScene weatherScene(const weather::WeatherView& view, const QString& folder, bool landscape) {
    WeatherScene scene;
    scene.background = folder + (landscape ? QStringLiteral("\\Images\\lwbkgnd.jpg")
                                           : QStringLiteral("\\Images\\pwbkgnd.jpg"));
    auto& texts = scene.texts;

    texts.push_back(
        {QRect(8, 4, 125, 15), weather::nameOf(view), 11, 700, DT_LEFT | DT_SINGLELINE});
    const SYSTEMTIME& u = view.updated;
    texts.push_back(
        {QRect(8, 16, 125, 15),
         QStringLiteral("(Cập nhật: %1:%2 %3/%4/%5)")
             .arg(twoDigits(u.wHour), twoDigits(u.wMinute), twoDigits(u.wDay), twoDigits(u.wMonth))
             .arg(u.wYear, 4, 10, QLatin1Char('0')),
         9, 400, DT_LEFT | DT_SINGLELINE});

    const WeatherSlot& now = view.current;
    scene.pictures.push_back({QRect(0, 21, 120, 70), largeWeatherIcon(folder, now.icon)});
    const QRect temperatures(0, 26, 120, 55);
    texts.push_back(
        {temperatures,
         now.icon < 1 ? QStringLiteral("--°C") : QStringLiteral("%1°C").arg(now.temperature), 15,
         700, DT_RIGHT});
    const WeatherSlot &morning = view.morning[0], &afternoon = view.afternoon[0];
    texts.push_back(
        {temperatures,
         morning.icon < 1 || afternoon.icon < 1
             ? QString::fromUtf16(kNoTemperaturePair)
             : QStringLiteral("%1°C/%2°C").arg(afternoon.temperature).arg(morning.temperature),
         10, 700, DT_RIGHT | DT_BOTTOM});

    const QPoint details = landscape ? QPoint(7, 90) : QPoint(135, 3);
    const int detailWidth = landscape ? 110 : 105;
    const std::vector<QString> lines = weatherDetailLines(now, landscape);
    for (int n = 0; n < int(lines.size()); ++n)
        texts.push_back({QRect(details.x(), details.y() + 15 * n, detailWidth, 15), lines[n], 9,
                         700, DT_LEFT | DT_SINGLELINE});

    // Seven of the view's ten days.
    for (int i = 0; i < 7; ++i) {
        const WeatherSlot &am = view.morning[i], &pm = view.afternoon[i];
        if (am.code >= 32 && am.code <= 38) {
            const QRect day =
                landscape ? QRect(145, 5 + 26 * i, 55, 24) : QRect(10, 85 + 26 * i, 55, 24);
            texts.push_back(
                {day, QString::fromUtf16(g_sThu[am.code - 32]), 10, 700, DT_LEFT | DT_SINGLELINE});
            texts.push_back({day,
                             QStringLiteral("(%1/%2)").arg(twoDigits(am.day), twoDigits(am.month)),
                             9, 400, DT_LEFT | DT_BOTTOM | DT_SINGLELINE});
        }
        if (am.code >= 31 && am.code <= 38)
            addForecast(scene, am, folder, landscape ? 200 : 120, (landscape ? 3 : 83) + 26 * i);
        if (pm.code >= 41 && pm.code <= 48)
            addForecast(scene, pm, folder, landscape ? 260 : 180, (landscape ? 3 : 83) + 26 * i);
    }
    return scene;
}

std::optional<uint32_t> sequenceNumberOfCity(int tableIndex) {
    using registry::RegistryKey;
    using registry::Status;
    if (tableIndex < 0 || tableIndex >= weather::kCityCount) return std::nullopt;
    RegistryKey city;
    uint32_t csd = 0;
    if (RegistryKey::currentUser().open(weather::kWeatherKeyPath + QLatin1Char('\\') +
                                            weather::cityKeyName(tableIndex),
                                        &city) != Status::Success ||
        city.getDword(weather::value::sequenceNumber, &csd) != Status::Success ||
        csd >= weather::kUncheckedCity)
        return std::nullopt;
    return csd;
}

int tableIndexOfSequence(uint32_t sequenceNumber) {
    for (int i = 0; i < weather::kCityCount; ++i)
        if (sequenceNumberOfCity(i) == sequenceNumber) return i;
    return -1;
}

} // namespace velmora::app
