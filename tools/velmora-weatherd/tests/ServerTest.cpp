// Tests of velmora-weatherd as a process: the answers to the item's request and to everything
// else, from saved answers and from a forecast API that the test plays itself.
#include "tools/velmora-weatherd/src/ForecastReply.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QByteArray fixture(const QString& code) {
    QFile f(QStringLiteral(FIXTURE_DIR "/") + code + ".json");
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Answer {
    int status = 0;
    QByteArray body;
};

// Sends raw request bytes and reads the whole answer (the server closes after it).
Answer ask(quint16 port, const QByteArray& request) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(3000)) return {};
    socket.write(request);
    QByteArray bytes;
    const QDeadlineTimer deadline(10000);
    while (socket.state() == QAbstractSocket::ConnectedState && !deadline.hasExpired()) {
        socket.waitForReadyRead(100);
        bytes += socket.readAll();
    }
    bytes += socket.readAll();
    Answer a;
    const qsizetype headEnd = bytes.indexOf("\r\n\r\n");
    a.status = bytes.mid(9, 3).toInt();
    a.body = headEnd < 0 ? QByteArray() : bytes.mid(headEnd + 4);
    return a;
}

Answer get(quint16 port, const QByteArray& target) {
    return ask(port, "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
}

class Server : public testing::Test {
  protected:
    // Starts the server on a free port; its first line names the port.
    quint16 start(const QStringList& args) {
        process.start(QStringLiteral(WEATHERD_PATH), QStringList{"--port", "0"} + args);
        EXPECT_TRUE(process.waitForStarted());
        const QDeadlineTimer deadline(10000);
        while (!process.canReadLine() && !deadline.hasExpired()) process.waitForReadyRead(100);
        const QString line = QString::fromUtf8(process.readLine());
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("127\\.0\\.0\\.1:(\\d+)/today")).match(line);
        EXPECT_TRUE(m.hasMatch()) << line.toStdString();
        return quint16(m.captured(1).toUInt());
    }
    void TearDown() override {
        process.kill();
        process.waitForFinished();
    }
    int argc = 0;
    QCoreApplication app{argc, nullptr};
    QProcess process;
};

TEST_F(Server, AnswersTheItemFromSavedAnswers) {
    const quint16 port = start({"--fixture", FIXTURE_DIR});
    const Answer a = get(port, "/today/w.php?c=vmxx0006");
    EXPECT_EQ(a.status, 200);
    EXPECT_EQ(QString::fromUtf8(a.body),
              velmora::weatherd::composeReply(fixture("vmxx0006"), "vmxx0006").value());
    // The code as the item's fallback spells it.
    EXPECT_EQ(get(port, "/today/w.php?c=VMXX0006").body, a.body);
}

TEST_F(Server, AnswersEverythingElseWithAnError) {
    const quint16 port = start({"--fixture", FIXTURE_DIR});
    const struct {
        QByteArray request;
        int status;
    } cases[] = {
        {"GET /today/w.php?c=vmxx0021 HTTP/1.1\r\n\r\n", 404}, // no such code
        {"GET /today/w.php HTTP/1.1\r\n\r\n", 404},            // no code
        {"GET /today/w.php?c=vmxx0006%26c%3Dvmxx0007 HTTP/1.1\r\n\r\n", 404},
        {"GET /index.html HTTP/1.1\r\n\r\n", 404},
        {"GET /today/w.php?c=vmxx0001 HTTP/1.1\r\n\r\n", 502}, // a city without a saved answer
        {"POST /today/w.php?c=vmxx0006 HTTP/1.1\r\nContent-Length: 0\r\n\r\n", 405},
        {"HELLO\r\n\r\n", 400},
        {"GET " + QByteArray(9000, 'a') + " HTTP/1.1\r\n\r\n", 400},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ask(port, c.request).status, c.status) << c.request.left(60).constData();
    // Still serving after all that.
    EXPECT_EQ(get(port, "/today/w.php?c=vmxx0009").status, 200);
}

// A FIFO or a link to an endless device in place of a saved answer is no answer, and the server
// neither blocks nor reads without end.
TEST_F(Server, OnlyRegularFilesAreSavedAnswers) {
    QTemporaryDir dir;
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("vmxx0006.json")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("vmxx0009.json")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("vmxx0028.json"));
    const quint16 port = start({"--fixture", dir.path()});
    for (const char* code : {"vmxx0006", "vmxx0009", "vmxx0028"})
        EXPECT_EQ(get(port, QByteArray("/today/w.php?c=") + code).status, 502) << code;
}

// The forecast API played by the test: counts the requests and answers with a saved answer.
class FakeApi : public QObject {
  public:
    FakeApi() {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* s = server_.nextPendingConnection();
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            connect(s, &QTcpSocket::readyRead, s, [this, s] {
                const QByteArray head = s->readAll();
                const QByteArray target = head.split(' ').value(1);
                queries << QUrlQuery(QUrl(QString::fromLatin1(target)));
                const QByteArray body = fixture("vmxx0006");
                s->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: " +
                         QByteArray::number(body.size()) + "\r\n\r\n" + body);
                s->disconnectFromHost();
            });
        });
    }
    QString url() const {
        return QStringLiteral("http://127.0.0.1:%1/v1/forecast").arg(server_.serverPort());
    }
    QList<QUrlQuery> queries;

  private:
    QTcpServer server_;
};

TEST_F(Server, AsksTheApiForTheCityOnceInTenMinutes) {
    FakeApi api;
    const quint16 port = start({"--api", api.url()});
    // The process and the fake API share nothing but sockets, so the test answers the API
    // while waiting for the server.
    auto fetch = [&] {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        socket.waitForConnected(3000);
        socket.write("GET /today/w.php?c=vmxx0006 HTTP/1.1\r\n\r\n");
        QByteArray bytes;
        const QDeadlineTimer deadline(10000);
        while (socket.state() == QAbstractSocket::ConnectedState && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            bytes += socket.readAll();
        }
        return bytes + socket.readAll();
    };
    const QByteArray first = fetch();
    const QByteArray second = fetch();
    EXPECT_TRUE(first.startsWith("HTTP/1.1 200"));
    EXPECT_EQ(first, second);
    ASSERT_EQ(api.queries.size(), 1);
    const QUrlQuery& q = api.queries.front();
    EXPECT_EQ(q.queryItemValue("latitude"), "21.02");
    EXPECT_EQ(q.queryItemValue("longitude"), "105.85");
    EXPECT_EQ(q.queryItemValue("timezone", QUrl::FullyDecoded), "Asia/Ho_Chi_Minh");
    EXPECT_EQ(q.queryItemValue("forecast_days"), "10");
    EXPECT_TRUE(q.queryItemValue("hourly").contains("weather_code"));
}

TEST_F(Server, RefusesBadArguments) {
    for (const QStringList& args :
         {QStringList{"--port", "70000"}, QStringList{"--listen", "nowhere"},
          QStringList{"--fixture", "/no/such/folder"}}) {
        QProcess bad;
        bad.start(QStringLiteral(WEATHERD_PATH), args);
        ASSERT_TRUE(bad.waitForFinished(5000));
        EXPECT_EQ(bad.exitCode(), 2) << args.join(' ').toStdString();
        EXPECT_FALSE(bad.readAllStandardError().isEmpty());
    }
}

} // namespace
