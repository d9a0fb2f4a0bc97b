// The weather update end to end: velmora-weatherd serving its saved answers, the update thread
// reporting to an endpoint in order, the registry after a success, and every failure leaving the
// stored forecast as it was with the user told why.
#include "today/WeatherUpdate.h"
#include "today/tests/TodayTestSupport.h"

#include "today/TodayIds.h"

#include "platform/ipc/Endpoint.h"
#include "platform/ipc/Messaging.h"
#include "platform/net/NetworkSettings.h"
#include "platform/registry/RegistryKey.h"
#include "platform/shell/MessageBox.h"
#include "platform/testing/MessageBoxWatcher.h"
#include "suite/today/TodayMessages.h"
#include "suite/weather/SystemTimeBytes.h"
#include "suite/weather/WeatherKeys.h"
#include "suite/weather/WeatherStore.h"

#include "VelmoraDay.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>
#include <QTimer>

using namespace velmora;
using namespace velmora::today;
using registry::RegistryKey;
using registry::Status;

namespace {

// velmora-weatherd on a free port, answering from the saved answers.
struct FixtureServer {
    QProcess process;
    QUrl url;
    FixtureServer() {
        process.start(QStringLiteral(WEATHERD_PATH),
                      {"--port", "0", "--fixture", QStringLiteral(WEATHERD_FIXTURES)});
        process.waitForStarted();
        const QDeadlineTimer deadline(10000);
        while (!process.canReadLine() && !deadline.hasExpired()) process.waitForReadyRead(100);
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("(http://127\\.0\\.0\\.1:\\d+)/"))
                .match(QString::fromUtf8(process.readLine()));
        url = QUrl(m.captured(1));
    }
    ~FixtureServer() {
        process.kill();
        process.waitForFinished();
    }
};

// A server that misbehaves: accepts and never answers, answers without end, promises more than
// it sends and closes, or sends what is not HTTP at all.
enum class Misbehaviour { Silent, Endless, ClosesEarly, NotHttp };

struct BadServer {
    QTcpServer server;
    int connections = 0;
    explicit BadServer(Misbehaviour how) {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, [this, how] {
            QTcpSocket* s = server.nextPendingConnection();
            ++connections;
            switch (how) {
            case Misbehaviour::Silent:
                return;
            case Misbehaviour::ClosesEarly:
                s->write("HTTP/1.1 200 OK\r\nContent-Length: 3000\r\n\r\nVELMORA|x\n"
                         "-1|31|12|26|19|80|2|7|100|22|15|Nhiều mây\n");
                s->disconnectFromHost();
                return;
            case Misbehaviour::NotHttp: {
                QByteArray noise(4096, '\0');
                for (int i = 0; i < noise.size(); ++i) noise[i] = char((i * 151 + 7) % 256);
                s->write(noise);
                s->disconnectFromHost();
                return;
            }
            case Misbehaviour::Endless:
                break;
            }
            s->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\nVELMORA|x\n");
            auto* pump = new QTimer(s);
            QObject::connect(pump, &QTimer::timeout, s,
                             [s] { s->write("-1|31|12|26|19|80|2|7|100|22|15|Nhiều mây\n"); });
            pump->start(1);
        });
    }
    QUrl url() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort()));
    }
};

QStringList valueNames() {
    RegistryKey city;
    QStringList names;
    QString name;
    if (RegistryKey::currentUser().open(weather::kWeatherKeyPath + "\\005", &city) ==
        Status::Success)
        for (uint32_t i = 0; city.enumValue(i, &name) == Status::Success; ++i) names << name;
    return names;
}

weather::WeatherSlot slot(const QString& name) {
    RegistryKey city;
    QByteArray bytes;
    RegistryKey::currentUser().open(weather::kWeatherKeyPath + "\\005", &city);
    city.getBinary(name, &bytes);
    return weather::decodeSlot(bytes);
}

struct Told {
    QString text;
    bool owned;
};

} // namespace

class WeatherDownloadTest : public QObject {
    Q_OBJECT
    std::unique_ptr<velmora::testing::TestDeviceRoot> root;
    QObject endpointOwner;
    QList<uint32_t> statuses;
    ipc::Handle handle = 0;

