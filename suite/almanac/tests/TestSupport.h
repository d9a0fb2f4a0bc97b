// Day records and temporary files for the almanac tests.
#pragma once

#include "VelmoraDay.h"
#include "VelmoraLib.h"
#include "suite/almanac/AlmanacDay.h"

#include <filesystem>
#include <string>
#include <unistd.h>

namespace velmora::almanac::test {

using velmora::freshDay;

// The star rules' inputs, given directly: day index, lunar month and day, year stem, season.
inline AlmanacDay day(int dayIndex, int lunarMonth, int lunarDay, int yearStem = 0,
                      int season = 0) {
    return AlmanacDay{dayIndex,   dayIndex % 10, dayIndex % 12, yearStem,
                      lunarMonth, lunarDay,      season};
}

// A fresh path in the system's temporary folder, removed when the object goes.
class TempPath {
  public:
    explicit TempPath(const std::string& name)
        : path_(std::filesystem::temp_directory_path() /
                ("almanac-test-" + std::to_string(::getpid()) + "-" + name)) {}
    ~TempPath() { std::filesystem::remove(path_); }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

} // namespace velmora::almanac::test
