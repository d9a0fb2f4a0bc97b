// Fixture files and API requests.
#include "tools/velmora-weatherd/src/ForecastSource.h"

#include "tools/velmora-weatherd/src/ForecastReply.h"

#include "suite/files/RegularFile.h"

#include <QDir>
#include <QNetworkReply>
#include <QTimer>
#include <cstdio>

namespace velmora::weatherd {
namespace {
constexpr int kApiTimeoutMs = 20000;
constexpr qint64 kMaxAnswer = 4 * 1024 * 1024; // ten days of hourly values are about 30 kB
} // namespace

ForecastSource::ForecastSource(const QString& fixtureDir, const QUrl& api, QObject* parent)
    : QObject(parent), fixtureDir_(fixtureDir), api_(api) {}

void ForecastSource::fetch(const CityPoint& city, Done done) {
    if (!fixtureDir_.isEmpty()) {
        const QString path = QDir(fixtureDir_).filePath(QString::fromLatin1(city.code) + ".json");
        // A regular file only, and no more than an answer can be: a FIFO or a link to an endless
        // device in its place is no answer.
        const files::ReadResult read = files::readRegularFile(path.toStdString(), kMaxAnswer);
        std::optional<QByteArray> json;
        if (read.status == files::ReadStatus::Ok)
            json = QByteArray(read.bytes.data(), qsizetype(read.bytes.size()));
        // Answered from the event loop, as a network answer would be.
        QTimer::singleShot(0, this, [done, json] { done(json); });
        return;
    }
    QUrl url = api_;
    url.setQuery(forecastQuery(city.latitude, city.longitude));
    QNetworkRequest request(url);
    request.setTransferTimeout(kApiTimeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("velmora-weatherd"));
    QNetworkReply* reply = network_.get(request);
    const QByteArray code(city.code);
    connect(reply, &QNetworkReply::finished, this, [reply, done, code] {
        reply->deleteLater();
        const bool ok = reply->error() == QNetworkReply::NoError &&
                        reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200;
        // The operator learns why a city got 502; the item only sees the failure.
        if (!ok)
            std::fprintf(stderr, "velmora-weatherd: không lấy được dự báo cho %s: %s\n",
                         code.constData(), qUtf8Printable(reply->errorString()));
        done(ok ? std::optional<QByteArray>(reply->read(kMaxAnswer)) : std::nullopt);
    });
}

} // namespace velmora::weatherd
