// The exported name tables, record tables and the five-element relation.
#include "VelmoraLib.h"
#include "lib/tests/TestSupport.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace {

using velmora::test::text;

TEST(NameTables, SlotWidthsAndCounts) {
    static_assert(sizeof g_sThu == 7 * 10 * 2 && sizeof g_SThu == 7 * 10 * 2);
    static_assert(sizeof g_sCan == 10 * 10 * 2 && sizeof g_sChi == 12 * 10 * 2);
    static_assert(sizeof g_sTruc == 12 * 10 * 2 && sizeof g_s28 == 28 * 10 * 2);
    static_assert(sizeof g_sTietKhi == 12 * 12 * 2 && sizeof g_sTrungKhi == 12 * 12 * 2);
    static_assert(sizeof g_sBatQuai == 8 * 8 * 2);
    static_assert(sizeof g_sHoangDao == 12 * 12 * 2 && sizeof g_sLucNham == 6 * 12 * 2);
    static_assert(sizeof(NGUHANH) == 24 && sizeof(THIENCAN) == 32 && sizeof(DIACHI) == 32);
    static_assert(sizeof(HOAGIAP) == 56);
    SUCCEED();
}

TEST(NameTables, SelectedEntries) {
    struct Case {
        const char16_t* got;
        const char16_t* expected;
    };
    const Case cases[] = {
        {g_sThu[0], u"Thứ hai"},
        {g_sThu[6], u"Chủ nhật"},
        {g_SThu[5], u"THỨ BẢY"},
        {g_sCan[1], u"Ất"},
        {g_sCan[9], u"Quý"},
        {g_sChi[5], u"Tị"},
        {g_sChi[11], u"Hợi"},
        {g_sTruc[0], u"-Kiến"},
        {g_sTruc[9], u"Thu"},
        {g_s28[2], u"-Đê"},
        {g_s28[25], u"-Trương"},
        {g_s28[27], u"+Chẩn"},
        {g_sTietKhi[1], u"Lập xuân"},
        {g_sTietKhi[5], u"Mang chủng"},
        {g_sTrungKhi[9], u"Sương giáng"},
        {g_sTrungKhi[11], u"Đông chí"},
        {g_sBatQuai[7], u"Đoài"},
        {g_sHoangDao[7], u"+Ngọc Đường"},
        {g_sLucNham[3], u"-Xích khẩu"},
        {g_sLucNham[5], u"-Không Vong"},
        {g_10Can[4].szTen, u"Mậu"},
        {g_10Can[4].szVietTat, u"Ma"},
        {g_12Chi[4].szVietTat, u"Tf"},
        {g_12Chi[2].szVietTat, u"Dn"},
        {g_nguHanh[3].szTen, u"Thổ"},
        {g_30HoaGiap[10].szTen, u"Tuyền Trung Thủy"},
    };
    for (const auto& c : cases) EXPECT_EQ(text(c.got), text(c.expected));
}

TEST(NameTables, OnlyTheOfficerThuIsUnsigned) {
    auto unsignedEntries = [](const auto& table) {
        int n = 0;
        for (const auto& entry : table) n += entry[0] != u'+' && entry[0] != u'-';
        return n;
    };
    EXPECT_EQ(unsignedEntries(g_sTruc), 1);
    EXPECT_EQ(g_sTruc[9][0], u'T');
    EXPECT_EQ(unsignedEntries(g_s28), 0);
    EXPECT_EQ(unsignedEntries(g_sHoangDao), 0);
    EXPECT_EQ(unsignedEntries(g_sLucNham), 0);
}

TEST(NameTables, RecordTablesAgreeWithNameTables) {
    for (int i = 0; i < 10; ++i) EXPECT_EQ(text(g_10Can[i].szTen), text(g_sCan[i]));
    for (int i = 0; i < 12; ++i) EXPECT_EQ(text(g_12Chi[i].szTen), text(g_sChi[i]));
    // Each stem pair shares one element in generating order from Mộc.
    const int stemElements[10] = {1, 1, 2, 2, 3, 3, 4, 4, 0, 0};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(g_10Can[i].nHanh, stemElements[i]);
    EXPECT_EQ(g_nguHanh[2].crMau, 0x0000FFu);
    EXPECT_EQ(g_nguHanh[3].crMau, 0x008CFFu);
    EXPECT_EQ(g_nguHanh[0].nCuc, 2);
    EXPECT_EQ(g_nguHanh[2].nCuc, 6);
}

TEST(NameTables, SexagenaryNamesAndSounds) {
    EXPECT_EQ(text(g_sCan[0]) + u" " + text(g_sChi[0]), u"Giáp Tý");
    EXPECT_EQ(text(g_30HoaGiap[0 / 2].szTen), u"Hải Trung Kim");
    EXPECT_EQ(text(g_sCan[59 % 10]) + u" " + text(g_sChi[59 % 12]), u"Quý Hợi");
    EXPECT_EQ(text(g_30HoaGiap[59 / 2].szTen), u"Đại Hải Thủy");
    EXPECT_EQ(g_30HoaGiap[29].nHanh, 0);
}

TEST(FiveElements, Relations) {
    struct Case {
        int a, b, expected;
    };
    const Case cases[] = {
        {0, 1, 1},  {1, 0, 2},  {0, 2, -1}, {0, 3, -2}, {4, 0, 1}, {2, 2, 0}, {0, 7, 0},
        {3, 0, -1}, {2, 4, -1}, {4, 1, -1}, {1, 3, -1}, {0, 4, 2}, {5, 6, 0}, {-1, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NguHanhSinhKhac(c.a, c.b), c.expected) << c.a << "," << c.b;
}

} // namespace
