// A desktop notification server for tests: it takes the name org.freedesktop.Notifications on the
// session bus, answers as a real server does, and appends every notification it receives to the
// file named on its command line, one line each: summary, a tab, the body with its line breaks
// written as "\n". It prints "ready" once the name is its own.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <cstdio>

class NotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
  public:
    explicit NotificationServer(const QString& log) : log_(log) {}

  public slots:
    Q_SCRIPTABLE uint Notify(const QString& appName, uint replacesId, const QString& appIcon,
                             const QString& summary, const QString& body,
                             const QStringList& actions, const QVariantMap& hints,
                             int expireTimeout) {
        Q_UNUSED(appName)
        Q_UNUSED(replacesId)
        Q_UNUSED(appIcon)
        Q_UNUSED(actions)
        Q_UNUSED(hints)
        Q_UNUSED(expireTimeout)
        QFile file(log_);
        if (file.open(QIODevice::Append)) {
            QString escaped = body;
            escaped.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
            file.write((summary + QLatin1Char('\t') + escaped + QLatin1Char('\n')).toUtf8());
        }
        return ++last_;
    }
    Q_SCRIPTABLE QStringList GetCapabilities() { return {QStringLiteral("body")}; }
    Q_SCRIPTABLE QString GetServerInformation(QString& vendor, QString& version,
                                              QString& protocolVersion) {
        vendor = QStringLiteral("test");
        version = QStringLiteral("1");
        protocolVersion = QStringLiteral("1.2");
        return QStringLiteral("notification-test-server");
    }
    Q_SCRIPTABLE void CloseNotification(uint id) { Q_UNUSED(id) }

  private:
    QString log_;
    uint last_ = 0;
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s LOG-FILE\n", argv[0]);
        return 2;
    }
    NotificationServer server(QString::fromLocal8Bit(argv[1]));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &server,
                            QDBusConnection::ExportScriptableSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        std::fprintf(stderr, "notification server: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

#include "NotificationServer.moc"
