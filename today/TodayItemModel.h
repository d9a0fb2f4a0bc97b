// The item's state and its rules without a window: the shown day and its return to today, pages,
// the weather city, the personal sub-page, taps and swipes, picking a day, keys.
#pragma once

#include "today/TodayLayout.h"
#include "today/TodaySettings.h"

#include "suite/personal/PersonalRecord.h"
#include "suite/weather/WeatherView.h"

#include "VelmoraLib.h"

namespace velmora::today {

struct TodayItemState {
    TodaySettings settings;
    Units units;
    bool landscape = false;
    LICHVELMORA shown{}; // the day the calendar panels show, zone 7
    int hold = 0;        // seconds a browsed date stays before the item returns to today
    int page = 0;        // 0..3
    int subPage = 0;     // the personal panel's 0..2
    uint32_t status = 0; // weather update: 0 idle, 1 connecting, 4 finished
    bool selected = false;
    ItemLayout layout{};
    personal::PersonalRecord personal{};
    weather::WeatherView weather{};
    weather::HourlyWeather hourly{};
    SYSTEMTIME hourlyDay{}; // the day the hourly slots are of: today when the pop-up opened

    const PageCodes& codes() const { return settings.pages[size_t(page)]; }
    // The city shown, as the weather loaders take it (a negative one is no city).
    uint32_t city() const { return uint32_t(settings.currentCity); }
};

// The present device time into the shown day: converted afresh, zone 7, hold 0.
void showToday(TodayItemState& state, const SYSTEMTIME& now);
// Recomputes the five rectangles for the current page.
void layoutItem(TodayItemState& state);

// One second of the clock. Returns true when the item must reload its forecast and repaint: the
// shown minute is not the present one (the clock moved on, or a browsed date is shown). A browsed
// date gives way to today once the hold has run out.
bool tick(TodayItemState& state, const SYSTEMTIME& now);

// Previous or next solar month of the shown day (the day cut to the month's length). False, with
// the day left as it was, when that month is outside the supported years (1800–2199).
bool previousMonth(LICHVELMORA& day);
bool nextMonth(LICHVELMORA& day);

// The day under point D in a month calendar drawn in `area`, made the shown day; hold 60. A day
// outside the supported years is not picked.
void pickDay(TodayItemState& state, const QRect& area, QPoint down);

// What a pen stroke from D to U asks of the window besides the state changes made here.
enum class StrokeEffect {
    None,          // nothing to repaint
    Redraw,        // repaint the item
    ReloadWeather, // reload the shown city's forecast, then repaint
    WeatherPopup,  // open the weather pop-up of the shown city
    StartClock,    // start the device's clock program
};
StrokeEffect stroke(TodayItemState& state, QPoint down, QPoint up);

// The left (37) and right (39) keys change the page; true when the key was one of them.
bool navigate(TodayItemState& state, uint32_t virtualKey);

// Previous and next page, 0 and 3 wrapping round.
void previousPage(TodayItemState& state);
void nextPage(TodayItemState& state);

} // namespace velmora::today
