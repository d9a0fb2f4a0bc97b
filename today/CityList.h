// The weather cities as the options page "Địa điểm" edits them: rows read from the weather key,
// added from the city table, deleted, moved, checked, and written back on Done.
#pragma once

#include <QString>
#include <vector>

namespace velmora::today {

struct CityRow {
    QString name;  // column 0, "TEN"
    QString key;   // column 1: the subkey, the table index as "%03d"
    QString code;  // column 2, "MTT"
    QString order; // column 3, "STT" as "%02d"
    bool checked = false;
};

// Every subkey of the weather key that has "TEN", checked when its "CSD" is below 10000, sorted
// by the text of its order column.
std::vector<CityRow> loadCityRows();

// Inserts the table city named `name` before row `selected` (at the top when none is selected);
// the row's index, or -1 when no table city has that name. Nothing is written yet.
int addCity(std::vector<CityRow>& rows, const QString& name, int selected);

// Deletes the row's subkey (with its stored forecast) at once and removes the row; false when
// there is no such row.
bool deleteCity(std::vector<CityRow>& rows, int row);

// Exchanges the row with its upper or lower neighbour (names, keys, codes and check marks); the
// row it went to, or `row` when it cannot move.
int moveCity(std::vector<CityRow>& rows, int row, bool up);

// Writes each row's subkey: "STT" = its position, "TEN", "MTT", and "CSD" = its number among the
// checked rows (10000 for an unchecked one). Returns the number of checked rows.
int saveCityRows(const std::vector<CityRow>& rows);

} // namespace velmora::today
