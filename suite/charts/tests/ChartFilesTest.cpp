// The chart files: the birth record's bytes, luulaso.dat and saotuvi.dat when short, long,
// garbled or not regular files, and saving that survives a kill -9 and a full disk.
#include "suite/charts/PurpleStarChart.h"
#include "suite/charts/SavedChartsFile.h"
#include "suite/charts/tests/ChartTestSupport.h"

#include <chrono>
#include <csignal>
#include <fstream>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace velmora::charts {
namespace {

using testing::birth;
using testing::TemporaryFolder;

std::vector<std::uint8_t> readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeAll(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> randomBytes(std::size_t n, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<std::uint8_t> bytes(n);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
    return bytes;
}

// ---------------------------------------------------------------- the birth record's bytes

TEST(BirthRecordBytes, FieldsSitAtTheirOffsets) {
    BirthRecordBytes bytes{};
    const auto putText = [&](std::size_t at, std::u16string_view text) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            bytes[at + 2 * i] = static_cast<std::uint8_t>(text[i] & 0xFF);
            bytes[at + 2 * i + 1] = static_cast<std::uint8_t>(text[i] >> 8);
        }
    };
    putText(0, u"Lê Thị Hà");
    putText(100, u"Công ty A");
    putText(200, u"Huế");
    putText(300, u"0903123456");
    putText(400, u"ha@example.vn");
    putText(500, u"LS-07");
    bytes[548] = 0xC6; // 1990 = 0x07C6
    bytes[549] = 0x07;
    const std::uint8_t small[] = {5, 17, 23, 59, 6, 31, 42, 18, 4, 23, 0, 0xAB};
    std::copy(std::begin(small), std::end(small), bytes.begin() + 552);

    const BirthRecord r = decodeBirthRecord(bytes);
    EXPECT_EQ(fieldText(r.name), u"Lê Thị Hà");
    EXPECT_EQ(fieldText(r.organisation), u"Công ty A");
    EXPECT_EQ(fieldText(r.address), u"Huế");
    EXPECT_EQ(fieldText(r.telephone), u"0903123456");
    EXPECT_EQ(fieldText(r.email), u"ha@example.vn");
    EXPECT_EQ(fieldText(r.codeNumber), u"LS-07");
    EXPECT_EQ(r.year, 1990);
    EXPECT_EQ(r.month, 5);
    EXPECT_EQ(r.day, 17);
    EXPECT_EQ(r.hour, 23);
    EXPECT_EQ(r.minute, 59);
    EXPECT_EQ(r.yearIndex, 6);
    EXPECT_EQ(r.lunarDay, 23);
    EXPECT_EQ(r.sex, 0);
    EXPECT_EQ(r.reserved, 0xAB);
    EXPECT_EQ(encodeBirthRecord(r), bytes);
}

TEST(BirthRecordBytes, TextWithoutTerminatorStopsAtItsWidth) {
    BirthRecordBytes bytes{};
    for (std::size_t i = 0; i < 100; i += 2) bytes[i] = 'x';   // 50 letters, no terminator
    for (std::size_t i = 100; i < 200; i += 2) bytes[i] = 'y'; // the next field
    const BirthRecord r = decodeBirthRecord(bytes);
    EXPECT_EQ(fieldText(r.name), std::u16string(50, u'x'));
    EXPECT_EQ(fieldText(r.organisation), std::u16string(50, u'y'));
}

TEST(BirthRecordBytes, DerivedValuesOfAKnownDay) {
    // 26 January 2009, 10:30: lunar 1/1 Kỷ Sửu, month Bính Dần, day index 7, hour Tị of Tân day.
    BirthRecord r = birth(2009, 1, 26, 10, 30, true);
    ASSERT_TRUE(fillDerivedValues(r));
    EXPECT_EQ(r.yearIndex, 25);
    EXPECT_EQ(r.monthIndex, 2);
    EXPECT_EQ(r.dayIndex, 7);
    EXPECT_EQ(r.hourIndex % 12, 5);
    EXPECT_EQ(r.lunarMonth, 1);
    EXPECT_EQ(r.lunarDay, 1);
    BirthRecord bad = birth(2009, 2, 30, 10, 30, true);
    EXPECT_FALSE(fillDerivedValues(bad));
}

// ---------------------------------------------------------------- luulaso.dat

