// The ten-minute reply cache.
#include "tools/velmora-weatherd/src/ReplyCache.h"

namespace velmora::weatherd {

ReplyCache::ReplyCache(std::function<qint64()> clockMs) : clock_(std::move(clockMs)) {
    started_.start();
    if (!clock_) clock_ = [this] { return started_.elapsed(); };
}

std::optional<QString> ReplyCache::find(const QString& code) const {
    const auto it = entries_.find(code.toLower());
    if (it == entries_.end() || clock_() - it->storedAt >= kLifetimeMs) return std::nullopt;
    return it->reply;
}

void ReplyCache::store(const QString& code, const QString& reply) {
    entries_.insert(code.toLower(), Entry{reply, clock_()});
}

} // namespace velmora::weatherd
