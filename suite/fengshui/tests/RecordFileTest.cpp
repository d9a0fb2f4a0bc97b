// The three record layouts byte by byte, and their files read with care: short, over-long and
// garbled files, and folders, FIFOs, devices and links in place of a file.
#include "suite/fengshui/HexagramRecord.h"
#include "suite/fengshui/NineStarRecord.h"
#include "suite/fengshui/RecordBytes.h"
#include "suite/fengshui/SixtyCycleRecord.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace velmora::fengshui {
namespace {

namespace fs = std::filesystem;

class RecordFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "fengshui-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path put(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        const fs::path path = dir / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path;
    }

    fs::path dir;
};

// Bytes of a record built by hand: integers and UTF-16 units at their offsets.
struct HandBuilt {
    std::vector<std::uint8_t> bytes;
    explicit HandBuilt(std::size_t size) : bytes(size, 0) {}
    HandBuilt& int32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = std::uint8_t(v >> (8 * i));
        return *this;
    }
    HandBuilt& text(std::size_t at, std::u16string_view s) {
        for (std::size_t i = 0; i < s.size(); ++i) {
            bytes[at + 2 * i] = std::uint8_t(s[i] & 0xFF);
            bytes[at + 2 * i + 1] = std::uint8_t(s[i] >> 8);
        }
        return *this;
    }
};

std::vector<std::uint8_t> repeated(const std::vector<std::uint8_t>& one, std::size_t times) {
    std::vector<std::uint8_t> all;
    for (std::size_t i = 0; i < times; ++i) all.insert(all.end(), one.begin(), one.end());
    return all;
}

TEST_F(RecordFiles, HexagramFieldsSitAtTheirOffsets) {
    const HandBuilt built = HandBuilt(kHexagramRecordSize)
                                .int32(0, 0xDEADBEEF) // reserved, never read
                                .text(4, u"||::|:")
                                .text(18, u"Thủy Trạch Tiết")
                                .text(68, u"Tổng quan")
                                .text(2068, u"Theo việc")
                                .text(4068, u"Theo hào");
    const HexagramRecord record = decodeHexagramRecord(built.bytes);
    EXPECT_EQ(record, (HexagramRecord{u"||::|:", u"Thủy Trạch Tiết", u"Tổng quan", u"Theo việc",
                                      u"Theo hào"}));
    HandBuilt expected = built;
    expected.int32(0, 0);
    const HexagramRecordBytes encoded = encodeHexagramRecord(record);
    EXPECT_TRUE(std::equal(encoded.begin(), encoded.end(), expected.bytes.begin()));
}

TEST_F(RecordFiles, NineStarAndSixtyCycleFieldsSitAtTheirOffsets) {
    const HandBuilt star = HandBuilt(kNineStarRecordSize)
                               .int32(0, 4)
                               .int32(4, 5)
                               .int32(8, 7)
                               .text(12, u"Thái Dương")
                               .text(42, u"Sao tốt");
    const NineStarRecord decodedStar = decodeNineStarRecord(star.bytes);
    EXPECT_EQ(decodedStar, (NineStarRecord{4, 5, 7, u"Thái Dương", u"Sao tốt"}));
    const NineStarRecordBytes starBytes = encodeNineStarRecord(decodedStar);
    EXPECT_TRUE(std::equal(starBytes.begin(), starBytes.end(), star.bytes.begin()));

    const HandBuilt year = HandBuilt(kSixtyCycleRecordSize)
                               .int32(0, 59)
                               .int32(4, 0)
                               .int32(8, 2)
                               .text(12, u"Đại Hải Thủy");
    const SixtyCycleRecord decodedYear = decodeSixtyCycleRecord(year.bytes);
    EXPECT_EQ(decodedYear, (SixtyCycleRecord{59, 0, 2, u"Đại Hải Thủy"}));
    const SixtyCycleRecordBytes yearBytes = encodeSixtyCycleRecord(decodedYear);
    EXPECT_TRUE(std::equal(yearBytes.begin(), yearBytes.end(), year.bytes.begin()));
}

