// The day the program shows.
#include "app/shell/CurrentDay.h"
#include "VelmoraDay.h"

#include "app/shell/DayTexts.h"
#include "app/shell/HomeLocation.h"

namespace velmora::app {

void CurrentDay::setToLocalTime(const SYSTEMTIME& now) {
    record.dMuiGio = kHomeZone;
    velmora::setRecordTime(record, now);
    refreshRiseSet();
    DoiAmDuong(&record, DAD_ALL);
}

void CurrentDay::refreshRiseSet() {
    riseSet = riseSetAtHome(record.nNgay, record.nThang, record.nNam);
}

} // namespace velmora::app
