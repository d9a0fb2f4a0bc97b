// Each city's composed reply, kept for ten minutes so that the forecast API is asked at most
// once in that time per city however many devices ask.
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QString>
#include <functional>
#include <optional>

namespace velmora::weatherd {

class ReplyCache {
  public:
    static constexpr qint64 kLifetimeMs = 10 * 60 * 1000;

    // clockMs: a monotonic clock in milliseconds; by default the time since the cache was made.
    explicit ReplyCache(std::function<qint64()> clockMs = {});

    // The reply stored for code (case-blind) less than kLifetimeMs ago.
    std::optional<QString> find(const QString& code) const;
    void store(const QString& code, const QString& reply);

  private:
    struct Entry {
        QString reply;
        qint64 storedAt;
    };
    std::function<qint64()> clock_;
    QElapsedTimer started_;
    QHash<QString, Entry> entries_;
};

} // namespace velmora::weatherd
