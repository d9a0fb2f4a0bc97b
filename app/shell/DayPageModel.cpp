// The day page's rules.
#include "app/shell/DayPageModel.h"
#include "VelmoraDay.h"

#include "app/shell/DayTexts.h"
#include "app/shell/FieldChooser.h"

namespace velmora::app {

void DayPageModel::initialise(const SYSTEMTIME& now) {
    day_.setToLocalTime(now);
    day_.followClock = true;
    selected_ = -1;
}

bool DayPageModel::tick(const SYSTEMTIME& clock) {
    // A clock outside 1800-2199 is followed on the nearest supported day.
    const SYSTEMTIME now = velmora::nearestSupportedMoment(clock);
    LICHVELMORA& r = day_.record;
    if (day_.followClock &&
        !(now.wMinute == r.nPhut && now.wHour == r.nGio && now.wDay == r.nNgay &&
          now.wMonth == r.nThang && now.wYear == r.nNam)) {
        const bool newDate = now.wDay != r.nNgay || now.wMonth != r.nThang || now.wYear != r.nNam;
        velmora::setRecordTime(r, now);
        DoiAmDuong(&r, DAD_ALL);
        if (newDate) day_.refreshRiseSet();
        repaint_ = true;
    }
    const bool repaint = repaint_;
    repaint_ = false;
    return repaint;
}

void DayPageModel::goToToday(const SYSTEMTIME& now) {
    selected_ = -1;
    chooserMode_ = 0;
    day_.goToNow(now);
    repaint_ = true;
}

void DayPageModel::selectNext() {
    selected_ = selected_ >= 12 ? 0 : selected_ + 1;
}

void DayPageModel::selectPrevious() {
    selected_ = selected_ < 1 ? 12 : selected_ - 1;
}

void DayPageModel::applyChoice(int n) {
    if (n >= 0) day_.followClock = false;
    if (applyFieldChoice(selected_, n, day_.record)) {
        day_.keepInSupportedRange();
        day_.refreshRiseSet();
        repaint_ = true;
    }
}

} // namespace velmora::app
