// Downloading a city's forecast from the device's weather server and storing it.
#pragma once

#include "VelmoraLib.h"
#include <QByteArray>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

namespace velmora::weather {

// What the user is told when a city's forecast cannot be downloaded.
inline constexpr char16_t kNoInternetText[] = u"Không kết nối internet";

// The reply text keeps at most this many characters (a buffer of 6000 with its terminator).
inline constexpr int kReplyTextLimit = 5999;
// A reply body longer than this is no reply of the weather server (an endless stream, say) and
// counts as a failed download.
inline constexpr int kReplyByteLimit = 64 * 1024;

// <server>/today/w.php?c=<code>, the code percent-encoded as a query value.
QUrl weatherUrl(const QUrl& server, const QString& code);

// The reply as text: UTF-8 decoded, and when longer than kReplyTextLimit cut after the last line
// feed within it, so that no line is stored half-read.
QString replyText(const QByteArray& body);

// GET url, always from the network (no cache, no proxy), agent "InetURL/1.0". The body of an
// HTTP 200 answer that ended within timeoutMs and kReplyByteLimit; nullopt for anything else
// (no answer, a refused connection, another status, a time-out, an over-long reply). Blocks the
// calling thread, which needs no event loop of its own; a QCoreApplication must exist.
std::optional<QByteArray> downloadReply(const QUrl& url, int timeoutMs);

struct FetchResult {
    int cities = 0; // checked cities with that sequence number
    int stored = 0; // of them, downloaded and stored
};

// Downloads and stores the forecast of every city of the weather key whose "CSD" equals
// sequenceNumber (below 10000), from the device's weather server within its HTTP time-out. A
// city's code is its "MTT" ("VMXX0006" when that value is there but not text). A failed download
// calls tellUser(kNoInternetText) and writes nothing for that city; a successful one deletes the
// city's slots of days before `now` and stores the reply, both in one registry transaction.
FetchResult FetchWeather(uint32_t sequenceNumber, const SYSTEMTIME& now,
                         const std::function<void(const QString&)>& tellUser = {});

} // namespace velmora::weather
