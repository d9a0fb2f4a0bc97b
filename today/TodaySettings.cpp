// The settings table and the registry reads and writes it drives.
#include "today/TodaySettings.h"

#include "platform/registry/RegistryKey.h"
#include "suite/weather/WeatherKeys.h"

#include <QtEndian>
#include <initializer_list>

namespace velmora::today {

using registry::RegistryKey;
using registry::Status;
using registry::ValueType;

namespace {

QByteArray dwords(std::initializer_list<uint32_t> values) {
    QByteArray bytes(int(values.size()) * 4, '\0');
    int offset = 0;
    for (uint32_t v : values) {
        qToLittleEndian<quint32>(v, bytes.data() + offset);
        offset += 4;
    }
    return bytes;
}

QByteArray text(const char16_t* s) {
    return registry::stringValueBytes(QString::fromUtf16(s));
}

uint32_t dwordAt(const QByteArray& bytes, int index) {
    return qFromLittleEndian<quint32>(bytes.constData() + 4 * index);
}

const char16_t* const kImageFolder = u"ThuMucAnh";
const char16_t* const kPages = u"HienThi";
const char16_t* const kShownCity = u"ThanhPho";
const char16_t* const kCityCount = u"SoThanhPho";
const char16_t* const kColors = u"MauSac";
const char16_t* const kFonts = u"KieuChu";
const char16_t* const kConnection = u"LoaiKetNoi";
const char16_t* const kUpdate = u"LoaiCapNhat";

bool is(const SettingRow& row, const char16_t* name) {
    return QString::fromUtf16(row.name) == QString::fromUtf16(name);
}

} // namespace

std::span<const SettingRow> settingRows() {
    // {stored name, type, bytes, read from, saved, default, default when unreadable}
    static const SettingRow rows[] = {
        {kImageFolder, 1, 0, SettingHome::Item, false, text(u""), text(u"\\Windows")},
        // Page 1 calendar; page 2 weather and digital clock; page 3 personal and analog clock;
        // page 4 the date buttons alone. The three buttons always show day, month and year.
        {kPages,
         3,
         80,
         SettingHome::Item,
         true,
         dwords({1, 0, 1, 1, 1, 2, 3, 1, 1, 1, 4, 5, 1, 1, 1, 6, 0, 1, 1, 1}),
         {}},
        {kShownCity, 4, 4, SettingHome::Weather, true, dwords({0}), {}},
        {kCityCount, 4, 4, SettingHome::Item, true, dwords({0}), {}},
        // White text, silver secondary text, orange Saturdays, red Sundays, black hands.
        {kColors,
         3,
         24,
         SettingHome::Item,
         true,
         dwords({0xFFFFFF, 0xC0C0C0, 0x0099FF, 0x0000FF, 0x000000, 0x000000}),
         {}},
        // Sizes 14, 10 and 9 points; not bold, not italic, not smoothed.
        {kFonts,
         3,
         48,
         SettingHome::Item,
         true,
         dwords({14, 0, 0, 0, 10, 0, 0, 0, 9, 0, 0, 0}),
         {}},
        {kConnection, 4, 4, SettingHome::Item, true, dwords({0}), {}},
        {kUpdate, 4, 4, SettingHome::Item, true, dwords({0}), {}},
    };
    return rows;
}

QByteArray settingBytes(const TodaySettings& s, const SettingRow& row) {
    if (is(row, kImageFolder)) return registry::stringValueBytes(s.imageFolder);
    if (is(row, kPages)) {
        QByteArray bytes(80, '\0');
        for (int p = 0; p < kPageCount; ++p)
            for (int c = 0; c < kPanelsPerPage; ++c)
                qToLittleEndian<qint32>(s.pages[p][c], bytes.data() + 4 * (p * kPanelsPerPage + c));
        return bytes;
    }
    if (is(row, kShownCity)) return dwords({uint32_t(s.currentCity)});
    if (is(row, kCityCount)) return dwords({uint32_t(s.cityCount)});
    if (is(row, kColors))
        return dwords(
            {s.colors[0], s.colors[1], s.colors[2], s.colors[3], s.colors[4], s.colors[5]});
    if (is(row, kFonts)) {
        QByteArray bytes;
        for (const FontSetting& f : s.fonts)
            bytes += dwords(
                {uint32_t(f.size), uint32_t(f.bold), uint32_t(f.italic), uint32_t(f.smoothing)});
        return bytes;
    }
    if (is(row, kConnection)) return dwords({uint32_t(s.connection)});
    if (is(row, kUpdate)) return dwords({uint32_t(s.update)});
    return {};
}

void applySettingBytes(TodaySettings& s, const SettingRow& row, const QByteArray& bytes) {
    if (row.type == 1) {
        if (is(row, kImageFolder) && bytes.size() >= 2) {
            QString folder;
            for (int i = 0; i + 1 < bytes.size(); i += 2) {
                const char16_t c = qFromLittleEndian<quint16>(bytes.constData() + i);
                if (c == 0) break;
                folder += QChar(c);
            }
            s.imageFolder = folder;
        }
        return;
    }
    if (bytes.size() != row.size) return;
    if (is(row, kPages)) {
        for (int p = 0; p < kPageCount; ++p)
            for (int c = 0; c < kPanelsPerPage; ++c)
                s.pages[p][c] = int32_t(dwordAt(bytes, p * kPanelsPerPage + c));
    } else if (is(row, kShownCity)) {
        s.currentCity = int32_t(dwordAt(bytes, 0));
    } else if (is(row, kCityCount)) {
        s.cityCount = int32_t(dwordAt(bytes, 0));
    } else if (is(row, kColors)) {
        for (int i = 0; i < 6; ++i) s.colors[i] = dwordAt(bytes, i);
    } else if (is(row, kFonts)) {
        for (int i = 0; i < 3; ++i)
            s.fonts[i] =
                FontSetting{int32_t(dwordAt(bytes, 4 * i)), int32_t(dwordAt(bytes, 4 * i + 1)),
                            int32_t(dwordAt(bytes, 4 * i + 2)), int32_t(dwordAt(bytes, 4 * i + 3))};
    } else if (is(row, kConnection)) {
        s.connection = int32_t(dwordAt(bytes, 0));
    } else if (is(row, kUpdate)) {
        s.update = int32_t(dwordAt(bytes, 0));
    }
}

TodaySettings defaultTodaySettings() {
    TodaySettings s;
    for (const SettingRow& row : settingRows()) applySettingBytes(s, row, row.defaultBytes);
    return s;
}

TodaySettings LoadTodaySettings() {
    TodaySettings s = defaultTodaySettings();
    RegistryKey item, weather;
    const bool haveItem = RegistryKey::currentUser().open(kTodayKeyPath, &item) == Status::Success;
    const bool haveWeather =
        RegistryKey::currentUser().open(weather::kWeatherKeyPath, &weather) == Status::Success;
    for (const SettingRow& row : settingRows()) {
        const bool fromItem = row.readFrom == SettingHome::Item;
        if (!(fromItem ? haveItem : haveWeather)) continue;
        registry::Value value;
        const Status st =
            (fromItem ? item : weather).getValue(QString::fromUtf16(row.name), &value);
        if (st == Status::NotFound) continue; // the default stands
        // A text must fit the device's path buffer (260 characters with the terminator).
        const bool readable =
            st == Status::Success && uint32_t(value.type) == row.type &&
            (row.size == 0 ? value.data.size() <= 2 * 260 : value.data.size() == row.size);
        const QByteArray& unreadable =
            row.unreadableBytes.isEmpty() ? row.defaultBytes : row.unreadableBytes;
        applySettingBytes(s, row, readable ? value.data : unreadable);
    }
    return s;
}

bool SaveTodaySettings(const TodaySettings& settings) {
    RegistryKey item;
    if (RegistryKey::currentUser().create(kTodayKeyPath, &item) != Status::Success) return false;
    bool ok = true;
    for (const SettingRow& row : settingRows()) {
        if (!row.saved) continue;
        ok = item.setValue(QString::fromUtf16(row.name), ValueType(row.type),
                           settingBytes(settings, row)) == Status::Success &&
             ok;
    }
    return ok;
}

} // namespace velmora::today
