// The little of HTTP/1.1 the weather server needs: reading a request head and writing an answer.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrlQuery>
#include <optional>

namespace velmora::weatherd {

// A request head may be at most this long; a longer one is refused.
inline constexpr int kMaxRequestHead = 8192;

struct HttpRequest {
    QByteArray method; // "GET"
    QString path;      // decoded, "/today/w.php"
    QUrlQuery query;
};

enum class HeadState { Incomplete, Complete, Bad };

// Looks for a whole head (request line and headers up to the empty line) in the bytes read so
// far. Complete fills *request; Bad for a malformed request line or a head over the limit.
HeadState parseRequestHead(const QByteArray& bytes, HttpRequest* request);

// A whole answer: status line, the headers the item and a browser need, and the body; the
// connection closes after it.
QByteArray httpAnswer(int status, const QByteArray& body,
                      const QByteArray& contentType = "text/plain; charset=utf-8");

} // namespace velmora::weatherd
