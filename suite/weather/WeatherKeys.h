// Where the stored forecast lives in the registry: key path, city subkeys and value names.
#pragma once

#include <QString>

namespace velmora::weather {

// Below HKEY_CURRENT_USER.
inline const QString kWeatherKeyPath = QStringLiteral("Software\\VelmoraSoft\\ThoiTiet");

namespace value {
inline const QString shownCity = QStringLiteral("ThanhPho"); // DWORD under the weather key
inline const QString nameWritten = QStringLiteral("TEN");    // the spelling the options write
inline const QString nameRead = QStringLiteral("Ten");       // the spelling the loaders ask for
inline const QString code = QStringLiteral("MTT");
inline const QString listPosition = QStringLiteral("STT");
inline const QString sequenceNumber = QStringLiteral("CSD");
inline const QString updateTime = QStringLiteral("GioCapNhat");
inline const QString currentSlot = QStringLiteral("HienTai");
} // namespace value

// A CSD at or above this marks an unchecked city, never fetched or shown.
inline constexpr unsigned kUncheckedCity = 10000;

// "%03d" of the city's table index ("005" for Hà Nội).
QString cityKeyName(int cityIndex);
// "%04d%02d%02d%02d": the slot of one hour of one day.
QString hourValueName(int year, int month, int day, int hour);
// "%04d%02d%02dSA" and "%04d%02d%02dCH": the morning and afternoon forecasts of one day.
QString morningValueName(int year, int month, int day);
QString afternoonValueName(int year, int month, int day);

} // namespace velmora::weather
