// The item's rules.
#include "today/TodayItemModel.h"

#include "today/TodayIds.h"

#include "VelmoraDay.h"

#include <algorithm>

namespace velmora::today {

namespace {

constexpr uint32_t kFresh = DAD_ALL;                    // 127: a new date or month
constexpr uint32_t kFromDayNumber = DAD_JD | DAD_DUONG; // 192: after nJD changed

void wrapPrevious(int& value, int count) {
    value = value <= 0 ? count - 1 : value - 1;
}
void wrapNext(int& value, int count) {
    value = value + 1 >= count ? 0 : value + 1;
}

} // namespace

void showToday(TodayItemState& state, const SYSTEMTIME& now) {
    state.shown = freshDay(now, kVietnamZone);
    state.hold = 0;
}

void layoutItem(TodayItemState& state) {
    state.layout = LayoutTodayItem(state.codes(), state.units, state.landscape);
}

bool tick(TodayItemState& state, const SYSTEMTIME& now) {
    if (state.hold > 0) --state.hold;
    const LICHVELMORA& s = state.shown;
    if (s.nGio == now.wHour && s.nPhut == now.wMinute && s.nNgay == now.wDay &&
        s.nThang == now.wMonth && s.nNam == now.wYear)
        return false;
    if (state.hold == 0) showToday(state, now);
    return true;
}

// The month `step` away from the shown day's, converted afresh; refused outside the supported
// years, which the programs do not show.
bool moveMonth(LICHVELMORA& day, int step) {
    int month = day.nThang + step, year = day.nNam;
    if (month < 1) {
        month = 12;
        --year;
    } else if (month > 12) {
        month = 1;
        ++year;
    }
    if (!isSupportedYear(year)) return false;
    day.nThang = month;
    day.nNam = year;
    DoiAmDuong(&day, kFresh);
    return true;
}

bool previousMonth(LICHVELMORA& day) {
    return moveMonth(day, -1);
}

bool nextMonth(LICHVELMORA& day) {
    return moveMonth(day, +1);
}

void pickDay(TodayItemState& state, const QRect& area, QPoint down) {
    const Units& u = state.units;
    const int cellWidth = std::max(1, (rightOf(area) - u.x(9) - area.left()) / 7);
    // The grid is 6 rows by 7 columns; a tap on its margin counts for the nearest cell, never
    // for a cell of the next row.
    const int row = std::clamp((down.y() - u.y(3) - area.top()) / u.y(12), 0, 5);
    const int column = std::clamp((down.x() - u.x(5) - area.left()) / cellWidth, 0, 6);
    LICHVELMORA picked = state.shown;
    const int firstCell = (picked.nThu - picked.nNgay + 36) % 7;
    picked.nJD += row * 7 + column - firstCell - picked.nNgay + 1;
    DoiAmDuong(&picked, kFromDayNumber);
    if (!isSupportedYear(picked.nNam)) return;
    state.shown = picked;
    state.hold = kHoldSeconds;
}

void previousPage(TodayItemState& state) {
    wrapPrevious(state.page, kPageCount);
    layoutItem(state);
}

void nextPage(TodayItemState& state) {
    wrapNext(state.page, kPageCount);
    layoutItem(state);
}

StrokeEffect stroke(TodayItemState& state, QPoint d, QPoint u) {
    const int dx = state.units.x(kStrokeUnits), dy = state.units.y(kStrokeUnits);
    if (d.x() < u.x() - dx) {
        previousPage(state);
        return StrokeEffect::Redraw;
    }
    if (u.x() + dx < d.x()) {
        nextPage(state);
        return StrokeEffect::Redraw;
    }
    const int area = areaAt(state.layout, d);
    if (area < 0) return StrokeEffect::None;
    const int content = state.codes()[size_t(area)];
    int city = state.settings.currentCity;

    if (d.y() < u.y() - dy) { // the pen moved down: the previous one
        switch (content) {
        case ContentCalendar:
            if (previousMonth(state.shown)) state.hold = kHoldSeconds;
            break;
        case ContentWeather:
            wrapPrevious(city, state.settings.cityCount);
            state.settings.currentCity = city;
            layoutItem(state);
            return StrokeEffect::ReloadWeather;
        case ContentPersonal:
            wrapPrevious(state.subPage, 3);
            break;
        default:
            break;
        }
        return StrokeEffect::Redraw;
    }
    if (u.y() + dy >= d.y()) { // a tap
        switch (content) {
        case ContentCalendar:
            pickDay(state, state.layout[size_t(area)], d);
            return StrokeEffect::Redraw;
        case ContentWeather:
            return StrokeEffect::WeatherPopup;
        case ContentDigitalClock:
        case ContentAnalogClock:
            return StrokeEffect::StartClock;
        default:
            return StrokeEffect::None;
        }
    }
    switch (content) { // the pen moved up: the next one
    case ContentCalendar:
        if (nextMonth(state.shown)) state.hold = kHoldSeconds;
        break;
    case ContentWeather:
        wrapNext(city, state.settings.cityCount);
        state.settings.currentCity = city;
        layoutItem(state);
        return StrokeEffect::ReloadWeather;
    case ContentPersonal:
        wrapNext(state.subPage, 3);
        break;
    default:
        break;
    }
    return StrokeEffect::Redraw;
}

bool navigate(TodayItemState& state, uint32_t virtualKey) {
    if (virtualKey == 37) {
        previousPage(state);
        return true;
    }
    if (virtualKey == 39) {
        nextPage(state);
        return true;
    }
    return false;
}

} // namespace velmora::today
