// LichVelmora's entry: installed into the device, one instance, the main window in its frame.
#include "app/res/MainMenu.h"
#include "app/shell/MainWindow.h"
#include "app/shell/ProgramState.h"
#include "app/shell/Tools.h"
#include "platform/device/ProgramFolder.h"
#include "platform/ipc/SingleInstance.h"
#include "platform/notify/NotificationService.h"
#include "platform/shell/Application.h"
#include "platform/shell/DeviceFrame.h"
#include "suite/install/Install.h"

#include <QCoreApplication>
#include <QIcon>
#include <cstdio>

namespace {

constexpr char16_t kProgramPath[] = u"\\Program Files\\LichVelmora\\LichVelmora.exe";

// Where the build left the shipped Data and Images; VELMORA_SHIPPED_FILES overrides it.
QString shippedFiles() {
    const QString dir = qEnvironmentVariable("VELMORA_SHIPPED_FILES");
    return dir.isEmpty() ? QStringLiteral(VELMORA_DEVICE_DATA_DIR) : dir;
}

// Puts the program, its Data and Images into the device; shipped files the user may
// have changed are kept.
bool installIntoDevice(QString* problem) {
    velmora::install::InstallPlan plan;
    plan.programFolder = velmora::device::programFolderOf(QString::fromUtf16(kProgramPath));
    plan.exeName = QStringLiteral("LichVelmora.exe");
    plan.hostExecutable = QCoreApplication::applicationFilePath();
    plan.hostData = shippedFiles() + QStringLiteral("/Data");
    plan.hostImages = shippedFiles() + QStringLiteral("/Images");
    QString error;
    if (velmora::install::install(plan, &error)) return true;
    *problem = QStringLiteral("Không cài được chương trình vào thiết bị: %1.").arg(error);
    std::fprintf(stderr, "lichvelmora: %s\n", qUtf8Printable(*problem));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    velmora::shell::Application app(argc, argv);
    using namespace velmora::app;

    QString installProblem;
    const bool installed = installIntoDevice(&installProblem);
    if (app.programArguments().contains(QStringLiteral("--install-only"))) return installed ? 0 : 1;
    velmora::device::setCurrentProgramDevicePath(QString::fromUtf16(kProgramPath));

    // A second start brings the running window forward and ends without a window.
    // A screenshot run draws its own picture whatever else runs.
    const QString title = QString::fromUtf16(kWindowTitle);
    velmora::ipc::SingleInstance instance(QString::fromUtf16(kWindowClass) + QLatin1Char('|') +
                                          title);
    if (app.screenshotPath().isEmpty() && instance.tryActivateExisting()) return 0;

    // The reminders' alarms are shown by the device's notification service, which the running
    // program hosts (another program of the device may already host it: this one then stands by).
    if (app.screenshotPath().isEmpty()) velmora::notify::NotificationService::start();

    ProgramState state;
    state.programFolder = velmora::device::ProgramFolder();
    loadProgramState(state);
    if (!installed) state.startUpProblems.prepend(installProblem);

    velmora::shell::DeviceFrame frame;
    frame.setWindowTitle(title);
    frame.setWindowIcon(QIcon(QStringLiteral(":/bitmaps/icon101.png")));
    auto* window = new MainWindow(state, frame); // the frame owns it
    installTools(*window);
    QObject::connect(&instance, &velmora::ipc::SingleInstance::activationRequested, &frame,
                     [&frame] {
                         frame.show();
                         frame.raise();
                         frame.activateWindow();
                     });
    return app.run(frame);
}