TEST(SavedChartsFile, ShortLongAndGarbledFiles) {
    TemporaryFolder folder;
    const auto path = folder / "luulaso.dat";
    const std::vector<BirthRecord> two = {birth(1990, 5, 17, 8, 0, true, u"An"),
                                          birth(1992, 1, 2, 9, 5, false, u"Bình")};
    const std::vector<std::uint8_t> whole = encodeSavedCharts(two);
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::size_t records;
        std::size_t tail;
        bool usable;
    } cases[] = {
        {"empty", {}, 0, 0, true},
        {"one and a half records", {whole.begin(), whole.begin() + 846}, 1, 282, true},
        {"two records and a byte",
         [&] {
             auto b = whole;
             b.push_back(7);
             return b;
         }(),
         2, 1, true},
        {"garbled", randomBytes(3 * kBirthRecordSize, 7), 3, 0, true},
        {"more records than the list takes",
         std::vector<std::uint8_t>((kMaxSavedCharts + 1) * kBirthRecordSize), 0, 0, false},
    };
    for (const Case& c : cases) {
        writeAll(path, c.bytes);
        const SavedCharts read = readSavedCharts(path);
        EXPECT_EQ(read.status, files::ReadStatus::Ok) << c.what;
        EXPECT_EQ(read.records.size(), c.records) << c.what;
        EXPECT_EQ(read.ignoredTailBytes, c.tail) << c.what;
        EXPECT_EQ(read.usable(), c.usable) << c.what;
        for (BirthRecord r : read.records) {
            // Whatever the bytes, texts stay inside their fields and bad dates are refused.
            EXPECT_LE(fieldText(r.name).size(), kBirthTextWidth) << c.what;
            PurpleStarChart chart{};
            chart.birth = r;
            EXPECT_EQ(ComputePurpleStarChart(chart, 0, std::span<const StarRecord>{}),
                      isValidBirthMoment(r));
        }
    }
    EXPECT_EQ(readSavedCharts(folder / "absent.dat").status, files::ReadStatus::Missing);
}

TEST(SavedChartsFile, FolderFifoAndDeviceAreRefusedWithoutBlocking) {
    TemporaryFolder folder;
    std::filesystem::create_directory(folder / "dir.dat");
    ASSERT_EQ(::mkfifo((folder / "fifo.dat").c_str(), 0644), 0);
    std::filesystem::create_symlink(folder / "fifo.dat", folder / "link-to-fifo.dat");
    std::filesystem::create_symlink("/dev/zero", folder / "zero.dat");
    for (const char* name : {"dir.dat", "fifo.dat", "link-to-fifo.dat", "zero.dat"}) {
        EXPECT_EQ(readSavedCharts(folder / name).status, files::ReadStatus::NotAFile) << name;
        EXPECT_EQ(readStarCatalogue(folder / name).status, files::ReadStatus::NotAFile) << name;
        EXPECT_FALSE(writeSavedCharts(folder / name, {birth(1990, 1, 1, 0, 0, true)})) << name;
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder / "dir.dat"));
    EXPECT_TRUE(std::filesystem::is_fifo(folder / "fifo.dat"));
}

TEST(SavedChartsFile, SavedRecordsReadBackTheSame) {
    TemporaryFolder folder;
    const auto path = folder / "luulaso.dat";
    BirthRecord person = birth(1975, 4, 30, 11, 30, false, u"Trần Thị Mai");
    setFieldText(person.organisation, u"Nhà máy dệt");
    setFieldText(person.telephone, u"0913000111");
    setFieldText(person.codeNumber, u"MS-2");
    ASSERT_TRUE(fillDerivedValues(person));
    const std::vector<BirthRecord> records = {birth(1990, 5, 17, 8, 0, true), person};
    ASSERT_TRUE(writeSavedCharts(path, records));
    EXPECT_EQ(std::filesystem::file_size(path), 2 * kBirthRecordSize);
    const SavedCharts read = readSavedCharts(path);
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(encodeBirthRecord(read.records[1]), encodeBirthRecord(person));
    // A link is followed: the link stays and its target gets the new content.
    std::filesystem::create_symlink(path, folder / "link.dat");
    ASSERT_TRUE(writeSavedCharts(folder / "link.dat", {person}));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.dat"));
    EXPECT_EQ(std::filesystem::file_size(path), kBirthRecordSize);
}

