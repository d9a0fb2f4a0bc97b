// The star record's byte layout and files that are short, partial or garbled.
#include "suite/almanac/StarFile.h"
#include "suite/almanac/tests/TestSupport.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

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
    StarFileProblem problem;
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
    const StarFileContents read = readStarFile(file.path());
    EXPECT_EQ(read.problem, c.problem);
    ASSERT_EQ(read.records.size(), c.wholeRecords);
    EXPECT_EQ(read.records[0], sample());
    EXPECT_EQ(read.records[1], sample());
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, StarFileLength,
    // A truncated file, or a third record of garbage whose texts never
    // end, keeps its good records and is reported as damaged.
    ::testing::Values(FileCase{"exact", 0, 2, StarFileProblem::None},
                      FileCase{"trailing-partial", 100, 2, StarFileProblem::Damaged},
                      FileCase{"one-byte-short-of-three", 267, 2, StarFileProblem::Damaged},
                      FileCase{"garbage-record", 268, 2, StarFileProblem::Damaged}),
    [](const auto& info) {
        std::string n = info.param.label;
        std::replace(n.begin(), n.end(), '-', '_');
        return n;
    });

TEST(StarFile, ShortFileHasNoRecords) {
    const std::vector<std::uint8_t> bytes(267, 0);
    bool damaged = false;
    EXPECT_TRUE(decodeStarRecords(bytes, &damaged).empty());
    EXPECT_TRUE(damaged);
}

// A folder in place of a star file made the reader throw through the almanac; a FIFO blocked it
// forever; an empty file emptied the star lists without a word.
TEST(StarFile, WhatCannotBeReadIsReportedNeverThrown) {
    test::TempPath folder("folder"), fifo("fifo"), empty("empty");
    std::filesystem::create_directory(folder.path());
    ASSERT_EQ(::mkfifo(fifo.path().c_str(), 0600), 0);
    std::ofstream(empty.path(), std::ios::binary).flush();
    const struct {
        std::filesystem::path path;
        StarFileProblem problem;
    } cases[] = {{"/nonexistent/almanac/vansutot.dat", StarFileProblem::Missing},
                 {folder.path(), StarFileProblem::Unreadable},
                 {fifo.path(), StarFileProblem::Unreadable},
                 {"/dev/zero", StarFileProblem::Unreadable},
                 {empty.path(), StarFileProblem::Damaged}};
    for (const auto& c : cases) {
        const StarFileContents read = readStarFile(c.path);
        EXPECT_EQ(read.problem, c.problem) << c.path;
        EXPECT_TRUE(read.records.empty()) << c.path;
    }
    std::filesystem::remove(folder.path());
}

// Texts of a star file reach the page and the terminal only as clean UTF-16.
TEST(StarRecord, InvalidUtf16AndControlCharactersAreCleaned) {
    AlmanacStarRecord r = sample();
    r.name = std::u16string(u"Sao") + char16_t(0xD800) + u"\x1b[31m" + char16_t(0xDC00) + u"X";
    const AlmanacStarRecord back = decodeStarRecord(encodeStarRecord(r));
    EXPECT_EQ(back.name, u"Sao\uFFFD[31m\uFFFDX");
}

TEST(StarFile, WrittenRecordsReadBack) {
    test::TempPath file("roundtrip");
    auto second = sample();
    second.kind = 60;
    second.emphasis = false;
    ASSERT_TRUE(writeStarFile(file.path(), {sample(), second}));
    EXPECT_EQ(std::filesystem::file_size(file.path()), 2 * kStarRecordSize);
    const StarFileContents read = readStarFile(file.path());
    EXPECT_EQ(read.problem, StarFileProblem::None);
    EXPECT_EQ(read.records, (std::vector<AlmanacStarRecord>{sample(), second}));
}

} // namespace
} // namespace velmora::almanac