TEST_F(RecordFiles, TextWithoutTerminatorIsCutAtItsField) {
    // A name of 25 units fills its field and runs into the overview: it stops at the field.
    HandBuilt built(kHexagramRecordSize);
    built.text(18, std::u16string(25, u'A')).text(68, u"B");
    EXPECT_EQ(decodeHexagramRecord(built.bytes).name, std::u16string(25, u'A'));
    // Writing cuts a text that is too long so that its terminator fits.
    HexagramRecord record;
    record.name = std::u16string(40, u'C');
    EXPECT_EQ(decodeHexagramRecord(encodeHexagramRecord(record)).name, std::u16string(24, u'C'));
    NineStarRecord star;
    star.reading = std::u16string(2000, u'D');
    EXPECT_EQ(decodeNineStarRecord(encodeNineStarRecord(star)).reading.size(), kReadingWidth - 1);
}

TEST_F(RecordFiles, ShortFilesGiveTheirWholeRecordsOnly) {
    const auto year = encodeSixtyCycleRecord({3, 1, 2, u"Lô Trung Hỏa"});
    const std::vector<std::uint8_t> one(year.begin(), year.end());
    auto three = repeated(one, 3);
    three.resize(three.size() - 1); // the third lacks its last byte
    const auto read = readSixtyCycleFile(put("60hoagiap.dat", three));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->size(), 2u);
    const auto empty = readHexagramFile(put("64quai.dat", {1, 2, 3}));
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->empty());
}

TEST_F(RecordFiles, OverLongFilesAreReadOnlyAsFarAsTheFormatHolds) {
    const auto star = encodeNineStarRecord({0, 1, 6, u"La Hầu", u"x"});
    EXPECT_EQ(readNineStarFile(put("c.dat", repeated({star.begin(), star.end()}, 12)))->size(), 9u);
    const auto year = encodeSixtyCycleRecord({0, 4, 4, u"Hải Trung Kim"});
    EXPECT_EQ(readSixtyCycleFile(put("s.dat", repeated({year.begin(), year.end()}, 61)))->size(),
              60u);
    const auto hexagram = encodeHexagramRecord({u"||||||", u"Thuần Càn", u"a", u"b", u"c"});
    EXPECT_EQ(
        readHexagramFile(put("h.dat", repeated({hexagram.begin(), hexagram.end()}, 65)))->size(),
        64u);
}

TEST_F(RecordFiles, GarbledBytesDecodeWithoutHarm) {
    std::vector<std::uint8_t> noise(kHexagramRecordSize * 2 + 17);
    unsigned state = 12345;
    for (auto& b : noise) b = std::uint8_t((state = state * 1103515245u + 12345u) >> 16);
    const auto hexagrams = readHexagramFile(put("64quai.dat", noise));
    ASSERT_TRUE(hexagrams.has_value());
    ASSERT_EQ(hexagrams->size(), 2u);
    for (const HexagramRecord& r : *hexagrams) {
        EXPECT_LE(r.pattern.size(), kPatternWidth);
        EXPECT_LE(r.byLine.size(), kByLineWidth);
    }
    const auto stars = readNineStarFile(put("cuudieu.dat", noise));
    ASSERT_TRUE(stars.has_value());
    for (const NineStarRecord& r : *stars) EXPECT_LE(r.reading.size(), kReadingWidth);
}

