// velmora-today: the device's Today screen with the registered items.
//   velmora-today [--screen PROFILE] [--screenshot FILE] [--page N] [--screenshot-on-request FILE]
//   velmora-today --weather-server URL   (stores the device's weather server and ends)
#include "platform/ipc/Endpoint.h"
#include "platform/ipc/RegisteredMessage.h"
#include "platform/ipc/SingleInstance.h"
#include "platform/net/NetworkSettings.h"
#include "platform/notify/NotificationService.h"
#include "platform/registry/RegistryKey.h"
#include "platform/shell/Application.h"
#include "platform/shell/DeviceFrame.h"
#include "platform/shell/Screenshot.h"
#include "platform/shell/SoftKeyBar.h"
#include "platform/today/NamedEvent.h"
#include "platform/today/TodayScreen.h"
#include "platform/today/TodayScreenCommands.h"

#include <QTimer>
#include <cstdio>

using namespace velmora;
using namespace velmora::todayscreen;

namespace {

void fail(const QString& text) {
    std::fprintf(stderr, "velmora-today: %s\n", qUtf8Printable(text));
    std::exit(2);
}

// Takes "--name VALUE" out of args; empty when absent.
QString takeOption(QStringList& args, const QString& name) {
    const int i = int(args.indexOf(name));
    if (i < 0) return {};
    if (i + 1 >= args.size()) fail(QStringLiteral("thiếu giá trị sau %1.").arg(name));
    const QString value = args[i + 1];
    args.remove(i, 2);
    return value;
}

} // namespace

int main(int argc, char** argv) {
    shell::Application app(argc, argv);
    QStringList args = app.programArguments().mid(1);
    const QString server = takeOption(args, QStringLiteral("--weather-server"));
    if (!server.isEmpty()) {
        const QUrl url(server, QUrl::StrictMode);
        if (!url.isValid() || url.host().isEmpty() ||
            (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
            fail(QStringLiteral("“%1” không phải địa chỉ http của một máy chủ.").arg(server));
        if (!net::setWeatherServer(url))
            fail(QStringLiteral("không ghi được cài đặt của thiết bị."));
        std::printf("velmora-today: máy chủ thời tiết của thiết bị: %s\n",
                    qUtf8Printable(net::weatherServer().toString()));
        return 0;
    }
    const QString pageText = takeOption(args, QStringLiteral("--page"));
    const QString shotOnRequest = takeOption(args, QStringLiteral("--screenshot-on-request"));
    bool pageOk = true;
    const int page = pageText.isEmpty() ? 0 : pageText.toInt(&pageOk);
    if (!pageOk || page < 0 || page > 3)
        fail(QStringLiteral("--page nhận một số từ 0 đến 3, không phải “%1”.").arg(pageText));
    if (!args.isEmpty()) fail(QStringLiteral("không hiểu tham số “%1”.").arg(args.join(u' ')));

    // One Today screen per device; a screenshot run draws its own whatever else runs.
    ipc::SingleInstance instance(QStringLiteral("TodayScreen"));
    const bool ownRun = !app.screenshotPath().isEmpty() || !shotOnRequest.isEmpty();
    if (!ownRun && instance.tryActivateExisting()) return 0;

    shell::DeviceFrame frame;
    frame.setWindowTitle(QStringLiteral("Hôm nay"));
    frame.setTitle(QStringLiteral("Hôm nay"));
    auto* screen = new TodayScreen;
    frame.setContent(screen);
    QObject::connect(&instance, &ipc::SingleInstance::activationRequested, &frame, [&frame] {
        frame.show();
        frame.raise();
        frame.activateWindow();
    });

    // The shell is up: items may now size themselves.
    setEvent(kShellApiReady);
    for (const QString& line : screen->loadRegisteredItems())
        std::fprintf(stderr, "velmora-today: %s\n", qUtf8Printable(line));
    installTodayCommands(frame, *screen);

    // Device services that run with the Today screen start here, once the items are up: the
    // notification service shows the reminders' alarms while the Today screen runs (LichVelmora
    // stands aside then). A screenshot run starts none.
    if (!ownRun) notify::NotificationService::start();

    // The page each item shows: as many right-key presses as the page number.
    for (int i = 0; i < screen->itemCount(); ++i)
        for (int n = 0; n < page; ++n)
            sendTodayMessage(screen->itemWindow(i), WM_TODAYCUSTOM_USERNAVIGATION, VK_RIGHT);

    if (!shotOnRequest.isEmpty()) {
        // Another program asks, by a registered message to the handle kept under "Device\Today",
        // for a picture of the screen as it is now; the answer is 1 once it is written.
        const uint32_t request = ipc::registerMessage(QStringLiteral("Velmora.TodayScreenshot"));
        const ipc::Handle handle = ipc::registerEndpoint(
            &frame, [&frame, request, shotOnRequest](uint32_t msg, uint32_t, int32_t) -> int32_t {
                if (msg != request) return 0;
                QCoreApplication::processEvents();
                return shell::saveScreenshot(frame, shotOnRequest) ? 1 : 0;
            });
        registry::RegistryKey key;
        if (handle == 0 ||
            registry::RegistryKey::currentUser().create(QStringLiteral("Device\\Today"), &key) !=
                registry::Status::Success ||
            key.setDword(QStringLiteral("Window"), handle) != registry::Status::Success)
            fail(QStringLiteral("không đăng ký được cửa sổ để chụp màn hình theo yêu cầu."));
    }
    const int rc = app.run(frame);
    resetEvent(kShellApiReady);
    return rc;
}
