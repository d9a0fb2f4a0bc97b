// The HTTP server: answers GET /today/w.php?c=CODE with the item's reply for that city.
#pragma once

#include "tools/velmora-weatherd/src/ForecastSource.h"
#include "tools/velmora-weatherd/src/ReplyCache.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

namespace velmora::weatherd {

class WeatherServer : public QObject {
    Q_OBJECT
  public:
    WeatherServer(ForecastSource* source, ReplyCache* cache, QObject* parent = nullptr);

    // Starts listening; false with *error set when the address or port cannot be had.
    bool listen(const QHostAddress& address, quint16 port, QString* error);
    quint16 port() const { return server_.serverPort(); }

    // A client must send its whole request head within this time.
    static constexpr int kRequestTimeoutMs = 10000;

  private:
    void accept(QTcpSocket* socket);
    void answer(QTcpSocket* socket, int status, const QByteArray& body);
    void serveCity(QTcpSocket* socket, const CityPoint& city);

    QTcpServer server_;
    ForecastSource* source_;
    ReplyCache* cache_;
    // Clients waiting for a city whose forecast is being asked for: one request per city.
    QHash<QString, QList<QPointer<QTcpSocket>>> waiting_;
};

} // namespace velmora::weatherd
