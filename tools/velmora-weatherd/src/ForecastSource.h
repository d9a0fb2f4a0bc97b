// Where the forecast API's answers come from: the API over the network, or a folder of saved
// answers (one DIR/CODE.json per city) so that everything runs offline.
#pragma once

#include "tools/velmora-weatherd/src/CityCoordinates.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>
#include <functional>
#include <optional>

namespace velmora::weatherd {

inline const QUrl kForecastApi = QUrl(QStringLiteral("https://api.open-meteo.com/v1/forecast"));

class ForecastSource : public QObject {
    Q_OBJECT
  public:
    using Done = std::function<void(std::optional<QByteArray> json)>;

    // fixtureDir empty: ask api (the forecast API's endpoint) over the network.
    ForecastSource(const QString& fixtureDir, const QUrl& api = kForecastApi,
                   QObject* parent = nullptr);

    // Calls done (later, on this object's thread) with the API's JSON for the city, or nullopt
    // when there is none: no fixture file, or the API did not answer 200 within 20 seconds.
    void fetch(const CityPoint& city, Done done);

  private:
    QString fixtureDir_;
    QUrl api_;
    QNetworkAccessManager network_;
};

} // namespace velmora::weatherd
