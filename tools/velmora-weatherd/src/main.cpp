// velmora-weatherd: the weather server the Today item downloads its forecast from.
//   velmora-weatherd [--listen ADDRESS] [--port N] [--fixture DIR] [--api URL]
#include "tools/velmora-weatherd/src/ForecastSource.h"
#include "tools/velmora-weatherd/src/ReplyCache.h"
#include "tools/velmora-weatherd/src/WeatherServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QHostAddress>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser args;
    args.setApplicationDescription(QStringLiteral(
        "Máy chủ thời tiết của mục Hôm nay: trả lời /today/w.php?c=MÃ cho 33 thành phố."));
    args.addHelpOption();
    const QCommandLineOption listen(QStringLiteral("listen"),
                                    "Địa chỉ lắng nghe (mặc định 127.0.0.1).", "ADDRESS",
                                    "127.0.0.1");
    const QCommandLineOption port(QStringLiteral("port"),
                                  "Cổng (mặc định 8765; 0: cổng bất kỳ còn trống).", "N", "8765");
    const QCommandLineOption fixture(
        QStringLiteral("fixture"),
        "Đọc câu trả lời của dịch vụ dự báo từ DIR/MÃ.json thay vì hỏi qua mạng.", "DIR");
    const QCommandLineOption api(QStringLiteral("api"),
                                 "Địa chỉ dịch vụ dự báo (mặc định Open-Meteo).", "URL",
                                 velmora::weatherd::kForecastApi.toString());
    args.addOptions({listen, port, fixture, api});
    args.process(app);

    const QHostAddress address(args.value(listen));
    bool portOk = false;
    const uint portNumber = args.value(port).toUInt(&portOk);
    const QUrl apiUrl(args.value(api), QUrl::StrictMode);
    if (address.isNull() || !portOk || portNumber > 65535 || !apiUrl.isValid()) {
        std::fprintf(stderr, "velmora-weatherd: địa chỉ, cổng hoặc URL không hợp lệ.\n");
        return 2;
    }
    const QString fixtureDir = args.value(fixture);
    if (args.isSet(fixture) && !QDir(fixtureDir).exists()) {
        std::fprintf(stderr, "velmora-weatherd: không có thư mục %s.\n",
                     qUtf8Printable(fixtureDir));
        return 2;
    }

    velmora::weatherd::ForecastSource source(fixtureDir, apiUrl);
    velmora::weatherd::ReplyCache cache;
    velmora::weatherd::WeatherServer server(&source, &cache);
    QString error;
    if (!server.listen(address, quint16(portNumber), &error)) {
        std::fprintf(stderr, "velmora-weatherd: không lắng nghe được ở %s:%u: %s\n",
                     qUtf8Printable(address.toString()), portNumber, qUtf8Printable(error));
        return 1;
    }
    // The one line a script or a test waits for.
    std::printf("velmora-weatherd: http://%s:%u/today/w.php?c=MÃ%s\n",
                qUtf8Printable(address.toString()), server.port(),
                fixtureDir.isEmpty() ? "" : qUtf8Printable(" (từ " + fixtureDir + ")"));
    std::fflush(stdout);
    return app.exec();
}
