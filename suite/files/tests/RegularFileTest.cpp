// Tests of the careful reader against real files, folders, FIFOs, devices and links.
#include "suite/files/RegularFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace velmora::files;
namespace fs = std::filesystem;

namespace {

class RegularFiles : public testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("regular-file-test-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return (dir / name).string();
    }
    fs::path dir;
};

TEST_F(RegularFiles, ReadsUpToTheLimit) {
    const std::string path = write("ten", "0123456789");
    const struct {
        std::size_t limit;
        ReadStatus status;
        std::string bytes;
    } cases[] = {{10, ReadStatus::Ok, "0123456789"},
                 {100, ReadStatus::Ok, "0123456789"},
                 {9, ReadStatus::TooLong, "012345678"},
                 {0, ReadStatus::TooLong, ""}};
    for (const auto& c : cases) {
        const ReadResult r = readRegularFile(path, c.limit);
        EXPECT_EQ(r.status, c.status) << c.limit;
        EXPECT_EQ(r.bytes, c.bytes) << c.limit;
    }
    EXPECT_EQ(readRegularFile(write("empty", ""), 10).status, ReadStatus::Ok);
}

TEST_F(RegularFiles, RefusesWhatIsNotARegularFileWithoutBlocking) {
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    fs::create_directory(dir / "folder");
    fs::create_symlink("/dev/zero", dir / "endless");
    fs::create_symlink(dir / "fifo", dir / "to-fifo");
    for (const char* name : {"fifo", "folder", "endless", "to-fifo"})
        EXPECT_EQ(readRegularFile((dir / name).string(), 1 << 20).status, ReadStatus::NotAFile)
            << name;
    EXPECT_EQ(readRegularFile((dir / "absent").string(), 10).status, ReadStatus::Missing);
    EXPECT_EQ(readRegularFile((dir / "absent" / "deeper").string(), 10).status,
              ReadStatus::Missing);
}

TEST_F(RegularFiles, FollowsALinkToARegularFile) {
    const std::string target = write("target", "abc");
    fs::create_symlink(target, dir / "link");
    const ReadResult r = readRegularFile((dir / "link").string(), 10);
    EXPECT_EQ(r.status, ReadStatus::Ok);
    EXPECT_EQ(r.bytes, "abc");
}

} // namespace
