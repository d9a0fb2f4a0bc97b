// The terminal calendar as a user runs it: output, golden month grids and exit codes.
#include "tools/velmora-cal/tests/CalRunner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/stat.h>

namespace {

using velmora::caltest::CalRun;
using velmora::caltest::readFile;

// Runs velmora-cal with a frozen clock, capturing stdout and stderr together.
CalRun run(const std::string& arguments, const std::string& environment = "") {
    return velmora::caltest::runCal(arguments, environment, velmora::caltest::Stderr::WithOutput);
}

TEST(VelmoraCal, DayPage) {
    const CalRun r = run("2009-01-26T10:30");
    EXPECT_EQ(r.exitCode, 0);
    for (const char* expected :
         {"Thứ hai, 26/01/2009 10:30", "Âm lịch: ngày 1 tháng 1 (đủ, 30 ngày), năm Kỷ Sửu",
          "Năm Kỷ Sửu, tháng Bính Dần, ngày Tân Mùi, giờ Quý Tị",
          "Theo tiết khí: năm Mậu Tý, tháng Ất Sửu", "Tiểu hàn 05/01/2009", "Đại hàn 20/01/2009",
          "Mặt trời (Hà Nội): mọc 06:3", "Mặt trăng (Hà Nội): mọc 06:", "trực "})
        EXPECT_NE(r.out.find(expected), std::string::npos) << expected << "\n" << r.out;
}

TEST(VelmoraCal, DefaultsToTheFrozenNow) {
    EXPECT_EQ(run("").out, run("2009-01-26T10:30").out);
}

TEST(VelmoraCal, LeapMonthDay) {
    const CalRun r = run("2009-06-23");
    EXPECT_NE(r.out.find("ngày 1 tháng 5 nhuận (thiếu, 29 ngày)"), std::string::npos) << r.out;
}

TEST(VelmoraCal, JsonHasEveryField) {
    const CalRun r = run("--json 2009-01-26T10:30");
    EXPECT_EQ(r.exitCode, 0);
    for (const char* field :
         {"\"nGio\": 10", "\"nPhut\": 30", "\"nJD\": 2454858", "\"nCanChiNam\": 25",
          "\"bNhuan\": 0", "\"nSoSoc\": 14", "\"dMuiGio\": 7", "\"dTrungKhi\": [",
          "\"dTietKhi\": [", "\"dSoc\": [",
          "\"nThangSoc\": [11,12,1,2,3,4,5,25,6,7,8,9,10,11,12,1]"})
        EXPECT_NE(r.out.find(field), std::string::npos) << field << "\n" << r.out;
}

TEST(VelmoraCal, MonthGridsMatchTheirReferences) {
    for (const char* month : {"2009-01", "2033-12", "2026-02"}) {
        const CalRun r = run(std::string("--month ") + month);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.out, readFile(std::string(VELMORA_CAL_REFS) + "/month-" + month + ".ref"))
            << month;
    }
}

TEST(VelmoraCal, LunarToSolar) {
    EXPECT_NE(run("--lunar 1/5/2009 --leap").out.find("Thứ ba, 23/06/2009"), std::string::npos);
    EXPECT_NE(run("--lunar 1/1/2034").out.find("19/02/2034"), std::string::npos);
}

// Solar 1-24 January 1800 fall in lunar 1799: their lunar dates convert back.
TEST(VelmoraCal, TheFirstDaysOf1800RoundTrip) {
    const CalRun day = run("1800-01-10");
    ASSERT_NE(day.out.find("Âm lịch: ngày 16 tháng 12"), std::string::npos) << day.out;
    const CalRun back = run("--lunar 16/12/1799");
    EXPECT_EQ(back.exitCode, 0) << back.out;
    EXPECT_NE(back.out.find("10/01/1800"), std::string::npos) << back.out;
}

TEST(VelmoraCal, SignedNumbersAreAccepted) {
    const CalRun r = run("--riseset 2009-01-26 --lat +21 --lon +105.85 --tz +7");
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_NE(r.out.find("vĩ độ 21, kinh độ 105.85, múi giờ +7"), std::string::npos) << r.out;
}

// Output that could not be written (here a full disk) ended with exit code 0.
TEST(VelmoraCal, UnwritableOutputFails) {
    const CalRun r = velmora::caltest::runCommand(
        velmora::caltest::calCommand("--month 2009-01 2>&1 >/dev/full"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "velmora-cal: không ghi được kết quả: ổ đĩa đã đầy\n");
}

TEST(VelmoraCal, RiseSetElsewhere) {
    const CalRun r = run("--riseset 2025-06-21 --lat 10.78 --lon 106.69 --tz 7");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("Mặt trời: mọc 05:3"), std::string::npos) << r.out;
}

