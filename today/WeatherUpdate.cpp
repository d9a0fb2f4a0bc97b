// The update's steps and its thread.
#include "today/WeatherUpdate.h"

#include "platform/device/DeviceClock.h"
#include "platform/ipc/Messaging.h"
#include "platform/net/ConnectionManager.h"
#include "platform/net/NetworkSettings.h"
#include "suite/today/TodayMessages.h"
#include "suite/weather/WeatherFetch.h"

#include <QThread>

namespace velmora::today {

quint16 serverPort(const QUrl& server) {
    return quint16(server.port(server.scheme() == QLatin1String("https") ? 443 : 80));
}

uint32_t WeatherUpdateThread(ipc::Handle item, uint32_t sequenceNumber, std::atomic<bool>& running,
                             const TellUser& tellUser) {
    running = true;
    auto status = [item](uint32_t s) { ipc::post(item, WM_VL_STATUS, s, 0); };
    status(UpdateStarted);

    const QUrl server = net::weatherServer();
    const std::optional<net::Destination> destination = net::destinationForUrl(server);
    const bool connected =
        destination && net::connectAndWait(destination->id, server.host(), serverPort(server),
                                           kConnectTimeoutMs) == net::StatusConnected;
    if (!connected) {
        status(UpdateFailed);
        if (tellUser) tellUser(QString::fromUtf16(kNoConnectionText), false);
    } else {
        status(UpdateConnected);
        weather::FetchWeather(sequenceNumber, device::localSystemTime(), [&](const QString& text) {
            if (tellUser) tellUser(text, true);
        });
        status(UpdateFinished);
    }
    running = false;
    return 0;
}

QThread* startWeatherUpdate(ipc::Handle item, uint32_t sequenceNumber,
                            std::shared_ptr<std::atomic<bool>> running, TellUser tellUser) {
    if (!running || *running) return nullptr;
    *running = true; // taken before the thread runs, so a second command finds it set
    QThread* thread = QThread::create([item, sequenceNumber, running, tellUser] {
        WeatherUpdateThread(item, sequenceNumber, *running, tellUser);
    });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
    if (!thread->isRunning() && !thread->isFinished()) { // the system had no thread to give
        delete thread;
        *running = false;
        return nullptr;
    }
    return thread;
}

} // namespace velmora::today
