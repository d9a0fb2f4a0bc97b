// Solar dates of lunar dates, and the lunar dates that do not exist.
#include "tools/velmora-cal/LunarLookup.h"

#include <gtest/gtest.h>

namespace {

using velmora::cal::solarOfLunar;

TEST(LunarLookup, ExistingDates) {
    struct Case {
        int day, month, year;
        bool leap;
        int solarDay, solarMonth, solarYear;
    };
    const Case cases[] = {
        {1, 1, 2009, false, 26, 1, 2009},  {1, 5, 2009, true, 23, 6, 2009},
        {1, 5, 2009, false, 24, 5, 2009},  {29, 5, 2009, true, 21, 7, 2009},
        {1, 11, 2033, true, 22, 12, 2033}, {1, 12, 2033, false, 20, 1, 2034},
        {1, 1, 2034, false, 19, 2, 2034},  {25, 12, 2008, false, 20, 1, 2009},
        {1, 9, 2014, true, 24, 10, 2014},  {15, 8, 2025, false, 6, 10, 2025},
        {1, 1, 1800, false, 25, 1, 1800},  {30, 12, 2008, false, 25, 1, 2009},
    };
    for (const auto& c : cases) {
        const auto found = solarOfLunar(c.day, c.month, c.year, c.leap);
        ASSERT_TRUE(found.found) << c.day << "/" << c.month << "/" << c.year << ": " << found.error;
        EXPECT_EQ(found.day.nNgay, c.solarDay) << c.day << "/" << c.month << "/" << c.year;
        EXPECT_EQ(found.day.nThang, c.solarMonth) << c.day << "/" << c.month << "/" << c.year;
        EXPECT_EQ(found.day.nNam, c.solarYear) << c.day << "/" << c.month << "/" << c.year;
        EXPECT_EQ(found.day.nNgayAm, c.day);
        EXPECT_EQ(found.day.nThangAm, c.month);
        EXPECT_EQ(found.day.bNhuan, c.leap ? 1 : 0);
    }
}

TEST(LunarLookup, DatesThatDoNotExist) {
    struct Case {
        int day, month, year;
        bool leap;
        const char* message;
    };
    const Case cases[] = {
        {30, 5, 2009, true, "Tháng 5 nhuận năm âm lịch 2009 chỉ có 29 ngày (tháng thiếu)"},
        {1, 5, 2010, true, "Năm âm lịch 2010 không có tháng 5 nhuận"},
        {1, 4, 2009, true, "Năm âm lịch 2009 không có tháng 4 nhuận"},
        {30, 1, 2015, false, "Tháng 1 năm âm lịch 2015 chỉ có 29 ngày (tháng thiếu)"},
    };
    for (const auto& c : cases) {
        const auto found = solarOfLunar(c.day, c.month, c.year, c.leap);
        EXPECT_FALSE(found.found);
        EXPECT_EQ(found.error, c.message);
    }
}

} // namespace
