// The download over HTTP with Qt Network and the store of each downloaded city.
#include "suite/weather/WeatherFetch.h"

#include "suite/weather/WeatherKeys.h"
#include "suite/weather/WeatherPurge.h"
#include "suite/weather/WeatherReply.h"

#include "platform/net/NetworkSettings.h"
#include "platform/registry/RegistryKey.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QTimer>
#include <QUrlQuery>

namespace velmora::weather {

using registry::RegistryKey;
using registry::Status;

namespace {

const QString kFallbackCode = QStringLiteral("VMXX0006");

// The city's code: "MTT"; the fallback when the value is there but not text; empty when absent.
QString cityCode(const RegistryKey& city) {
    QString code;
    switch (city.getString(value::code, &code)) {
    case Status::Success:
        return code;
    case Status::NotFound:
        return {};
    default:
        return kFallbackCode;
    }
}

} // namespace

QUrl weatherUrl(const QUrl& server, const QString& code) {
    QUrl url = server;
    QString path = url.path();
    while (path.endsWith(u'/')) path.chop(1);
    url.setPath(path + QStringLiteral("/today/w.php"));
    // Every character but the unreserved ones is encoded, so a code can never add a parameter.
    url.setQuery(QStringLiteral("c=") + QString::fromLatin1(QUrl::toPercentEncoding(code)),
                 QUrl::StrictMode);
    return url;
}

QString replyText(const QByteArray& body) {
    QString text = QString::fromUtf8(body);
    if (text.size() <= kReplyTextLimit) return text;
    const qsizetype lastLineEnd = text.lastIndexOf(u'\n', kReplyTextLimit - 1);
    text.truncate(lastLineEnd < 0 ? 0 : lastLineEnd + 1);
    return text;
}

std::optional<QByteArray> downloadReply(const QUrl& url, int timeoutMs) {
    QNetworkAccessManager manager;
    manager.setProxy(QNetworkProxy::NoProxy);
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("InetURL/1.0"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);

    QNetworkReply* reply = manager.get(request);
    QByteArray body;
    bool overLong = false;
    bool timedOut = false;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        body += reply->readAll();
        if (body.size() > kReplyByteLimit) {
            overLong = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    deadline.start(timeoutMs);
    if (!reply->isFinished()) loop.exec();
    deadline.stop();
    if (!overLong && !timedOut) body += reply->readAll();

    const bool ok = !overLong && !timedOut && body.size() <= kReplyByteLimit &&
                    reply->error() == QNetworkReply::NoError &&
                    reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200;
    delete reply;
    if (!ok) return std::nullopt;
    return body;
}

FetchResult FetchWeather(uint32_t sequenceNumber, const SYSTEMTIME& now,
                         const std::function<void(const QString&)>& tellUser) {
    FetchResult result;
    if (sequenceNumber >= kUncheckedCity) return result;
    RegistryKey weather;
    if (RegistryKey::currentUser().open(kWeatherKeyPath, &weather) != Status::Success)
        return result;
    const QUrl server = net::weatherServer();
    const int timeoutMs = net::httpTimeoutMs();

    QString name;
    for (uint32_t i = 0; weather.enumKey(i, &name) == Status::Success; ++i) {
        RegistryKey city;
        uint32_t csd = kUncheckedCity;
        if (weather.open(name, &city) != Status::Success ||
            city.getDword(value::sequenceNumber, &csd) != Status::Success || csd != sequenceNumber)
            continue;
        ++result.cities;
        const std::optional<QByteArray> body =
            downloadReply(weatherUrl(server, cityCode(city)), timeoutMs);
        if (!body) {
            if (tellUser) tellUser(QString::fromUtf16(kNoInternetText));
            continue;
        }
        // Old days go only together with the new reply: both or neither.
        const QString reply = replyText(*body);
        const Status s = city.transaction([&] {
            if (PurgeWeatherSlots(name, now) < 0) return Status::Failed;
            return StoreWeatherReply(reply, name, now) < 0 ? Status::Failed : Status::Success;
        });
        if (s == Status::Success) ++result.stored;
    }
    return result;
}

} // namespace velmora::weather