    // Runs the update thread for city 0 and waits for it; returns what the user was told.
    QList<Told> update() {
        statuses.clear();
        auto running = std::make_shared<std::atomic<bool>>(false);
        auto told = std::make_shared<QList<Told>>();
        QThread* thread =
            startWeatherUpdate(handle, 0, running, [told](const QString& text, bool owned) {
                told->append({text, owned});
            });
        const bool ended =
            thread && QTest::qWaitFor(
                          [&] {
                              return !*running && (statuses.contains(UpdateFinished) ||
                                                   statuses.contains(UpdateFailed));
                          },
                          30000);
        if (!ended) told->append({QStringLiteral("<the update did not end>"), false});
        QTest::qWait(50);
        return *told;
    }

  private slots:
    void init() {
        root = std::make_unique<velmora::testing::TestDeviceRoot>("2025-12-31T09:41");
        handle = ipc::registerEndpoint(&endpointOwner, [this](uint32_t msg, uint32_t w, int32_t) {
            if (msg == WM_VL_STATUS) statuses << w;
            return 0;
        });
        QVERIFY(handle != 0);
        QVERIFY(weather::storeCity(5, QStringLiteral("Hà Nội"), QStringLiteral("vmxx0006"), 0, 0));
        // Slots of earlier days: only a successful download may remove them.
        QVERIFY(weather::storeSlot(5, QStringLiteral("2025123023"), weather::WeatherSlot{}));
        QVERIFY(weather::storeSlot(5, QStringLiteral("20251230SA"), weather::WeatherSlot{}));
        QVERIFY(net::setHttpTimeoutMs(1000));
    }
    void cleanup() {
        for (QObject* child : endpointOwner.children()) delete child;
        root.reset();
    }

    void fullDownloadFromTheWeatherServer() {
        FixtureServer server;
        QVERIFY(server.url.isValid());
        QVERIFY(net::setWeatherServer(server.url));
        const QList<Told> told = update();
        QCOMPARE(told.size(), 0);
        QCOMPARE(statuses, (QList<uint32_t>{UpdateStarted, UpdateConnected, UpdateFinished}));

        const QStringList names = valueNames();
        QVERIFY(!names.contains("2025123023")); // earlier days purged
        QVERIFY(!names.contains("20251230SA"));
        QVERIFY(!names.contains("2025123115")); // the API gave no weather code: icon 44, dropped
        QVERIFY(names.contains("2025123114"));
        // TEN, MTT, STT, CSD, GioCapNhat, HienTai, 47 of 48 hours and 10 mornings and afternoons.
        QCOMPARE(names.size(), 4 + 1 + 1 + 47 + 20);
        // The year rule: January's slots read on 31 December belong to 2026.
        QVERIFY(names.contains("20260101SA"));
        QVERIFY(names.contains("20260109CH"));
        QCOMPARE(slot("20260101SA").year, 2026);
        QCOMPARE(slot("20251231SA").year, 2025);
        // Spaces in descriptions stored as "_"; the missing temperature as unknown.
        QCOMPARE(weather::descriptionOf(slot("HienTai")), QStringLiteral("Nhiều_mây"));
        QCOMPARE(slot("2026010103").temperature, weather::kUnknownValue);
        RegistryKey city;
        QByteArray updated;
        RegistryKey::currentUser().open(weather::kWeatherKeyPath + "\\005", &city);
        city.getBinary("GioCapNhat", &updated);
        QCOMPARE(weather::decodeSystemTime(updated).wHour, uint16_t(9));
        QCOMPARE(weather::decodeSystemTime(updated).wMinute, uint16_t(41));
    }

