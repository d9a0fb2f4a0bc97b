// Day records and temporary files for the almanac tests.
#pragma once

#include "VelmoraLib.h"
#include "suite/almanac/AlmanacDay.h"

#include <filesystem>
#include <string>
#include <unistd.h>

namespace velmora::almanac::test {

// A real day record for a solar date, zone +7.
inline LICHVELMORA solarDay(int day, int month, int year) {
    LICHVELMORA rec{};
    rec.nNgay = day;
    rec.nThang = month;
    rec.nNam = year;
    rec.nGio = 12;
    rec.dMuiGio = 7.0;
    DoiAmDuong(&rec, DAD_ALL);
    return rec;
}

inline AlmanacDay day(int D, int m, int d, int y = 0, int q = 0) {
    return AlmanacDay{D, D % 10, D % 12, y, m, d, q};
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
