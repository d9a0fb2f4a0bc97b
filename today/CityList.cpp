// The city rows and their registry form.
#include "today/CityList.h"

#include "platform/registry/RegistryKey.h"
#include "suite/weather/CityTable.h"
#include "suite/weather/WeatherKeys.h"

#include <algorithm>

namespace velmora::today {

using registry::RegistryKey;
using registry::Status;
using namespace velmora::weather;

std::vector<CityRow> loadCityRows() {
    std::vector<CityRow> rows;
    RegistryKey weatherKey;
    if (RegistryKey::currentUser().open(kWeatherKeyPath, &weatherKey) != Status::Success)
        return rows;
    QString name;
    for (uint32_t i = 0; weatherKey.enumKey(i, &name) == Status::Success; ++i) {
        RegistryKey city;
        CityRow row;
        if (weatherKey.open(name, &city) != Status::Success ||
            city.getString(value::nameWritten, &row.name) != Status::Success)
            continue;
        row.name = row.name.left(50);
        row.key = name;
        city.getString(value::code, &row.code);
        uint32_t order = 0, csd = kUncheckedCity;
        city.getDword(value::listPosition, &order);
        city.getDword(value::sequenceNumber, &csd);
        row.order = QStringLiteral("%1").arg(order, 2, 10, QLatin1Char('0'));
        row.checked = csd < kUncheckedCity;
        rows.push_back(row);
    }
    // By the order column's text, as the list sorts it.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const CityRow& a, const CityRow& b) { return a.order < b.order; });
    return rows;
}

int addCity(std::vector<CityRow>& rows, const QString& name, int selected) {
    for (const CityEntry& entry : cityTable()) {
        if (QString::fromUtf16(entry.name) != name) continue;
        CityRow row;
        row.name = name;
        row.key = cityKeyName(entry.index);
        row.code = QString::fromUtf16(entry.code);
        const int at = selected >= 0 && selected < int(rows.size()) ? selected : 0;
        rows.insert(rows.begin() + at, row);
        return at;
    }
    return -1;
}

bool deleteCity(std::vector<CityRow>& rows, int row) {
    if (row < 0 || row >= int(rows.size())) return false;
    if (!rows[size_t(row)].key.isEmpty())
        RegistryKey::currentUser().deleteKey(kWeatherKeyPath + u'\\' + rows[size_t(row)].key);
    rows.erase(rows.begin() + row);
    return true;
}

int moveCity(std::vector<CityRow>& rows, int row, bool up) {
    const int other = up ? row - 1 : row + 1;
    if (row < 0 || row >= int(rows.size()) || other < 0 || other >= int(rows.size())) return row;
    CityRow& a = rows[size_t(row)];
    CityRow& b = rows[size_t(other)];
    std::swap(a.name, b.name);
    std::swap(a.key, b.key);
    std::swap(a.code, b.code);
    std::swap(a.checked, b.checked);
    return other;
}

int saveCityRows(const std::vector<CityRow>& rows) {
    int checked = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
        RegistryKey city;
        if (rows[r].key.isEmpty() ||
            RegistryKey::currentUser().create(kWeatherKeyPath + u'\\' + rows[r].key, &city) !=
                Status::Success)
            continue; // a failed write is passed over
        city.setDword(value::listPosition, uint32_t(r));
        city.setString(value::nameWritten, rows[r].name);
        city.setString(value::code, rows[r].code);
        city.setDword(value::sequenceNumber,
                      rows[r].checked ? uint32_t(checked++) : kUncheckedCity);
    }
    return checked;
}

} // namespace velmora::today
