// Connections, request routing, the cache and the forecast source.
#include "tools/velmora-weatherd/src/WeatherServer.h"

#include "tools/velmora-weatherd/src/ForecastReply.h"
#include "tools/velmora-weatherd/src/HttpRequest.h"

#include <QTimer>

namespace velmora::weatherd {

WeatherServer::WeatherServer(ForecastSource* source, ReplyCache* cache, QObject* parent)
    : QObject(parent), source_(source), cache_(cache) {
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) accept(socket);
    });
}

bool WeatherServer::listen(const QHostAddress& address, quint16 port, QString* error) {
    if (server_.listen(address, port)) return true;
    if (error) *error = server_.errorString();
    return false;
}

void WeatherServer::accept(QTcpSocket* socket) {
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    // A client that never finishes its request is let go.
    auto* patience = new QTimer(socket);
    patience->setSingleShot(true);
    connect(patience, &QTimer::timeout, socket, &QTcpSocket::abort);
    patience->start(kRequestTimeoutMs);
    auto* head = new QByteArray;
    connect(socket, &QObject::destroyed, socket, [head] { delete head; });
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, head, patience] {
        if (socket->property("answered").toBool()) {
            socket->readAll(); // whatever follows the request is not read
            return;
        }
        head->append(socket->read(kMaxRequestHead + 4 - head->size()));
        HttpRequest request;
        switch (parseRequestHead(*head, &request)) {
        case HeadState::Incomplete:
            return;
        case HeadState::Bad:
            answer(socket, 400, "yêu cầu không hợp lệ\n");
            return;
        case HeadState::Complete:
            break;
        }
        patience->stop(); // the answer may now wait for the forecast source
        socket->setProperty("answered", true);
        if (request.method != "GET") return answer(socket, 405, "chỉ nhận GET\n");
        if (request.path != QLatin1String("/today/w.php"))
            return answer(socket, 404, "không có trang này\n");
        const std::optional<CityPoint> city =
            cityByCode(request.query.queryItemValue(QStringLiteral("c"), QUrl::FullyDecoded));
        if (!city) return answer(socket, 404, "không có mã thành phố này\n");
        serveCity(socket, *city);
    });
}

void WeatherServer::answer(QTcpSocket* socket, int status, const QByteArray& body) {
    socket->setProperty("answered", true);
    socket->write(httpAnswer(status, body));
    socket->disconnectFromHost();
}

void WeatherServer::serveCity(QTcpSocket* socket, const CityPoint& city) {
    const QString code = QString::fromLatin1(city.code);
    if (const std::optional<QString> reply = cache_->find(code))
        return answer(socket, 200, reply->toUtf8());
    QList<QPointer<QTcpSocket>>& queue = waiting_[code];
    queue << QPointer<QTcpSocket>(socket);
    if (queue.size() > 1) return; // the city is being asked for already
    source_->fetch(city, [this, code](std::optional<QByteArray> json) {
        const std::optional<QString> reply = json ? composeReply(*json, code) : std::nullopt;
        if (reply) cache_->store(code, *reply);
        const QList<QPointer<QTcpSocket>> clients = waiting_.take(code);
        for (const QPointer<QTcpSocket>& client : clients) {
            if (!client || client->state() != QAbstractSocket::ConnectedState) continue;
            if (reply)
                answer(client, 200, reply->toUtf8());
            else
                answer(client, 502, "hiện không lấy được dự báo\n");
        }
    });
}

} // namespace velmora::weatherd
