// The day the program shows.
#include "app/shell/CurrentDay.h"
#include "VelmoraDay.h"

#include "app/shell/DayTexts.h"
#include "app/shell/HomeLocation.h"

namespace velmora::app {

void CurrentDay::setToLocalTime(const SYSTEMTIME& now) {
    record.dMuiGio = kHomeZone;
    velmora::setRecordTime(record, velmora::nearestSupportedMoment(now));
    refreshRiseSet();
    DoiAmDuong(&record, DAD_ALL);
}

void CurrentDay::goToNow(const SYSTEMTIME& now) {
    setToLocalTime(now);
    followClock = true;
}

bool CurrentDay::keepInSupportedRange() {
    if (velmora::isSupportedYear(record.nNam)) return false;
    SYSTEMTIME t = velmora::systemTime(record.nNam < velmora::kFirstSupportedYear
                                           ? velmora::kFirstSupportedYear - 1
                                           : velmora::kLastSupportedYear + 1,
                                       1, 1, record.nGio, record.nPhut, record.nGiay);
    setToLocalTime(t);
    return true;
}

void CurrentDay::refreshRiseSet() {
    riseSet = riseSetAtHome(record.nNgay, record.nThang, record.nNam);
}

} // namespace velmora::app
