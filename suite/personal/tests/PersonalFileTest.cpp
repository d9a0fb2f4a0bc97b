// Tests of reading and writing userinfo.dat under a temporary device root.
#include "platform/testing/TestDeviceRoot.h"

#include "suite/personal/PersonalFile.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <ostream>

using velmora::testing::kUserInfoFile;
using velmora::testing::TestDeviceRoot;

using namespace velmora::app;

namespace {

PersonalRecord sample() {
    PersonalRecord r{};
    setFieldText(r.name, QStringLiteral("Trần Văn Bình"));
    setFieldText(r.email, QStringLiteral("binh@example.vn"));
    r.birth = {1979, 3, 0, 4, 12, 0, 0, 0};
    r.sex = 1;
    r.unused[0] = 0xAB;
    return r;
}

struct ReadCase {
    const char* label;
    int size; // -1: no file
    bool read;
};

// Printed as its label in failure messages.
[[maybe_unused]] void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.label;
}

class ReadFile : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadFile, MissingOrShortFilesGiveAZeroRecord) {
    TestDeviceRoot root;
    QByteArray bytes = encodePersonalRecord(sample());
    if (GetParam().size >= 0) {
        bytes.resize(GetParam().size, '\x33');
        ASSERT_TRUE(root.put(kUserInfoFile, bytes));
    }
    const PersonalRecord r = readPersonalRecord();
    EXPECT_EQ(encodePersonalRecord(r), GetParam().read ? encodePersonalRecord(sample())
                                                       : QByteArray(kPersonalRecordSize, '\0'));
}

INSTANTIATE_TEST_SUITE_P(Personal, ReadFile,
                         testing::Values(ReadCase{"Missing", -1, false},
                                         ReadCase{"Empty", 0, false}, ReadCase{"Short", 300, false},
                                         ReadCase{"Exact", 490, true},
                                         ReadCase{"Longer", 4096, true}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(WriteFile, FirstSaveCreatesTheFolderAndA490ByteFile) {
    TestDeviceRoot root;
    ASSERT_FALSE(QFileInfo::exists(root.host("My Documents")));
    ASSERT_TRUE(writePersonalRecord(sample()));
    EXPECT_EQ(root.get(kUserInfoFile), encodePersonalRecord(sample()));
    // Only the record is left in the folder: no temporary file stays behind.
    EXPECT_EQ(QDir(root.host("My Documents/LichVelmora")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"userinfo.dat"});
    EXPECT_EQ(encodePersonalRecord(readPersonalRecord()), encodePersonalRecord(sample()));
}

TEST(WriteFile, LongerFileKeepsItsBytesFrom490On) {
    TestDeviceRoot root;
    QByteArray old(490, '\x11');
    for (int i = 0; i < 3000; ++i) old.append(char(i * 7));
    ASSERT_TRUE(root.put(kUserInfoFile, old));
    ASSERT_TRUE(writePersonalRecord(sample()));
    const QByteArray now = root.get(kUserInfoFile);
    EXPECT_EQ(now.size(), old.size());
    EXPECT_EQ(now.left(490), encodePersonalRecord(sample()));
    EXPECT_EQ(now.mid(490), old.mid(490));
}

TEST(WriteFile, ShorterFileIsReplacedByTheWholeRecord) {
    TestDeviceRoot root;
    ASSERT_TRUE(root.put(kUserInfoFile, QByteArray(100, '\x22')));
    ASSERT_TRUE(writePersonalRecord(sample()));
    EXPECT_EQ(root.get(kUserInfoFile), encodePersonalRecord(sample()));
}

TEST(WriteFile, ExistingFolderIsFoundCaseBlind) {
    TestDeviceRoot root;
    ASSERT_TRUE(root.put("my documents/LICHVELMORA/USERINFO.DAT", QByteArray(600, '\x44')));
    ASSERT_TRUE(writePersonalRecord(sample()));
    const QByteArray now = root.get("my documents/LICHVELMORA/USERINFO.DAT");
    EXPECT_EQ(now.left(490), encodePersonalRecord(sample()));
    EXPECT_EQ(now.mid(490), QByteArray(110, '\x44'));
    EXPECT_FALSE(QFileInfo::exists(root.host("My Documents")));
}

struct BlockedCase {
    const char* label;
    const char* blocker; // made a file or a folder where the record needs the other
    bool folder;
};

// Printed as its label in failure messages.
[[maybe_unused]] void PrintTo(const BlockedCase& c, std::ostream* os) {
    *os << c.label;
}

class WriteBlocked : public testing::TestWithParam<BlockedCase> {};

TEST_P(WriteBlocked, ReportsFailureAndLeavesWhatIsThere) {
    TestDeviceRoot root;
    const QString blocker = QString::fromUtf8(GetParam().blocker);
    if (GetParam().folder) {
        ASSERT_TRUE(QDir().mkpath(root.host(blocker)));
        ASSERT_TRUE(root.put(blocker + "/keep.txt", "giữ"));
    } else {
        ASSERT_TRUE(root.put(blocker, "giữ"));
    }
    EXPECT_FALSE(writePersonalRecord(sample()));
    if (GetParam().folder)
        EXPECT_EQ(root.get(blocker + "/keep.txt"), QByteArray("giữ"));
    else
        EXPECT_EQ(root.get(blocker), QByteArray("giữ"));
}

INSTANTIATE_TEST_SUITE_P(
    Personal, WriteBlocked,
    testing::Values(BlockedCase{"FolderIsAFile", "My Documents/LichVelmora", false},
                    BlockedCase{"RecordIsAFolder", "My Documents/LichVelmora/userinfo.dat", true}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(WriteFile, PathsOutsideTheRootAreRefused) {
    TestDeviceRoot root;
    EXPECT_FALSE(writePersonalRecord(sample(), "\\My Documents\\..\\..\\userinfo.dat"));
    EXPECT_FALSE(writePersonalRecord(sample(), "userinfo.dat"));
    EXPECT_EQ(encodePersonalRecord(readPersonalRecord("\\..\\userinfo.dat")),
              QByteArray(kPersonalRecordSize, '\0'));
}

} // namespace
