// The device's notification service: it watches the registered notices (NoticeStore) against the
// device clock and shows each one, when its moment comes, as a desktop notification
// (freedesktop.org notifications over the D-Bus session bus). It runs inside a program's event
// loop; one program per device runs it at a time, the others stand aside until it ends.
#pragma once

#include "platform/notify/NoticeStore.h"

#include <QLockFile>
#include <QObject>
#include <QTimer>

namespace velmora::notify {

class NotificationService : public QObject {
    Q_OBJECT
  public:
    // How often the service looks at the clock and the notices.
    static constexpr int kCheckIntervalMs = 1000;
    // The one call a program makes: starts the service for the current device, owned by `owner`
    // (the application when null), and checks at once.
    static NotificationService* start(QObject* owner = nullptr);
    ~NotificationService() override;

    // True while this instance holds the device's service lock and so shows notices; another
    // program's service has it otherwise, and this one keeps trying to take over.
    bool isActive() const { return active_; }

    // Shows what is due by the device clock now; returns how many were shown (0 when standing
    // aside).
    int checkNow();

  signals:
    // A notice was shown: its title and body.
    void shown(const QString& title, const QString& body);

  private:
    explicit NotificationService(QObject* owner);
    bool claim();
    bool showOnDesktop(const Notice& notice);

    QLockFile lock_;
    QTimer timer_;
    bool active_ = false;
    bool reportedNoBus_ = false;
};

} // namespace velmora::notify
