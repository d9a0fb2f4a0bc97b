// The service's timer, its device-wide lock and the desktop notification call.
#include "platform/notify/NotificationService.h"

#include "platform/device/DeviceClock.h"
#include "platform/ipc/IpcNames.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>
#include <cstdio>

namespace velmora::notify {

namespace {

const QString kServiceKey = QStringLiteral("VelmoraNotificationService");
const QString kNotificationsService = QStringLiteral("org.freedesktop.Notifications");
const QString kNotificationsPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kNotificationsInterface = QStringLiteral("org.freedesktop.Notifications");
constexpr int kCallTimeoutMs = 2000;

} // namespace

NotificationService* NotificationService::start(QObject* owner) {
    auto* service = new NotificationService(owner ? owner : QCoreApplication::instance());
    service->checkNow();
    return service;
}

NotificationService::NotificationService(QObject* owner)
    : QObject(owner), lock_(ipc::instanceLockPath(kServiceKey)) {
    // A lock counts as stale only when its process is gone, never by age.
    lock_.setStaleLockTime(0);
    timer_.setInterval(kCheckIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &NotificationService::checkNow);
    timer_.start();
}

NotificationService::~NotificationService() {
    if (active_) lock_.unlock();
}

bool NotificationService::claim() {
    if (!active_) active_ = lock_.tryLock(0);
    return active_;
}

int NotificationService::checkNow() {
    if (!claim()) return 0;
    return processDueNotices(device::localNow(),
                             [this](const Notice& notice) { return showOnDesktop(notice); });
}

bool NotificationService::showOnDesktop(const Notice& notice) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    QString failure;
    if (bus.isConnected()) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(kNotificationsService, kNotificationsPath,
                                           kNotificationsInterface, QStringLiteral("Notify"));
        QVariantMap hints;
        hints.insert(QStringLiteral("urgency"), QVariant::fromValue<uchar>(1));
        call << QStringLiteral("Lịch Velmora") << 0u << QStringLiteral("appointment-soon")
             << notice.title << notice.body << QStringList() << hints << -1;
        const QDBusMessage reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage) {
            reportedNoBus_ = false;
            emit shown(notice.title, notice.body);
            return true;
        }
        failure = reply.errorMessage();
    } else {
        failure = bus.lastError().message();
    }
    // Told once until a notification gets through again; the notice waits for the next try.
    if (!reportedNoBus_) {
        reportedNoBus_ = true;
        std::fprintf(stderr, "velmora: không hiện được thông báo \"%s\": %s\n",
                     qUtf8Printable(notice.title), qUtf8Printable(failure));
    }
    return false;
}

} // namespace velmora::notify
