// Tests of downloading a city's forecast: a small HTTP server in the test answers as each case
// needs (a reply, another status, silence, an endless stream), and the registry shows the result.
#include "suite/weather/WeatherFetch.h"

#include "platform/net/NetworkSettings.h"
#include "platform/registry/RegistryKey.h"
#include "platform/testing/DeviceRootTest.h"
#include "suite/weather/WeatherKeys.h"
#include "suite/weather/WeatherStore.h"

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

using namespace velmora::weather;
using velmora::registry::RegistryKey;
using velmora::registry::Status;

namespace {

enum class Answer { Reply, NotFound, Silence, Endless };

// Answers every request on 127.0.0.1 the same way and remembers the request lines.
class TestServer : public QObject {
  public:
    TestServer(Answer answer, QByteArray body = {}) : answer_(answer), body_(std::move(body)) {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) serve(s);
        });
    }
    QUrl url() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()));
    }
    QStringList requests;

  private:
    void serve(QTcpSocket* socket) {
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            const QByteArray head = socket->readAll();
            requests << QString::fromLatin1(head.left(head.indexOf('\r')));
            switch (answer_) {
            case Answer::Reply:
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain; charset=utf-8\r\n"
                              "Content-Length: " +
                              QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n" +
                              body_);
                socket->disconnectFromHost();
                break;
            case Answer::NotFound:
                socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n"
                              "Connection: close\r\n\r\nnot found");
                socket->disconnectFromHost();
                break;
            case Answer::Silence:
                break;
            case Answer::Endless: {
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n");
                auto* pump = new QTimer(socket);
                QObject::connect(pump, &QTimer::timeout, socket,
                                 [socket] { socket->write(QByteArray(4096, 'x') + '\n'); });
                pump->start(1);
                break;
            }
            }
        });
    }
    QTcpServer server_;
    Answer answer_;
    QByteArray body_;
};

SYSTEMTIME today() {
    SYSTEMTIME t{};
    t.wYear = 2025;
    t.wMonth = 12;
    t.wDay = 31;
    t.wHour = 9;
    t.wMinute = 41;
    return t;
}

const QByteArray kReply = "VELMORA|vmxx0006\n"
                          "-1|31|12|26|19|80|2|7|100|22|15|Nhiều mây\n"
                          "10|31|12|30|20|75|2|7|100|22|15|Ít mây\n"
                          "34|1|1|32|17|70|2|7|100|22|12|Trời quang\n";

class Fetch : public velmora::testing::DeviceRootTest {
  protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        ASSERT_TRUE(storeCity(5, QStringLiteral("Hà Nội"), QStringLiteral("vmxx0006"), 0, 0));
        // A slot of an earlier day, which only a successful download may remove.
        ASSERT_TRUE(storeSlot(5, QStringLiteral("20251230SA"), WeatherSlot{}));
        ASSERT_TRUE(velmora::net::setHttpTimeoutMs(1000));
    }
    QStringList valueNames() const {
        RegistryKey city;
        QStringList names;
        QString name;
        if (RegistryKey::currentUser().open(kWeatherKeyPath + "\\005", &city) == Status::Success)
            for (uint32_t i = 0; city.enumValue(i, &name) == Status::Success; ++i) names << name;
        return names;
    }
    FetchResult fetch(const QUrl& server) {
        EXPECT_TRUE(velmora::net::setWeatherServer(server));
        return FetchWeather(0, today(), [this](const QString& text) { told << text; });
    }
    QStringList told;
    int argc = 0;
    QCoreApplication app{argc, nullptr};
};

TEST_F(Fetch, SuccessPurgesEarlierDaysAndStoresTheReply) {
    TestServer server(Answer::Reply, kReply);
    const FetchResult r = fetch(server.url());
    EXPECT_EQ(r.cities, 1);
    EXPECT_EQ(r.stored, 1);
    EXPECT_TRUE(told.isEmpty());
    EXPECT_EQ(server.requests, QStringList({"GET /today/w.php?c=vmxx0006 HTTP/1.1"}));
    EXPECT_EQ(valueNames(), QStringList({"TEN", "MTT", "STT", "CSD", "GioCapNhat", "HienTai",
                                         "2025123110", "20260101SA"}));
}

