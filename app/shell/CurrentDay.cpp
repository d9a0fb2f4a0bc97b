// The day the program shows.
#include "CurrentDay.h"

#include "HomeLocation.h"

namespace velmora::app {

void CurrentDay::setToLocalTime(const SYSTEMTIME& now) {
    record.dMuiGio = kHomeZone;
    record.nNam = now.wYear;
    record.nThang = now.wMonth;
    record.nNgay = now.wDay;
    record.nGio = now.wHour;
    record.nPhut = now.wMinute;
    record.nGiay = now.wSecond;
    refreshRiseSet();
    DoiAmDuong(&record, DAD_ALL);
}

void CurrentDay::refreshRiseSet() { riseSet = riseSetAtHome(record.nNgay, record.nThang, record.nNam); }

} // namespace velmora::app
