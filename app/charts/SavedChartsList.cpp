// The working copy of the saved charts and what the list's commands do to it.
#include "app/charts/SavedChartsList.h"

#include "suite/charts/ByteFields.h"
#include "suite/charts/ChartText.h"

#include <system_error>

namespace velmora::app {

using charts::BirthRecord;

std::array<std::u16string, kSavedChartsColumns> savedChartColumns(const BirthRecord& r) {
    using charts::zeroPadded;
    const std::u16string date = zeroPadded(r.year, 4) + u"-" + zeroPadded(r.month, 2) + u"-" +
                                zeroPadded(r.day, 2) + u" " + zeroPadded(r.hour, 2) + u":" +
                                zeroPadded(r.minute, 2);
    const std::u16string derived = zeroPadded(r.yearIndex, 2) + u"-" + zeroPadded(r.monthIndex, 2) +
                                   u"-" + zeroPadded(r.dayIndex, 2) + u"-" +
                                   zeroPadded(r.hourIndex, 2) + u" " + zeroPadded(r.lunarMonth, 2) +
                                   u"-" + zeroPadded(r.lunarDay, 2);
    return {charts::fieldText(r.name),
            date,
            derived,
            charts::fieldText(r.organisation),
            charts::fieldText(r.address),
            charts::fieldText(r.telephone),
            charts::fieldText(r.email),
            charts::fieldText(r.codeNumber)};
}

SavedChartsList::LoadResult SavedChartsList::load(const std::filesystem::path& file) {
    file_ = file;
    records_.clear();
    loaded_ = false;
    changed_ = false;
    charts::SavedCharts read;
    if (!file.empty() && charts::createSavedChartsIfAbsent(file))
        read = charts::readSavedCharts(file);
    LoadResult result = LoadResult::Missing;
    if (read.usable()) {
        records_ = std::move(read.records);
        loaded_ = true;
        result = LoadResult::Loaded;
    } else if (read.tooLong) {
        result = LoadResult::TooLong;
    }
    refilter();
    return result;
}

void SavedChartsList::setSearch(std::u16string_view text) {
    search_ = std::u16string(charts::cutText(text, kSearchLimit));
    refilter();
}

bool SavedChartsList::matches(const BirthRecord& r) const {
    if (search_.empty()) return true;
    return charts::fieldText(r.name).find(search_) != std::u16string::npos ||
           charts::fieldText(r.telephone).find(search_) != std::u16string::npos;
}

void SavedChartsList::refilter() {
    rows_.clear();
    for (std::size_t i = 0; i < records_.size(); ++i)
        if (matches(records_[i])) rows_.push_back(static_cast<int>(i));
}

int SavedChartsList::recordOfRow(int row) const {
    return row >= 0 && row < rowCount() ? rows_[row] : -1;
}

const BirthRecord* SavedChartsList::recordAtRow(int row) const {
    const int i = recordOfRow(row);
    return i < 0 ? nullptr : &records_[i];
}

int SavedChartsList::append(const BirthRecord& record) {
    records_.push_back(record);
    changed_ = true;
    if (!matches(record)) search_.clear();
    refilter();
    return rowCount() - 1;
}

bool SavedChartsList::replace(int row, const BirthRecord& record) {
    const int i = recordOfRow(row);
    if (i < 0) return false;
    records_[i] = record;
    changed_ = true;
    // An edited record stays in view until the search changes.
    return true;
}

bool SavedChartsList::remove(int row) {
    const int i = recordOfRow(row);
    if (i < 0) return false;
    records_.erase(records_.begin() + i);
    changed_ = true;
    refilter();
    return true;
}

SavedChartsList::SaveResult SavedChartsList::save() {
    if (!loaded_) return SaveResult::NotLoaded;
    std::error_code error;
    const auto status = std::filesystem::status(file_, error);
    if (file_.empty() || !std::filesystem::is_directory(file_.parent_path(), error) ||
        (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)))
        return SaveResult::CannotCreate;
    if (!charts::writeSavedCharts(file_, records_)) return SaveResult::CannotWrite;
    changed_ = false;
    return SaveResult::Saved;
}

} // namespace velmora::app
