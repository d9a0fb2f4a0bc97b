// The helper processes of the ipc tests: an endpoint server, a message registrar, an instance.
#include "platform/ipc/tests/IpcChildren.h"

#include "platform/ipc/Endpoint.h"
#include "platform/ipc/RegisteredMessage.h"
#include "platform/ipc/SingleInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QTimer>
#include <cstdio>

extern const char* g_testBinary;

namespace velmora::ipc::test {

void startChild(QProcess& process, const QStringList& args) {
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(g_testBinary, args);
}

QString readLine(QProcess& process, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!process.canReadLine() && !deadline.hasExpired())
        if (!process.waitForReadyRead(int(deadline.remainingTime()))) break;
    return QString::fromUtf8(process.readLine()).trimmed();
}

} // namespace velmora::ipc::test

namespace {

using namespace velmora::ipc;

void say(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

int serve() {
    QObject owner;
    int32_t sum = 0;
    const uint32_t ping = registerMessage(velmora::ipc::test::pingName);
    const Handle handle = registerEndpoint(&owner, [&](uint32_t msg, uint32_t w, int32_t l) {
        if (msg == velmora::ipc::test::msgAdd) return int32_t(w) + l;
        if (msg == velmora::ipc::test::msgRemember) sum += l;
        if (msg == velmora::ipc::test::msgRecall) return sum;
        if (msg == velmora::ipc::test::msgSlow) {
            QThread::msleep(1500);
            return 1;
        }
        if (msg == ping) return velmora::ipc::test::pingAnswer;
        if (msg == velmora::ipc::test::msgClose)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return 0;
    });
    if (handle == 0) return 1;
    say(QString::number(handle));
    QTimer::singleShot(60000, qApp, [] { QCoreApplication::exit(3); }); // never linger
    return QCoreApplication::exec();
}

int instance(const QString& key) {
    SingleInstance single(key);
    if (single.tryActivateExisting()) {
        say("second");
        return 0;
    }
    say("primary");
    QObject::connect(&single, &SingleInstance::activationRequested, qApp, [] {
        say("activated");
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
    QTimer::singleShot(60000, qApp, [] { QCoreApplication::exit(3); });
    return QCoreApplication::exec();
}

} // namespace

int runChild(const QStringList& args) {
    const QString role = args.value(0);
    if (role == "--child-serve") return serve();
    if (role == "--child-register") {
        say(QString::number(registerMessage(args.value(1))));
        return 0;
    }
    if (role == "--child-instance") return instance(args.value(1));
    return 2;
}
