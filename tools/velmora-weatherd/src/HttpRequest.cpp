// Request heads and answers.
#include "tools/velmora-weatherd/src/HttpRequest.h"

#include <QUrl>

namespace velmora::weatherd {

HeadState parseRequestHead(const QByteArray& bytes, HttpRequest* request) {
    const qsizetype end = bytes.indexOf("\r\n\r\n");
    if (end < 0) return bytes.size() > kMaxRequestHead ? HeadState::Bad : HeadState::Incomplete;
    if (end > kMaxRequestHead) return HeadState::Bad;
    const QByteArray line = bytes.left(bytes.indexOf("\r\n"));
    const QList<QByteArray> parts = line.split(' ');
    if (parts.size() != 3 || !parts[2].startsWith("HTTP/1.") || !parts[1].startsWith('/'))
        return HeadState::Bad;
    const QUrl target(QString::fromLatin1(parts[1]), QUrl::StrictMode);
    if (!target.isValid()) return HeadState::Bad;
    request->method = parts[0];
    request->path = target.path();
    request->query = QUrlQuery(target);
    return HeadState::Complete;
}

QByteArray httpAnswer(int status, const QByteArray& body, const QByteArray& contentType) {
    QByteArray reason;
    switch (status) {
    case 200:
        reason = "OK";
        break;
    case 400:
        reason = "Bad Request";
        break;
    case 404:
        reason = "Not Found";
        break;
    case 405:
        reason = "Method Not Allowed";
        break;
    case 502:
        reason = "Bad Gateway";
        break;
    default:
        reason = "Error";
        break;
    }
    QByteArray answer = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n";
    answer += "Content-Type: " + contentType + "\r\n";
    answer += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    answer += "Cache-Control: no-store\r\n";
    if (status == 405) answer += "Allow: GET\r\n";
    answer += "Connection: close\r\n\r\n";
    return answer + body;
}

} // namespace velmora::weatherd
