// The star record's byte layout and files that are short, partial or garbled.
#include "suite/almanac/StarFile.h"
#include "suite/almanac/tests/TestSupport.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>

namespace velmora::almanac {
namespace {

AlmanacStarRecord sample() {
    AlmanacStarRecord r;
    r.kind = 12;
    for (int i = 0; i < 12; ++i) r.values[i] = 200 + i;
    r.emphasis = true;
    r.name = u"Thiên Đức";
    r.explanation = u"Tốt mọi việc";
    return r;
}

TEST(StarRecord, FieldsSitAtTheirOffsetsLittleEndian) {
    auto r = sample();
    r.values[11] = -1;
    const auto bytes = encodeStarRecord(r);
    EXPECT_EQ(bytes[4], 12);
    EXPECT_EQ(bytes[5], 0);
    EXPECT_EQ(bytes[8], 200);
    EXPECT_EQ(bytes[12], 201);
    for (int i = 52; i < 56; ++i) EXPECT_EQ(bytes[i], 0xFF) << i; // value[11] = -1
    EXPECT_EQ(bytes[56], 0);
    EXPECT_EQ(bytes[57], 1);
    EXPECT_EQ(bytes[68], u'T');
    EXPECT_EQ(bytes[70], u'h');
    EXPECT_EQ(bytes[74], 0xEA); // 'ê' U+00EA
    EXPECT_EQ(bytes[80], 0x10); // 'Đ' U+0110, low byte first
    EXPECT_EQ(bytes[81], 0x01);
    EXPECT_EQ(bytes[86], 0); // terminator after the 9 characters
    EXPECT_EQ(bytes[87], 0);
    EXPECT_EQ(bytes[118], u'T' & 0xFF);
    EXPECT_EQ(decodeStarRecord(bytes), r);
}

TEST(StarRecord, OverlongTextsAreCutToKeepTheirTerminator) {
    auto r = sample();
    r.name = std::u16string(40, u'x');
    r.explanation = std::u16string(100, u'y');
    const auto back = decodeStarRecord(encodeStarRecord(r));
    EXPECT_EQ(back.name, std::u16string(24, u'x'));
    EXPECT_EQ(back.explanation, std::u16string(74, u'y'));
}

TEST(StarRecord, GarbledRecordWithoutTerminatorsIsCutAtTheWidth) {
    StarRecordBytes bytes;
    bytes.fill(0x41);
    const auto r = decodeStarRecord(bytes);
    EXPECT_EQ(r.kind, 0x41414141);
    EXPECT_EQ(r.name, std::u16string(kStarNameWidth, char16_t{0x4141}));
    EXPECT_EQ(r.explanation, std::u16string(kStarExplanationWidth, char16_t{0x4141}));
    EXPECT_TRUE(r.emphasis);
}

struct FileCase {
    const char* label;
    std::size_t extraBytes; // appended after two whole records
    std::size_t wholeRecords;
};

class StarFileLength : public ::testing::TestWithParam<FileCase> {};

TEST_P(StarFileLength, OnlyWholeRecordsAreRead) {
    const auto& c = GetParam();
    test::TempPath file(c.label);
    {
        std::ofstream out(file.path(), std::ios::binary);
        for (int i = 0; i < 2; ++i) {
            const auto bytes = encodeStarRecord(sample());
            out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        }
        out << std::string(c.extraBytes, '\x7F');
    }
    const auto records = readStarFile(file.path());
    ASSERT_TRUE(records.has_value());
    ASSERT_EQ(records->size(), c.wholeRecords);
    EXPECT_EQ((*records)[0], sample());
    EXPECT_EQ((*records)[1], sample());
}

INSTANTIATE_TEST_SUITE_P(Lengths, StarFileLength,
                         ::testing::Values(FileCase{"exact", 0, 2},
                                           FileCase{"trailing-partial", 100, 2},
                                           FileCase{"one-byte-short-of-three", 267, 2},
                                           FileCase{"over-long", 268, 3}),
                         [](const auto& info) {
                             std::string n = info.param.label;
                             std::replace(n.begin(), n.end(), '-', '_');
                             return n;
                         });

TEST(StarFile, ShortFileHasNoRecords) {
    const std::vector<std::uint8_t> bytes(267, 0);
    EXPECT_TRUE(decodeStarRecords(bytes).empty());
}

TEST(StarFile, MissingFileIsReportedAsNothing) {
    EXPECT_FALSE(readStarFile("/nonexistent/almanac/vansutot.dat").has_value());
}

TEST(StarFile, WrittenRecordsReadBack) {
    test::TempPath file("roundtrip");
    auto second = sample();
    second.kind = 60;
    second.emphasis = false;
    ASSERT_TRUE(writeStarFile(file.path(), {sample(), second}));
    EXPECT_EQ(std::filesystem::file_size(file.path()), 2 * kStarRecordSize);
    const auto records = readStarFile(file.path());
    ASSERT_TRUE(records.has_value());
    EXPECT_EQ(*records, (std::vector<AlmanacStarRecord>{sample(), second}));
}

} // namespace
} // namespace velmora::almanac
