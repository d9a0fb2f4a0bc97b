// A window's address for other programs: a device-wide 32-bit handle and the socket behind it.
#pragma once

#include "platform/ipc/IpcNames.h"

#include <QLocalServer>
#include <QObject>
#include <functional>

namespace velmora::ipc {

class Endpoint : public QObject {
    Q_OBJECT
  public:
    // Gets the message, wParam and lParam; its result answers a send (posts ignore it).
    using Handler = std::function<int32_t(uint32_t msg, uint32_t wParam, int32_t lParam)>;

    // Allocates a handle unique on the device and starts listening; handle() is 0 on failure.
    explicit Endpoint(Handler handler, QObject* parent = nullptr);
    ~Endpoint() override;

    Handle handle() const { return handle_; }
    int32_t deliver(uint32_t msg, uint32_t wParam, int32_t lParam) const;

    // The endpoint of this process with that handle, or null.
    static Endpoint* local(Handle handle);

  private:
    void serve(class QLocalSocket* socket);

    Handler handler_;
    QLocalServer server_;
    Handle handle_ = 0;
};

// Creates an endpoint that lives as long as owner and returns its handle (0 on failure).
Handle registerEndpoint(QObject* owner, Endpoint::Handler handler);

// The next handle from the device-wide counter in the registry; 0 when the registry fails.
Handle allocateHandle();

} // namespace velmora::ipc