TEST_F(RecordFiles, WhatIsNotARegularFileIsRefusedWithoutBlocking) {
    fs::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    fs::create_symlink(dir / "folder", dir / "link-to-folder");
    fs::create_symlink(dir / "fifo", dir / "link-to-fifo");
    const auto start = std::chrono::steady_clock::now();
    for (const fs::path& path : {dir / "folder", dir / "fifo", dir / "link-to-folder",
                                 dir / "link-to-fifo", dir / "missing", fs::path("/dev/zero")}) {
        EXPECT_FALSE(readRegularFile(path, 100).has_value()) << path;
        EXPECT_FALSE(readHexagramFile(path).has_value()) << path;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    // A link to a regular file is read through.
    const fs::path file = put("file.dat", {1, 2, 3, 4});
    fs::create_symlink(file, dir / "link-to-file");
    EXPECT_EQ(readRegularFile(dir / "link-to-file", 3), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(RecordFiles, WrittenFilesReadBack) {
    const std::vector<HexagramRecord> hexagrams{{u"||||||", u"Thuần Càn", u"a", u"b", u"c"},
                                                {u"::::::", u"Thuần Khôn", u"d", u"e", u"f"}};
    ASSERT_TRUE(writeHexagramFile(dir / "64quai.dat", hexagrams));
    EXPECT_EQ(readHexagramFile(dir / "64quai.dat"), hexagrams);
    EXPECT_FALSE(fs::exists(dir / "64quai.dat.new"));
    EXPECT_FALSE(writeHexagramFile(dir / "no-folder" / "64quai.dat", hexagrams));
}

// Renaming the new file into place would have replaced a device node or FIFO with a file.
TEST_F(RecordFiles, WritingOverAFifoFolderOrLinkIsRefusedAndLeavesIt) {
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    fs::create_directory(dir / "folder");
    const fs::path target = put("target.dat", {9});
    fs::create_symlink(target, dir / "link");
    const std::vector<NineStarRecord> stars{{0, 1, 6, u"La Hầu", u"x"}};
    for (const char* name : {"fifo", "folder", "link"}) {
        EXPECT_FALSE(writeNineStarFile(dir / name, stars)) << name;
        EXPECT_FALSE(fs::exists(dir / (std::string(name) + ".new"))) << name;
    }
    EXPECT_TRUE(fs::is_fifo(dir / "fifo"));
    EXPECT_TRUE(fs::is_directory(dir / "folder"));
    EXPECT_TRUE(fs::is_symlink(dir / "link"));
    EXPECT_EQ(readRegularFile(target, 10), (std::vector<std::uint8_t>{9}));
}

TEST(HexagramLookup, ByNormalisedPatternAndByName) {
    const std::vector<HexagramRecord> records{{u"||::|:", u"Thủy Trạch Tiết", u"", u"", u""},
                                              {u":|::||", u"Phong Thủy Hoán", u"", u"", u""}};
    ASSERT_NE(findByPattern(records, u"1o0x10"), nullptr);
    EXPECT_EQ(findByPattern(records, u"1o0x10")->name, u"Thủy Trạch Tiết");
    EXPECT_EQ(findByPattern(records, u":|::|o")->name, u"Phong Thủy Hoán");
    EXPECT_EQ(findByPattern(records, u"||||||"), nullptr);
    EXPECT_EQ(findByName(records, u"Phong Thủy Hoán")->pattern, u":|::||");
    EXPECT_EQ(findByName(records, u"Phong Thủy"), nullptr);
    // A blank record (a garbled file) is never found by an empty button or an empty name.
    const std::vector<HexagramRecord> blank{HexagramRecord{}};
    EXPECT_EQ(findByPattern(blank, u""), nullptr);
    EXPECT_EQ(findByName(blank, u""), nullptr);
}

TEST(NineStarLookup, FirstRecordWithTheKeyOfThatSex) {
    const std::vector<NineStarRecord> records{{0, 1, 6, u"La Hầu", u""}, {6, 7, 1, u"Kế Đô", u""}};
    EXPECT_EQ(findNineStar(records, 1, true)->name, u"La Hầu");
    EXPECT_EQ(findNineStar(records, 1, false)->name, u"Kế Đô");
    EXPECT_EQ(findNineStar(records, 0, true), nullptr);
    EXPECT_FALSE(hasStarPicture(-1));
    EXPECT_FALSE(hasStarPicture(9));
    EXPECT_TRUE(hasStarPicture(8));
}

TEST(SixtyCycleRows, YearsFollowTheRowWhateverTheRecordHolds) {
    const SixtyCycleRow first = sixtyCycleRow(0, {0, 4, 4, u"Hải Trung Kim"});
    EXPECT_EQ(first.years, u"1924/1984");
    EXPECT_EQ(first.canChi, u"Giáp Tý");
    EXPECT_EQ(first.element, u"Hải Trung Kim");
    EXPECT_EQ(first.trach, u"Tốn");
    const SixtyCycleRow last = sixtyCycleRow(59, {0, 0, 0, u""});
    EXPECT_EQ(last.years, u"1983/2043");
    EXPECT_EQ(last.canChi, u"Giáp Tý"); // the record's own index, not the row's
    EXPECT_EQ(sixtyCycleRow(59, {59, 0, 2, u""}).canChi, u"Quý Hợi");
    // Garbled numbers show nothing instead of reading outside the name tables.
    const SixtyCycleRow garbled = sixtyCycleRow(5, {-1, 99, 8, u"?"});
    EXPECT_EQ(garbled.canChi, u"");
    EXPECT_EQ(garbled.trach, u"");
    EXPECT_EQ(sixtyCycleRow(5, {60, 0, -1, u""}).canChi, u"");
}

} // namespace
} // namespace velmora::fengshui
