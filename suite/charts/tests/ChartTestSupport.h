// What the chart tests share: birth records, a temporary folder, the compiled star catalogue.
#pragma once

#include "suite/charts/BirthRecord.h"
#include "suite/charts/ByteFields.h"
#include "suite/charts/StarRecord.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace velmora::charts::testing {

inline BirthRecord birth(int year, int month, int day, int hour, int minute, bool male,
                         std::u16string_view name = u"Nguyễn Văn An") {
    BirthRecord r{};
    setFieldText(r.name, name);
    r.year = year;
    r.month = static_cast<std::int8_t>(month);
    r.day = static_cast<std::int8_t>(day);
    r.hour = static_cast<std::int8_t>(hour);
    r.minute = static_cast<std::int8_t>(minute);
    r.sex = male ? 1 : 0;
    return r;
}

// A fresh folder for one test, removed with everything in it.
class TemporaryFolder {
  public:
    TemporaryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "charts-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// The catalogue the build compiles from data/saotuvi.txt.
inline std::filesystem::path builtStarFile() {
    return CHARTS_DEVICE_DATA_DIR "/saotuvi.dat";
}

} // namespace velmora::charts::testing