TEST(SavedChartsFile, CreatedIfAbsentAndNeverTouchedOtherwise) {
    TemporaryFolder folder;
    const auto path = folder / "luulaso.dat";
    ASSERT_TRUE(createSavedChartsIfAbsent(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    writeAll(path, std::vector<std::uint8_t>(kBirthRecordSize, 1));
    ASSERT_TRUE(createSavedChartsIfAbsent(path));
    EXPECT_EQ(std::filesystem::file_size(path), kBirthRecordSize);
    EXPECT_FALSE(createSavedChartsIfAbsent(folder / "no-such-folder" / "luulaso.dat"));
}

// A child process saves two different lists over and over; killed at random moments with
// SIGKILL, it must leave one list or the other, whole.
TEST(SavedChartsFile, SaveInterruptedByKillLeavesAWholeFile) {
    TemporaryFolder folder;
    const auto path = folder / "luulaso.dat";
    std::vector<BirthRecord> small(3, birth(1990, 5, 17, 8, 0, true, u"Nhỏ"));
    std::vector<BirthRecord> large(2000, birth(1960, 2, 3, 4, 5, false, u"Lớn"));
    const std::vector<std::uint8_t> smallBytes = encodeSavedCharts(small);
    const std::vector<std::uint8_t> largeBytes = encodeSavedCharts(large);
    ASSERT_TRUE(writeSavedCharts(path, small));
    std::mt19937 random(11);
    int sawSmall = 0, sawLarge = 0;
    for (int round = 0; round < 25; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) writeSavedCharts(path, i % 2 ? small : large);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(2000 + random() % 20000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const std::vector<std::uint8_t> now = readAll(path);
        const bool whole = now == smallBytes || now == largeBytes;
        EXPECT_TRUE(whole) << "round " << round << ": " << now.size() << " bytes";
        sawSmall += now == smallBytes;
        sawLarge += now == largeBytes;
    }
    EXPECT_GT(sawSmall + sawLarge, 0);
}

// A full disk, made with a file-size limit in a child process: the save fails, says so, and
// leaves the old file and no temporary file behind.
TEST(SavedChartsFile, FullDiskLeavesTheOldFile) {
    TemporaryFolder folder;
    const auto path = folder / "luulaso.dat";
    const std::vector<BirthRecord> old = {birth(1990, 5, 17, 8, 0, true, u"Cũ")};
    ASSERT_TRUE(writeSavedCharts(path, old));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::vector<BirthRecord> many(10, birth(1960, 2, 3, 4, 5, false, u"Mới"));
        ::_exit(writeSavedCharts(path, many) ? 0 : 3);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3);
    EXPECT_EQ(readAll(path), encodeSavedCharts(old));
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
        ++files;
    EXPECT_EQ(files, 1u);
}

// ---------------------------------------------------------------- saotuvi.dat

TEST(StarCatalogueFile, ShortLongAndGarbledFiles) {
    TemporaryFolder folder;
    const auto path = folder / "saotuvi.dat";
    const StarCatalogue shipped = readStarCatalogue(testing::builtStarFile());
    ASSERT_EQ(shipped.status, files::ReadStatus::Ok);
    std::vector<std::uint8_t> shippedBytes = readAll(testing::builtStarFile());
    std::vector<std::uint8_t> huge;
    while (huge.size() < (kMaxStarRecords + 50) * kStarRecordSize)
        huge.insert(huge.end(), shippedBytes.begin(), shippedBytes.end());
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::size_t records;
    } cases[] = {
        {"one and a half records", {shippedBytes.begin(), shippedBytes.begin() + 162}, 1},
        {"one record and a byte", {shippedBytes.begin(), shippedBytes.begin() + 109}, 1},
        {"longer than any chart can use", huge, kMaxStarRecords},
        {"garbled", randomBytes(200 * kStarRecordSize, 3), 200},
    };
    for (const Case& c : cases) {
        writeAll(path, c.bytes);
        const StarCatalogue read = readStarCatalogue(path);
        EXPECT_EQ(read.status, files::ReadStatus::Ok) << c.what;
        EXPECT_EQ(read.records.size(), c.records) << c.what;
        // Any catalogue makes a chart whose palaces stay within their twenty slots.
        PurpleStarChart chart{};
        chart.birth = birth(1984, 2, 2, 4, 0, true);
        ASSERT_TRUE(ComputePurpleStarChart(chart, 41, read.records)) << c.what;
        for (const ChartPalace& p : chart.palaces) {
            EXPECT_LE(p.starCount, kStarsPerPalace) << c.what;
            EXPECT_LE(p.mainStarCount, p.starCount) << c.what;
        }
    }
}

} // namespace
} // namespace velmora::charts
