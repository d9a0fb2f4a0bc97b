// Tests of installing a program: fresh install, reinstall over user changes, the registry value.
#include "suite/install/Install.h"
#include "platform/device/DeviceRoot.h"
#include "platform/registry/RegistryKey.h"
#include "platform/testing/DeviceRootTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace velmora::device;
using namespace velmora::install;
using velmora::registry::RegistryKey;
using velmora::registry::Status;

namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray readDevice(const QString& devicePath) {
    QFile f(hostPath(devicePath).value_or(QString()));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class Installation : public velmora::testing::DeviceRootTest {
  protected:
    void SetUp() override {
        velmora::testing::DeviceRootTest::SetUp();
        ASSERT_TRUE(host.isValid());
        writeFile(host.path() + "/Data/amlich.dat", "shipped 1");
        writeFile(host.path() + "/Data/nhipsinhhoc.dat", "blank biorhythm");
        writeFile(host.path() + "/Images/P01.jpg", "picture 1");
        writeFile(host.path() + "/Images/Today/bg.png", "today picture");
        plan.programFolder = "\\Program Files\\LichVelmora\\";
        plan.exeName = "LichVelmora.exe";
        plan.hostExecutable = DEVICE_PROBE_PATH;
        plan.hostData = host.path() + "/Data";
        plan.hostImages = host.path() + "/Images";
        plan.hostTodayItem = DEVICE_PROBE_PATH; // any file stands for the plug-in here
    }

    QTemporaryDir host;
    InstallPlan plan;
};

TEST_F(Installation, FreshInstallPlacesEverything) {
    QString error;
    ASSERT_TRUE(install(plan, &error)) << error.toStdString();
    const QFileInfo exe(root + "/Program Files/LichVelmora/LichVelmora.exe");
    EXPECT_TRUE(exe.isSymLink());
    EXPECT_EQ(exe.symLinkTarget(), QFileInfo(DEVICE_PROBE_PATH).absoluteFilePath());
    EXPECT_EQ(readDevice("\\Program Files\\LichVelmora\\Data\\amlich.dat"), "shipped 1");
    EXPECT_EQ(readDevice("\\Program Files\\LichVelmora\\Data\\nhipsinhhoc.dat"), "blank biorhythm");
    EXPECT_EQ(readDevice("\\Program Files\\LichVelmora\\Images\\P01.jpg"), "picture 1");
    EXPECT_EQ(readDevice("\\Program Files\\LichVelmora\\Images\\Today\\bg.png"), "today picture");

    RegistryKey key;
    ASSERT_EQ(RegistryKey::currentUser().open("software\\velmorasoft\\lichvelmora", &key),
              Status::Success);
    QString folder;
    ASSERT_EQ(key.getString("ThuMucLich", &folder), Status::Success);
    EXPECT_EQ(folder, "\\Program Files\\LichVelmora");
}

TEST_F(Installation, ReinstallKeepsUserFilesAndRefreshesShippedOnes) {
    ASSERT_TRUE(install(plan));
    writeFile(hostPath("\\Program Files\\LichVelmora\\Data\\nhipsinhhoc.dat").value(), "my people");
    writeFile(hostPath("\\Program Files\\LichVelmora\\Data\\amlich.dat").value(), "damaged");
    writeFile(host.path() + "/Data/amlich.dat", "shipped 2");
    writeFile(host.path() + "/Data/luulaso.dat", "blank charts");

    ASSERT_TRUE(install(plan));
    EXPECT_EQ(readDevice("\\Program Files\\LichVelmora\\Data\\nhipsinhhoc.dat"), "my people");
    EXPECT_EQ(readDevice("\\Program Files\\LichVelmora\\Data\\amlich.dat"), "shipped 2");
    EXPECT_EQ(readDevice("\\Program Files\\LichVelmora\\Data\\luulaso.dat"), "blank charts");
    EXPECT_TRUE(QFileInfo(root + "/Program Files/LichVelmora/LichVelmora.exe").isSymLink());
}

TEST_F(Installation, ReinstallUsesTheFoldersAsTheUserSpelledThem) {
    ASSERT_TRUE(QDir(root).mkpath("program files/lichvelmora/data"));
    writeFile(root + "/program files/lichvelmora/data/NhipSinhHoc.dat", "my people");
    ASSERT_TRUE(install(plan));
    EXPECT_FALSE(QFileInfo::exists(root + "/Program Files"));
    EXPECT_EQ(readDevice("\\Program Files\\LichVelmora\\Data\\nhipsinhhoc.dat"), "my people");
}

QString stringValue(const QString& path, const QString& name) {
    RegistryKey key;
    QString text;
    RegistryKey::currentUser().open(path, &key);
    key.getString(name, &text);
    return text;
}

uint32_t dwordValue(const QString& path, const QString& name) {
    RegistryKey key;
    uint32_t value = 99;
    RegistryKey::currentUser().open(path, &key);
    key.getDword(name, &value);
    return value;
}

const QString kItemKey = "Device\\Today\\Items\\VelmoraToday";

TEST_F(Installation, TodayItemIsLinkedAndRegisteredWithTheTodayScreen) {
    writeFile(host.path() + "/Images/mypic.png", "default picture");
    ASSERT_TRUE(install(plan));
    const QFileInfo dll(root + "/Program Files/LichVelmora/VelmoraToday.dll");
    EXPECT_TRUE(dll.isSymLink());
    EXPECT_EQ(dll.symLinkTarget(), QFileInfo(DEVICE_PROBE_PATH).absoluteFilePath());
    EXPECT_EQ(stringValue(kItemKey, "DLL"), "\\Program Files\\LichVelmora\\VelmoraToday.dll");
    EXPECT_EQ(dwordValue(kItemKey, "Enabled"), 1u);
    EXPECT_EQ(dwordValue(kItemKey, "Options"), 1u);
    EXPECT_EQ(stringValue("Software\\VelmoraSoft\\VelmoraToday", "ThuMucAnh"),
              "\\Program Files\\LichVelmora\\Images");
    EXPECT_EQ(readDevice("\\Program Files\\LichVelmora\\Images\\mypic.png"), "default picture");
}

TEST_F(Installation, ReinstallKeepsTheUsersTodayChoices) {
    writeFile(host.path() + "/Images/mypic.png", "default picture");
    ASSERT_TRUE(install(plan));
    RegistryKey item, today;
    ASSERT_EQ(RegistryKey::currentUser().open(kItemKey, &item), Status::Success);
    ASSERT_EQ(item.setDword("Enabled", 0), Status::Success);
    ASSERT_EQ(RegistryKey::currentUser().open("Software\\VelmoraSoft\\VelmoraToday", &today),
              Status::Success);
    ASSERT_EQ(today.setString("ThuMucAnh", "\\My Documents\\Ảnh"), Status::Success);
    writeFile(hostPath("\\Program Files\\LichVelmora\\Images\\mypic.png").value(), "my face");

    ASSERT_TRUE(install(plan));
    EXPECT_EQ(dwordValue(kItemKey, "Enabled"), 0u);
    EXPECT_EQ(stringValue("Software\\VelmoraSoft\\VelmoraToday", "ThuMucAnh"),
              QStringLiteral("\\My Documents\\Ảnh"));
    EXPECT_EQ(readDevice("\\Program Files\\LichVelmora\\Images\\mypic.png"), "my face");
}

TEST_F(Installation, WithoutAPluginNoTodayItemIsRegistered) {
    plan.hostTodayItem = host.path() + "/nothing.so";
    ASSERT_TRUE(install(plan));
    RegistryKey item;
    EXPECT_EQ(RegistryKey::currentUser().open(kItemKey, &item), Status::NotFound);
    EXPECT_FALSE(QFileInfo::exists(root + "/Program Files/LichVelmora/VelmoraToday.dll"));
}

struct BadPlanCase {
    QString folder, exe;
    bool hostExeMissing;
};
class BadInstall : public Installation, public testing::WithParamInterface<BadPlanCase> {};

TEST_P(BadInstall, FailsWithAReason) {
    plan.programFolder = GetParam().folder;
    plan.exeName = GetParam().exe;
    if (GetParam().hostExeMissing) plan.hostExecutable = host.path() + "/nothing";
    QString error;
    EXPECT_FALSE(install(plan, &error));
    EXPECT_FALSE(error.isEmpty());
    // Told to the user as it is: in Vietnamese.
    EXPECT_TRUE(error.contains(QStringLiteral("không")) || error.contains(QStringLiteral("mô tả")))
        << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Plans, BadInstall,
                         testing::Values(BadPlanCase{"\\Program Files\\..\\..\\x", "a.exe", false},
                                         BadPlanCase{"Program Files\\X", "a.exe", false},
                                         BadPlanCase{"\\Program Files\\X", "", false},
                                         BadPlanCase{"\\Program Files\\X", "..\\a.exe", false},
                                         BadPlanCase{"\\Program Files\\X", "a.exe", true}));

} // namespace
