// The item's settings (registry "Software\VelmoraSoft\VelmoraToday"), held for the item's life
// and shared with its options dialog.
#pragma once

#include "VelmoraLib.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <span>

namespace velmora::today {

// What a panel or button shows (the options list them by kContentNames).
enum PanelContent : int32_t {
    ContentNone = 0,
    ContentCalendar = 1,     // month calendar of the shown day
    ContentWeather = 2,      // weather of the shown city
    ContentDigitalClock = 3, // digital clock with the date
    ContentPersonal = 4,     // personal information and biorhythm
    ContentAnalogClock = 5,  // analog clock
    ContentHighlights = 6,   // panel left empty; the date buttons are drawn
    ContentRates = 7,        // the last three are left empty
    ContentStocks = 8,
    ContentBroadcasts = 9,
};

// A page's five codes: left panel, right panel, day, month and year button.
inline constexpr int kPanelsPerPage = 5;
inline constexpr int kPageCount = 4;
using PageCodes = std::array<int32_t, kPanelsPerPage>;

struct FontSetting {
    int32_t size;      // points at 96 dpi
    int32_t bold;      // 0/1
    int32_t italic;    // 0/1
    int32_t smoothing; // 0/1
};

struct TodaySettings {
    QString imageFolder;                       // "ThuMucAnh": device path of the pictures
    std::array<PageCodes, kPageCount> pages{}; // "HienThi"
    int32_t cityCount = 0;                     // "SoThanhPho": checked weather cities
    int32_t connection = 0;             // "LoaiKetNoi": low 16 bits list index, bit 16 chosen
    int32_t update = 0;                 // "LoaiCapNhat": low 16 bits interval, bit 16 automatic
    std::array<COLORREF, 6> colors{};   // "MauSac": text, secondary and grid, Saturday,
                                        // Sunday, clock hands, unused
    std::array<FontSetting, 3> fonts{}; // "KieuChu": large, normal, small
    int32_t currentCity = 0;            // "ThanhPho": sequence number of the shown city
};

// Where a setting is read from.
enum class SettingHome { Item, Weather };

// One row of the settings table: the stored name, its type and size, and its default as the
// bytes that would be stored (a text as UTF-16 with its terminator).
struct SettingRow {
    const char16_t* name;
    uint32_t type; // registry value type: 1 text, 3 binary, 4 DWORD
    int size;      // bytes of a binary or DWORD value; 0 for text
    SettingHome readFrom;
    bool saved; // written by SaveTodaySettings, in table order
    QByteArray defaultBytes;
    QByteArray unreadableBytes; // used when the value is there but cannot be read
};

// Every setting, in the order SaveTodaySettings writes them (the text "ThuMucAnh", first, is
// only read).
std::span<const SettingRow> settingRows();

// The settings when nothing can be read.
TodaySettings defaultTodaySettings();

// The stored bytes of the row's setting, and back; a byte array of the wrong size is ignored.
QByteArray settingBytes(const TodaySettings& settings, const SettingRow& row);
void applySettingBytes(TodaySettings& settings, const SettingRow& row, const QByteArray& bytes);

// Reads every row: from "Software\VelmoraSoft\VelmoraToday", "ThanhPho" from
// "Software\VelmoraSoft\ThoiTiet"; a missing value takes its default, one of the wrong type or
// size its unreadable default.
TodaySettings LoadTodaySettings();
// Creates the item's key and writes the saved rows in table order; false when a write failed.
bool SaveTodaySettings(const TodaySettings& settings);

inline const QString kTodayKeyPath = QStringLiteral("Software\\VelmoraSoft\\VelmoraToday");

} // namespace velmora::today