    void failuresTellTheUserAndWriteNothing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("owned");
        QTest::addColumn<QList<uint32_t>>("expected");
        const QList<uint32_t> failed{UpdateStarted, UpdateFailed};
        const QList<uint32_t> finished{UpdateStarted, UpdateConnected, UpdateFinished};
        QTest::newRow("no server") << "no server"
                                   << "Không có kết nối" << false << failed;
        QTest::newRow("offline") << "offline"
                                 << "Không có kết nối" << false << failed;
        QTest::newRow("refused") << "refused"
                                 << "Không kết nối internet" << true << finished;
        QTest::newRow("not found") << "not found"
                                   << "Không kết nối internet" << true << finished;
        QTest::newRow("time-out") << "time-out"
                                  << "Không kết nối internet" << true << finished;
        QTest::newRow("endless") << "endless"
                                 << "Không kết nối internet" << true << finished;
        QTest::newRow("closes early") << "closes early"
                                      << "Không kết nối internet" << true << finished;
        QTest::newRow("not HTTP") << "not HTTP"
                                  << "Không kết nối internet" << true << finished;
    }
    void failuresTellTheUserAndWriteNothing() {
        QFETCH(QString, how);
        QFETCH(QString, text);
        QFETCH(bool, owned);
        QFETCH(QList<uint32_t>, expected);
        std::unique_ptr<FixtureServer> fixture;
        std::unique_ptr<BadServer> bad;
        if (how == "no server") {
            net::setWeatherServer(QUrl("http://nothing.invalid:8765")); // never resolves
        } else if (how == "offline") {
            net::setOnline(false);
        } else if (how == "refused") {
            QTcpServer closed;
            closed.listen(QHostAddress::LocalHost);
            net::setWeatherServer(
                QUrl(QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort())));
        } else if (how == "not found") {
            fixture = std::make_unique<FixtureServer>();
            net::setWeatherServer(fixture->url);
            weather::storeCity(5, QStringLiteral("Hà Nội"), QStringLiteral("vmxx0021"), 0, 0);
        } else {
            bad = std::make_unique<BadServer>(how == "endless"        ? Misbehaviour::Endless
                                              : how == "closes early" ? Misbehaviour::ClosesEarly
                                              : how == "not HTTP"     ? Misbehaviour::NotHttp
                                                                      : Misbehaviour::Silent);
            net::setWeatherServer(bad->url());
        }
        const QList<Told> told = update();
        QCOMPARE(statuses, expected);
        QCOMPARE(told.size(), 1);
        QCOMPARE(told.front().text, text);
        QCOMPARE(told.front().owned, owned);
        QCOMPARE(valueNames(),
                 QStringList({"TEN", "MTT", "STT", "CSD", "2025123023", "20251230SA"}));
    }

    // The item's own command, as LichVelmora's weather window sends it: the update runs and the
    // item shows the stored forecast when it is told the update finished.
    void updateCommandThroughTheItem() {
        FixtureServer server;
        net::setWeatherServer(server.url);
        weather::setShownCity(0);
        test::installPictures(*root);
        test::TodayHarness h(QStringLiteral("qvga"));
        QCOMPARE(h.item()->state().weather.current.icon, int8_t(0));
        QVERIFY(ipc::post(h.item()->handle(), WM_COMMAND, CmdTodayUpdate, 0));
        QTRY_COMPARE_WITH_TIMEOUT(h.item()->state().status, uint32_t(UpdateFinished), 20000);
        QVERIFY(!h.item()->isUpdating());
        QCOMPARE(weather::nameOf(h.item()->state().weather), QStringLiteral("Hà Nội"));
        QCOMPARE(h.item()->state().weather.current.icon, int8_t(26));
    }

    // While an update waits for a silent server, a second command starts nothing.
    void secondUpdateCommandWhileOneRunsDoesNothing() {
        BadServer silent(Misbehaviour::Silent);
        net::setWeatherServer(silent.url());
        net::setHttpTimeoutMs(2000);
        test::installPictures(*root);
        test::TodayHarness h(QStringLiteral("qvga"));
        h.item()->TodayItemWndProc(WM_COMMAND, CmdTodayUpdate, 0);
        QVERIFY(h.item()->isUpdating());
        QTRY_COMPARE(silent.connections, 1);
        velmora::testing::MessageBoxWatcher box;
        h.item()->TodayItemWndProc(WM_COMMAND, CmdTodayUpdate, 0);
        // The download gives up and says so in a box of the item's; only one request was made.
        QTRY_VERIFY_WITH_TIMEOUT(!box.texts.isEmpty(), 10000);
        QCOMPARE(box.texts, QStringList{QStringLiteral("Không kết nối internet")});
        QCOMPARE(box.types.front() & shell::MB_ICONERROR, 0u);
        QTRY_VERIFY(!h.item()->isUpdating());
        QCOMPARE(silent.connections, 1);
    }

    // Without a connection the box is shown by the window thread, owned by no window.
    void noConnectionBoxIsShown() {
        net::setOnline(false);
        test::installPictures(*root);
        test::TodayHarness h(QStringLiteral("qvga"));
        velmora::testing::MessageBoxWatcher box;
        h.item()->TodayItemWndProc(WM_COMMAND, CmdTodayUpdate, 0);
        QTRY_VERIFY(!box.texts.isEmpty());
        QCOMPARE(box.texts, QStringList{QStringLiteral("Không có kết nối")});
        QCOMPARE(box.captions.front(), QStringLiteral("Có lỗi"));
        QCOMPARE(box.types.front() & shell::MB_ICONERROR, unsigned(shell::MB_ICONERROR));
        QTRY_VERIFY(!h.item()->isUpdating());
    }
};

QTEST_MAIN(WeatherDownloadTest)
#include "WeatherDownloadTest.moc"
