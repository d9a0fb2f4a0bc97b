// Tests of reading and writing userinfo.dat under a temporary device root.
#include "platform/testing/TestDeviceRoot.h"

#include "suite/personal/PersonalFile.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <ostream>

#include <sys/stat.h>

using velmora::testing::kUserInfoFile;
using velmora::testing::TestDeviceRoot;

using namespace velmora::personal;

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
    PersonalFileState state;
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
    const PersonalFileRead read = readPersonalFile();
    EXPECT_EQ(read.state, GetParam().state);
    EXPECT_EQ(encodePersonalRecord(read.record), GetParam().read
                                                     ? encodePersonalRecord(sample())
                                                     : QByteArray(kPersonalRecordSize, '\0'));
}

INSTANTIATE_TEST_SUITE_P(Personal, ReadFile,
                         testing::Values(ReadCase{"Missing", -1, false, PersonalFileState::Missing},
                                         ReadCase{"Empty", 0, false, PersonalFileState::Short},
                                         ReadCase{"Short", 300, false, PersonalFileState::Short},
                                         ReadCase{"Exact", 490, true, PersonalFileState::Ok},
                                         ReadCase{"Longer", 4096, true, PersonalFileState::Ok}),
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
    QString error;
    EXPECT_FALSE(writePersonalRecord(sample(), kPersonalFile, &error));
    EXPECT_FALSE(error.isEmpty()); // told in Vietnamese by the dialog
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

// A FIFO in place of userinfo.dat blocked the program's start for ever, and a link to an endless
// file was read without limit.
TEST(ReadFile, WhatIsNotAFileIsReadWithoutBlocking) {
    TestDeviceRoot root;
    ASSERT_TRUE(QDir().mkpath(root.host("My Documents/LichVelmora")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(root.host(kUserInfoFile)).constData(), 0600), 0);
    EXPECT_EQ(readPersonalFile().state, PersonalFileState::Unreadable);
    QFile::remove(root.host(kUserInfoFile));
    ASSERT_TRUE(QFile::link("/dev/zero", root.host(kUserInfoFile)));
    EXPECT_EQ(readPersonalFile().state, PersonalFileState::Unreadable);
    EXPECT_FALSE(personalFileMessage(PersonalFileState::Unreadable).isEmpty());
}

// A garbled record (a text that never ends in its field, an impossible birth date, control
// characters) opens with what can be read and a message.
TEST(ReadFile, GarbledRecordIsReadAsFarAsItGoesAndTold) {
    const struct {
        const char* label;
        int offset;
        QByteArray bytes;
    } cases[] = {
        {"name without end", 0, QByteArray(100, 'A')},
        {"impossible birth", 440, QByteArray::fromHex("d1070d00000020001900000000000000")},
        {"escape in the address", 200, QByteArray("\x1b\0[\0", 4)},
    };
    for (const auto& c : cases) {
        TestDeviceRoot root;
        QByteArray bytes = encodePersonalRecord(sample());
        bytes.replace(c.offset, c.bytes.size(), c.bytes);
        ASSERT_TRUE(root.put(kUserInfoFile, bytes));
        const PersonalFileRead read = readPersonalFile();
        EXPECT_EQ(read.state, PersonalFileState::Garbled) << c.label;
        EXPECT_EQ(fieldText(read.record.email), QStringLiteral("binh@example.vn")) << c.label;
        EXPECT_TRUE(personalFileMessage(read.state).contains(QStringLiteral("userinfo.dat.hong")));
    }
}

// A short or garbled file was overwritten by the next save: it is kept aside first, every time.
TEST(WriteFile, ADamagedFileIsKeptAsideBeforeTheSave) {
    TestDeviceRoot root;
    const QByteArray shortFile(120, '\x55');
    ASSERT_TRUE(root.put(kUserInfoFile, shortFile));
    ASSERT_TRUE(writePersonalRecord(sample()));
    EXPECT_EQ(root.get(kUserInfoFile + ".hong"), shortFile);
    EXPECT_EQ(root.get(kUserInfoFile), encodePersonalRecord(sample()));
    // A good file is not kept aside; a second damaged one gets a numbered name.
    ASSERT_TRUE(writePersonalRecord(sample()));
    EXPECT_FALSE(root.exists(kUserInfoFile + ".hong.2"));
    ASSERT_TRUE(root.put(kUserInfoFile, QByteArray(7, '\x66')));
    ASSERT_TRUE(writePersonalRecord(sample()));
    EXPECT_EQ(root.get(kUserInfoFile + ".hong"), shortFile);
    EXPECT_EQ(root.get(kUserInfoFile + ".hong.2"), QByteArray(7, '\x66'));
}

TEST(WriteFile, PathsOutsideTheRootAreRefused) {
    TestDeviceRoot root;
    EXPECT_FALSE(writePersonalRecord(sample(), "\\My Documents\\..\\..\\userinfo.dat"));
    EXPECT_FALSE(writePersonalRecord(sample(), "userinfo.dat"));
    EXPECT_EQ(encodePersonalRecord(readPersonalRecord("\\..\\userinfo.dat")),
              QByteArray(kPersonalRecordSize, '\0'));
}

} // namespace