struct FailureCase {
    const char* label;
    Answer answer; // unused for the refused connection
    bool refused;
};

[[maybe_unused]] void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.label;
}

class FetchFailure : public Fetch, public testing::WithParamInterface<FailureCase> {};

TEST_P(FetchFailure, TellsTheUserAndWritesNothing) {
    const FailureCase& c = GetParam();
    QUrl url;
    std::unique_ptr<TestServer> server;
    if (c.refused) {
        QTcpServer closed; // a port that was free a moment ago and is closed again
        closed.listen(QHostAddress::LocalHost);
        url = QUrl(QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort()));
    } else {
        server = std::make_unique<TestServer>(c.answer);
        url = server->url();
    }
    const FetchResult r = fetch(url);
    EXPECT_EQ(r.cities, 1);
    EXPECT_EQ(r.stored, 0);
    EXPECT_EQ(told, QStringList({QStringLiteral("Không kết nối internet")}));
    EXPECT_EQ(valueNames(), QStringList({"TEN", "MTT", "STT", "CSD", "20251230SA"}));
}

INSTANTIATE_TEST_SUITE_P(Answers, FetchFailure,
                         testing::Values(FailureCase{"Refused", Answer::Reply, true},
                                         FailureCase{"NotFound", Answer::NotFound, false},
                                         FailureCase{"TimeOut", Answer::Silence, false},
                                         FailureCase{"Endless", Answer::Endless, false}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(Fetch, UncheckedOrOtherCitiesAreNeverFetched) {
    TestServer server(Answer::Reply, kReply);
    ASSERT_TRUE(storeCity(8, QStringLiteral("Huế"), QStringLiteral("vmxx0009"), 1, kUncheckedCity));
    ASSERT_TRUE(velmora::net::setWeatherServer(server.url()));
    EXPECT_EQ(FetchWeather(kUncheckedCity, today()).cities, 0);
    EXPECT_EQ(FetchWeather(3, today()).cities, 0);
    EXPECT_TRUE(server.requests.isEmpty());
}

TEST_F(Fetch, CodeIsEscapedAndAnUnreadableCodeFallsBack) {
    TestServer server(Answer::Reply, kReply);
    RegistryKey city;
    ASSERT_EQ(RegistryKey::currentUser().open(kWeatherKeyPath + "\\005", &city), Status::Success);
    ASSERT_EQ(city.setString("MTT", QStringLiteral("vmxx0006&c=x y#Đ")), Status::Success);
    fetch(server.url());
    ASSERT_EQ(city.setDword("MTT", 6), Status::Success);
    fetch(server.url());
    EXPECT_EQ(server.requests,
              QStringList({"GET /today/w.php?c=vmxx0006%26c%3Dx%20y%23%C4%90 HTTP/1.1",
                           "GET /today/w.php?c=VMXX0006 HTTP/1.1"}));
}

TEST(ReplyText, LongRepliesAreCutAfterTheLastWholeLine) {
    const QByteArray line = QByteArray(98, 'a') + '\n'; // 99 characters
    const QByteArray body = line.repeated(70);          // 6930 characters
    const QString text = replyText(body);
    EXPECT_EQ(text.size(), 60 * 99); // 60 whole lines fit in 5999 characters
    EXPECT_TRUE(text.endsWith(u'\n'));
    EXPECT_EQ(replyText(QByteArray(7000, 'a')), QString()); // no line end at all
    // UTF-8 is read as such: "ư" is one character.
    EXPECT_EQ(replyText("m\xc6\xb0\x61"), QStringLiteral("mưa"));
}

TEST(WeatherUrl, KeepsTheServersPath) {
    EXPECT_EQ(weatherUrl(QUrl("http://127.0.0.1:8765"), "vmxx0001").toString(),
              "http://127.0.0.1:8765/today/w.php?c=vmxx0001");
    EXPECT_EQ(weatherUrl(QUrl("http://example.vn/velmora/"), "vmxx0001").toString(),
              "http://example.vn/velmora/today/w.php?c=vmxx0001");
}

} // namespace