// The terminal reading and the HTML document come from the program's own composer
// and star files.
TEST(VelmoraCal, AlmanacReadingAndDocument) {
    const std::string refs = VELMORA_ALMANAC_REFS;
    EXPECT_EQ(run("--almanac 2009-01-26").out, readFile(refs + "/2009-01-26.txt.ref"));
    EXPECT_EQ(run("--almanac 2009-01-26 --html").out, readFile(refs + "/2009-01-26.html.ref"));
}

TEST(VelmoraCal, AlmanacWithoutStarFilesWarnsAndGoesOn) {
    const CalRun r = run("--almanac 2009-01-26", "VELMORA_DATA_DIR=/nonexistent");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("velmora-cal: Không tìm thấy file vansutot.dat\n"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("velmora-cal: Không tìm thấy file vansuxau.dat\n"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Sao tốt: Nhân Chuyên.\n"), std::string::npos) << r.out;
}

// A zero-length star file and a folder in place of the other emptied the star lists silently
// (the folder threw through the reader): each is told, and the reading goes on.
TEST(VelmoraCal, DamagedStarFilesAreTold) {
    char pattern[] = "/tmp/velmora-cal-stars-XXXXXX";
    const std::string dir = mkdtemp(pattern);
    std::ofstream(dir + "/vansutot.dat").flush();
    mkdir((dir + "/vansuxau.dat").c_str(), 0700);
    const CalRun r = run("--almanac 2009-01-26", "VELMORA_DATA_DIR=" + dir);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("velmora-cal: File vansutot.dat bị hỏng"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("velmora-cal: Không đọc được file vansuxau.dat"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Sao tốt: Nhân Chuyên.\n"), std::string::npos) << r.out;
    std::remove((dir + "/vansutot.dat").c_str());
    rmdir((dir + "/vansuxau.dat").c_str());
    rmdir(dir.c_str());
}

TEST(VelmoraCal, BadArgumentsGiveOneVietnameseLineAndExitTwo) {
    struct Case {
        const char* arguments;
        const char* message;
    };
    const Case cases[] = {
        {"2009-02-30", "velmora-cal: Tháng 2 năm 2009 không có ngày 30\n"},
        {"2009-1-26", "velmora-cal: Ngày không hợp lệ: \"2009-1-26\" (cần dạng YYYY-MM-DD hoặc "
                      "YYYY-MM-DDTHH:MM)\n"},
        {"1799-12-31", "velmora-cal: Năm 1799 nằm ngoài khoảng 1800–2199\n"},
        {"2009-01-26T24:00", "velmora-cal: Giờ 24:00 không tồn tại\n"},
        {"--bogus", "velmora-cal: Tham số không rõ: --bogus (xem velmora-cal --help)\n"},
        {"--json", "velmora-cal: --json cần một ngày YYYY-MM-DD[THH:MM]\n"},
        {"--lunar 30/5/2009 --leap",
         "velmora-cal: Tháng 5 nhuận năm âm lịch 2009 chỉ có 29 ngày (tháng thiếu)\n"},
        {"--lunar 1/5/2010 --leap", "velmora-cal: Năm âm lịch 2010 không có tháng 5 nhuận\n"},
        {"--lunar 1/13/2010", "velmora-cal: Tháng âm lịch 13 không tồn tại\n"},
        {"--month 2009-13", "velmora-cal: Tháng 13 không tồn tại\n"},
        {"--riseset 2009-01-26 --lat 95",
         "velmora-cal: Vĩ độ phải nằm trong khoảng -89.9 đến 89.9\n"},
        {"--riseset 2009-01-26 --lon abc", "velmora-cal: Kinh độ không hợp lệ: \"abc\"\n"},
        {"--riseset 2009-01-26 --tz", "velmora-cal: Thiếu giá trị sau --tz\n"},
        {"2009-01-26 2009-01-27", "velmora-cal: Thừa tham số: 2009-01-27\n"},
        {"--almanac", "velmora-cal: --almanac cần một ngày YYYY-MM-DD\n"},
        {"--almanac 2009-13-01", "velmora-cal: Tháng 13 không tồn tại\n"},
        // One range rule both ways: the solar day of a lunar date must lie in 1800-2199.
        {"--lunar 30/12/2199", "velmora-cal: Ngày âm lịch 30/12/2199 là ngày 14/02/2200 dương "
                               "lịch, nằm ngoài khoảng 1800–2199\n"},
        {"--lunar 15/11/1799", "velmora-cal: Ngày âm lịch 15/11/1799 là ngày 11/12/1799 dương "
                               "lịch, nằm ngoài khoảng 1800–2199\n"},
        {"--lunar 1/1/1798", "velmora-cal: Năm 1798 nằm ngoài khoảng 1800–2199\n"},
        {"--riseset 2009-01-26 --tz +-7", "velmora-cal: Múi giờ không hợp lệ: \"+-7\"\n"},
    };
    for (const auto& c : cases) {
        const CalRun r = run(c.arguments);
        EXPECT_EQ(r.exitCode, 2) << c.arguments;
        EXPECT_EQ(r.out, c.message) << c.arguments;
    }
}

} // namespace
