// The weather update: on a thread of its own, it brings up a connection to the weather server,
// downloads and stores the shown city's forecast, and reports its progress to the item window.
#pragma once

#include "platform/ipc/IpcNames.h"

#include <QString>
#include <QUrl>
#include <atomic>
#include <functional>
#include <memory>

class QThread;

namespace velmora::today {

// How the update tells the user something went wrong: the text, and whether the box belongs to
// the item window ("Không kết nối internet", a plain box) or to no window ("Không có kết nối",
// with the error icon).
using TellUser = std::function<void(const QString& text, bool ownedByItem)>;

inline constexpr char16_t kNoConnectionText[] = u"Không có kết nối";
inline constexpr int kConnectTimeoutMs = 60000;

// The port the connection is tried on: the server's own, else its scheme's (443 for https).
quint16 serverPort(const QUrl& server);

// The thread's body: sets `running`, posts WM_VL_STATUS 1 to the item's handle; finds the
// destination network for the weather server and connects within 60 s (failing that: status 5
// and "Không có kết nối"); then status 2, FetchWeather for the city, status 4; clears `running`.
// Returns 0.
uint32_t WeatherUpdateThread(ipc::Handle item, uint32_t sequenceNumber, std::atomic<bool>& running,
                             const TellUser& tellUser);

// Starts WeatherUpdateThread on a new thread unless one is running (the flag is set); the thread
// deletes itself when done. Null when none was started.
QThread* startWeatherUpdate(ipc::Handle item, uint32_t sequenceNumber,
                            std::shared_ptr<std::atomic<bool>> running, TellUser tellUser);

} // namespace velmora::today
