// Tests of starting an installed program by its device path.
#include "platform/device/DeviceRoot.h"
#include "platform/device/StartProgram.h"
#include "platform/screen/ScreenProfile.h"
#include "platform/testing/DeviceRootTest.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

using namespace velmora::device;

namespace {

class StartingPrograms : public velmora::testing::DeviceRootTest {
  protected:
    void SetUp() override {
        velmora::testing::DeviceRootTest::SetUp();
        // A program in the device is its folder with the executable linked into it.
        const std::optional<QString> folder = hostPath("\\Program Files\\Probe");
        const std::optional<QString> exe =
            hostPath("\\Program Files\\Probe\\Probe.exe", LinkPolicy::AllowProgramLink);
        ASSERT_TRUE(folder && exe);
        ASSERT_TRUE(QDir().mkpath(*folder));
        ASSERT_TRUE(QFile::link(QFileInfo(DEVICE_PROBE_PATH).absoluteFilePath(), *exe));
    }
    void TearDown() override {
        unsetenv("VELMORA_PROBE_OUT");
        velmora::testing::DeviceRootTest::TearDown();
    }

    // Starts the installed probe and returns the lines it wrote; empty if it never wrote.
    QStringList runProbe(const QString& devicePath, const QStringList& args) {
        const QString out = root + "/probe-out.txt";
        QFile::remove(out);
        setenv("VELMORA_PROBE_OUT", out.toUtf8().constData(), 1);
        if (!startProgram(devicePath, args)) return {};
        QDeadlineTimer deadline(10000);
        while (!QFile::exists(out) && !deadline.hasExpired()) QThread::msleep(20);
        QFile file(out);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n')
                                              : QStringList();
    }
};

TEST_F(StartingPrograms, StartsTheLinkedExecutableWithTheDeviceEnvironment) {
    ASSERT_TRUE(velmora::screen::select("qvga"));
    EXPECT_EQ(runProbe("\\program files\\probe\\probe.exe", {"-a", "two words"}),
              QStringList({root, "qvga", "-a", "two words"}));
}

TEST_F(StartingPrograms, StartedProgramKnowsItsDevicePath) {
    EXPECT_EQ(runProbe("\\PROGRAM FILES\\probe\\probe.EXE", {"--whoami"}),
              QStringList({"\\Program Files\\Probe\\Probe.exe", "\\Program Files\\Probe"}));
}

TEST_F(StartingPrograms, MissingOrNonExecutableProgramsDoNotStart) {
    EXPECT_FALSE(startProgram("\\Program Files\\None\\none.exe", {}));
    QFile data(root + "/notes.txt");
    ASSERT_TRUE(data.open(QIODevice::WriteOnly));
    data.close();
    EXPECT_FALSE(startProgram("\\notes.txt", {}));
    EXPECT_FALSE(startProgram("\\..\\bin\\sh", {}));
    EXPECT_FALSE(startProgram("\\Program Files\\Probe", {})); // a folder
}

} // namespace
