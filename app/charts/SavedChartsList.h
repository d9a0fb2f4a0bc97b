// The saved-charts list without a screen: the working copy of luulaso.dat, the search, the
// rows shown, adding, editing, deleting and saving. The whole file is the working copy; the
// search only chooses which of its records are shown, so saving while searching keeps the rest.
#pragma once

#include "suite/charts/SavedChartsFile.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace velmora::app {

inline constexpr std::size_t kSearchLimit = 100; // characters of the search edit
inline constexpr int kSavedChartsColumns = 8;

// The eight column texts of a record: name; "YYYY-MM-DD HH:MM"; the six derived values
// "%02d-%02d-%02d-%02d %02d-%02d"; organisation, address, telephone, e-mail; code number.
std::array<std::u16string, kSavedChartsColumns>
savedChartColumns(const charts::BirthRecord& record);

class SavedChartsList {
  public:
    enum class LoadResult { Loaded, Missing, TooLong };
    enum class SaveResult { Saved, NotLoaded, CannotCreate, CannotWrite };

    // Reads the file, making an empty one when there is none. Anything but Loaded leaves the
    // list empty and saving refused, so an unreadable file is never overwritten.
    LoadResult load(const std::filesystem::path& file);

    // Shows the records whose name or telephone holds text (plain, case-sensitive); at most
    // kSearchLimit characters are used.
    void setSearch(std::u16string_view text);
    const std::u16string& search() const { return search_; }

    int rowCount() const { return static_cast<int>(rows_.size()); }
    // Index of a row's record in the working copy; -1 for a row that does not exist.
    int recordOfRow(int row) const;
    const charts::BirthRecord* recordAtRow(int row) const;
    const std::vector<charts::BirthRecord>& records() const { return records_; }

    // Appends a record as the new last row (clearing a search it would not match) and returns
    // its row.
    int append(const charts::BirthRecord& record);
    // Replaces a row's record; false for a row that does not exist.
    bool replace(int row, const charts::BirthRecord& record);
    // Removes a row's record from the working copy; false for a row that does not exist.
    bool remove(int row);

    bool changed() const { return changed_; }
    bool loaded() const { return loaded_; }

    // Rewrites the file with every record of the working copy, atomically.
    SaveResult save();

  private:
    bool matches(const charts::BirthRecord& record) const;
    void refilter();

    std::filesystem::path file_;
    std::vector<charts::BirthRecord> records_;
    std::vector<int> rows_; // records shown, in file order
    std::u16string search_;
    bool loaded_ = false;
    bool changed_ = false;
};

} // namespace velmora::app
