// Tests of device paths: refusals, case-blind matching, links, reverse mapping, program folder.
#include "platform/device/DeviceRoot.h"
#include "platform/device/ProgramFolder.h"
#include "platform/device/RandomBytes.h"
#include "platform/testing/DeviceRootTest.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>

using namespace velmora::device;

namespace {

class DevicePath : public velmora::testing::DeviceRootTest {};

class RefusedPath : public velmora::testing::DeviceRootTest,
                    public testing::WithParamInterface<QString> {};

TEST_P(RefusedPath, IsRefused) {
    EXPECT_FALSE(hostPath(GetParam()).has_value()) << GetParam().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Paths, RefusedPath,
                         testing::Values(QString(""), QString("My Documents\\a.dat"),
                                         QString("\\..\\etc\\passwd"), QString("\\a\\..\\..\\x"),
                                         QString("\\a\\..\\b"), QString("\\a\\\\b"),
                                         QString("\\\\server\\share\\x"), QString("\\.\\x"),
                                         QString("\\a/../../x"),
                                         QString("\\a") + QChar(0) + QString("b")));

TEST_F(DevicePath, MapsBelowTheRoot) {
    EXPECT_EQ(hostPath("\\").value_or("?"), root);
    EXPECT_EQ(hostPath("\\My Documents\\LichVelmora\\userinfo.dat").value_or("?"),
              root + "/My Documents/LichVelmora/userinfo.dat");
    EXPECT_EQ(hostPath("\\Program Files\\X\\").value_or("?"), root + "/Program Files/X");
    EXPECT_EQ(hostPath("/Windows/a.txt").value_or("?"), root + "/Windows/a.txt");
}

TEST_F(DevicePath, ExistingComponentsMatchCaseBlind) {
    ASSERT_TRUE(QDir(root).mkpath("my documents/lichvelmora"));
    EXPECT_EQ(hostPath("\\My Documents\\LichVelmora\\UserInfo.dat").value_or("?"),
              root + "/my documents/lichvelmora/UserInfo.dat");
    // The exact spelling wins where the host holds both.
    ASSERT_TRUE(QDir(root).mkpath("My Documents"));
    EXPECT_EQ(hostPath("\\My Documents").value_or("?"), root + "/My Documents");
}

TEST_F(DevicePath, LinkOutsideTheRootIsRefused) {
    QTemporaryDir outside;
    ASSERT_TRUE(QFile::link(outside.path(), root + "/escape"));
    ASSERT_TRUE(QFile::link(outside.path() + "/file", root + "/dangling"));
    ASSERT_TRUE(QDir(root).mkpath("inner"));
    ASSERT_TRUE(QFile::link(root + "/inner", root + "/alias"));
    EXPECT_FALSE(hostPath("\\escape\\secret.txt").has_value());
    EXPECT_FALSE(hostPath("\\ESCAPE").has_value());
    EXPECT_FALSE(hostPath("\\dangling").has_value());
    EXPECT_EQ(hostPath("\\alias\\a.txt").value_or("?"), root + "/alias/a.txt");
}

TEST_F(DevicePath, DevicePathOfIsTheReverse) {
    EXPECT_EQ(devicePathOf(root + "/My Documents/a.dat").value_or("?"), "\\My Documents\\a.dat");
    EXPECT_EQ(devicePathOf(root).value_or("?"), "\\");
    EXPECT_FALSE(devicePathOf(root + "/../elsewhere").has_value());
    EXPECT_FALSE(devicePathOf("/etc/passwd").has_value());
    EXPECT_FALSE(devicePathOf(root + "-sibling/a").has_value());
}

TEST(DeviceRootDefault, FollowsXdgDataHome) {
    unsetenv("VELMORA_DEVICE_ROOT");
    setenv("XDG_DATA_HOME", "/srv/data", 1);
    EXPECT_EQ(deviceRoot(), "/srv/data/velmora/device");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(deviceRoot(), QDir::homePath() + "/.local/share/velmora/device");
}

struct FolderCase {
    QString exe, folder;
};
class ProgramFolderOf : public testing::TestWithParam<FolderCase> {};

TEST_P(ProgramFolderOf, CutsAtTheLastBackslash) {
    EXPECT_EQ(programFolderOf(GetParam().exe), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(Paths, ProgramFolderOf,
                         testing::Values(FolderCase{"\\Program Files\\LichVelmora\\LichVelmora.exe",
                                                    "\\Program Files\\LichVelmora"},
                                         FolderCase{"\\Program Files\\X\\app.exe",
                                                    "\\Program Files\\X"},
                                         FolderCase{"\\app.exe", ""}, FolderCase{"app.exe", ""}));

TEST(ProgramFolder, FollowsTheCurrentProgram) {
    setCurrentProgramDevicePath("\\Program Files\\X\\app.exe");
    EXPECT_EQ(ProgramFolder() + "\\Images\\P01.jpg", "\\Program Files\\X\\Images\\P01.jpg");
}

TEST(RandomBytes, FillsTheWholeBuffer) {
    std::array<unsigned char, 64> a{}, b{};
    ASSERT_TRUE(randomBytes(a.data(), a.size()));
    ASSERT_TRUE(randomBytes(b.data(), b.size()));
    EXPECT_NE(a, b);
    // The last byte is written too (64 zero bytes by chance: 2^-512).
    EXPECT_NE(a, decltype(a){});
    EXPECT_TRUE(randomBytes(nullptr, 0));
}

} // namespace
