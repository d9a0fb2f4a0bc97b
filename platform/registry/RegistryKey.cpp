// Registry keys and values stored as rows of the registry database.
#include "platform/registry/RegistryKey.h"

#include "platform/registry/SqlStatement.h"

#include <QStringList>
#include <QtEndian>
#include <cstring>

namespace velmora::registry {
namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

constexpr int maxKeyNameLength = 255;
constexpr int maxValueNameLength = 16383;

// Splits "A\B\C" (a trailing backslash allowed); false for empty or over-long components.
bool splitPath(const QString& path, QStringList* parts) {
    parts->clear();
    if (path.isEmpty()) return true;
    QStringList split = path.split(QLatin1Char('\\'));
    if (split.size() > 1 && split.last().isEmpty()) split.removeLast();
    for (const QString& part : split)
        if (part.isEmpty() || part.size() > maxKeyNameLength) return false;
    *parts = split;
    return true;
}

QString fold(const QString& name) {
    return name.toCaseFolded();
}

} // namespace

QByteArray stringValueBytes(const QString& text) {
    QByteArray bytes;
    bytes.resize((text.size() + 1) * 2);
    for (qsizetype i = 0; i < text.size(); ++i)
        qToLittleEndian<quint16>(text.at(i).unicode(), bytes.data() + 2 * i);
    qToLittleEndian<quint16>(0, bytes.data() + 2 * text.size());
    return bytes;
}

QByteArray dwordValueBytes(uint32_t value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian<quint32>(value, bytes.data());
    return bytes;
}

RegistryKey RegistryKey::currentUser() {
    return RegistryKey(Database::forDeviceRoot(), 0);
}

bool RegistryKey::exists() const {
    if (id_ == 0) return true;
    SqlStatement q(db_->handle(), "SELECT 1 FROM keys WHERE id = ?1");
    return q.bind(1, id_).step() == SQLITE_ROW;
}

Status RegistryKey::findChild(qint64 parent, const QString& name, qint64* id) const {
    SqlStatement q(db_->handle(), "SELECT id FROM keys WHERE parent = ?1 AND folded = ?2");
    const int rc = q.bind(1, parent).bind(2, fold(name)).step();
    if (rc == SQLITE_ROW) {
        *id = q.integer(0);
        return Status::Success;
    }
    return rc == SQLITE_DONE ? Status::NotFound : Status::Failed;
}

Status RegistryKey::create(const QString& subPath, RegistryKey* out, bool* created) const {
    if (!db_ || !out) return Status::InvalidParameter;
    QStringList parts;
    if (!splitPath(subPath, &parts)) return Status::InvalidParameter;
    Database::Transaction tx(*db_);
    if (!tx.ok()) return Status::Failed;
    if (!exists()) return Status::NotFound;
    qint64 id = id_;
    bool made = false;
    for (const QString& part : parts) {
        qint64 child = 0;
        const Status found = findChild(id, part, &child);
        if (found == Status::Failed) return found;
        made = found == Status::NotFound;
        if (made) {
            SqlStatement insert(db_->handle(),
                                "INSERT INTO keys(parent, name, folded) VALUES(?1, ?2, ?3)");
            if (insert.bind(1, id).bind(2, part).bind(3, fold(part)).step() != SQLITE_DONE)
                return Status::Failed;
            child = sqlite3_last_insert_rowid(db_->handle());
        }
        id = child;
    }
    if (!tx.commit()) return Status::Failed;
    *out = RegistryKey(db_, id);
    if (created) *created = made;
    return Status::Success;
}

Status RegistryKey::open(const QString& subPath, RegistryKey* out) const {
    if (!db_ || !out) return Status::InvalidParameter;
    QStringList parts;
    if (!splitPath(subPath, &parts)) return Status::InvalidParameter;
    Lock lock(db_->mutex());
    if (!exists()) return Status::NotFound;
    qint64 id = id_;
    for (const QString& part : parts)
        if (const Status s = findChild(id, part, &id); s != Status::Success) return s;
    *out = RegistryKey(db_, id);
    return Status::Success;
}

Status RegistryKey::deleteKey(const QString& subPath) const {
    if (!db_) return Status::InvalidParameter;
    QStringList parts;
    if (!splitPath(subPath, &parts) || parts.isEmpty()) return Status::InvalidParameter;
    Database::Transaction tx(*db_);
    if (!tx.ok()) return Status::Failed;
    if (!exists()) return Status::NotFound;
    qint64 id = id_;
    for (const QString& part : parts)
        if (const Status s = findChild(id, part, &id); s != Status::Success) return s;
    SqlStatement values(db_->handle(),
                        "WITH RECURSIVE sub(id) AS (SELECT ?1 UNION ALL SELECT k.id FROM keys k "
                        "JOIN sub ON k.parent = sub.id) DELETE FROM vals WHERE key IN sub");
    SqlStatement keys(db_->handle(),
                      "WITH RECURSIVE sub(id) AS (SELECT ?1 UNION ALL SELECT k.id FROM keys k "
                      "JOIN sub ON k.parent = sub.id) DELETE FROM keys WHERE id IN sub");
    if (values.bind(1, id).step() != SQLITE_DONE || keys.bind(1, id).step() != SQLITE_DONE)
        return Status::Failed;
    return tx.commit() ? Status::Success : Status::Failed;
}

Status RegistryKey::setValue(const QString& name, ValueType type, const QByteArray& data) const {
    if (!db_ || name.size() > maxValueNameLength) return Status::InvalidParameter;
    Database::Transaction tx(*db_);
    if (!tx.ok()) return Status::Failed;
    if (!exists()) return Status::NotFound;
    // Updating in place keeps the value's position in the enumeration order.
    SqlStatement update(db_->handle(),
                        "UPDATE vals SET type = ?1, data = ?2 WHERE key = ?3 AND folded = ?4");
    if (update.bind(1, qint64(type)).bind(2, data).bind(3, id_).bind(4, fold(name)).step() !=
        SQLITE_DONE)
        return Status::Failed;
    if (sqlite3_changes(db_->handle()) == 0) {
        SqlStatement insert(db_->handle(), "INSERT INTO vals(key, name, folded, type, data) "
                                           "VALUES(?1, ?2, ?3, ?4, ?5)");
        insert.bind(1, id_).bind(2, name).bind(3, fold(name)).bind(4, qint64(type)).bind(5, data);
        if (insert.step() != SQLITE_DONE) return Status::Failed;
    }
    return tx.commit() ? Status::Success : Status::Failed;
}

Status RegistryKey::setString(const QString& name, const QString& text) const {
    return setValue(name, ValueType::String, stringValueBytes(text));
}

Status RegistryKey::setDword(const QString& name, uint32_t value) const {
    return setValue(name, ValueType::Dword, dwordValueBytes(value));
}

Status RegistryKey::setBinary(const QString& name, const QByteArray& data) const {
    return setValue(name, ValueType::Binary, data);
}

Status RegistryKey::deleteValue(const QString& name) const {
    if (!db_) return Status::InvalidParameter;
    Database::Transaction tx(*db_);
    if (!tx.ok()) return Status::Failed;
    if (!exists()) return Status::NotFound;
    SqlStatement del(db_->handle(), "DELETE FROM vals WHERE key = ?1 AND folded = ?2");
    if (del.bind(1, id_).bind(2, fold(name)).step() != SQLITE_DONE) return Status::Failed;
    if (sqlite3_changes(db_->handle()) == 0) return Status::NotFound;
    return tx.commit() ? Status::Success : Status::Failed;
}

Status RegistryKey::getValue(const QString& name, Value* out) const {
    if (!db_ || !out) return Status::InvalidParameter;
    Lock lock(db_->mutex());
    if (!exists()) return Status::NotFound;
    SqlStatement q(db_->handle(), "SELECT type, data FROM vals WHERE key = ?1 AND folded = ?2");
    const int rc = q.bind(1, id_).bind(2, fold(name)).step();
    if (rc == SQLITE_DONE) return Status::NotFound;
    if (rc != SQLITE_ROW) return Status::Failed;
    out->type = static_cast<ValueType>(q.integer(0));
    out->data = q.blob(1);
    return Status::Success;
}

Status RegistryKey::queryValue(const QString& name, ValueType* type, void* data,
                               uint32_t* size) const {
    if (data && !size) return Status::InvalidParameter;
    Value v;
    if (const Status s = getValue(name, &v); s != Status::Success) return s;
    if (type) *type = v.type;
    const auto needed = static_cast<uint32_t>(v.data.size());
    if (data && *size < needed) {
        *size = needed;
        return Status::MoreData;
    }
    if (data && needed > 0) std::memcpy(data, v.data.constData(), needed);
    if (size) *size = needed;
    return Status::Success;
}

Status RegistryKey::getString(const QString& name, QString* out) const {
    Value v;
    if (const Status s = getValue(name, &v); s != Status::Success) return s;
    if (v.type != ValueType::String || !out) return Status::InvalidParameter;
    out->clear();
    for (qsizetype i = 0; i + 1 < v.data.size(); i += 2) {
        const quint16 unit = qFromLittleEndian<quint16>(v.data.constData() + i);
        if (unit == 0) break;
        out->append(QChar(unit));
    }
    return Status::Success;
}

Status RegistryKey::getDword(const QString& name, uint32_t* out) const {
    Value v;
    if (const Status s = getValue(name, &v); s != Status::Success) return s;
    if (v.type != ValueType::Dword || v.data.size() != 4 || !out) return Status::InvalidParameter;
    *out = qFromLittleEndian<quint32>(v.data.constData());
    return Status::Success;
}

Status RegistryKey::getBinary(const QString& name, QByteArray* out) const {
    Value v;
    if (const Status s = getValue(name, &v); s != Status::Success) return s;
    if (!out) return Status::InvalidParameter;
    *out = v.data;
    return Status::Success;
}

Status RegistryKey::enumKey(uint32_t index, QString* name) const {
    if (!db_ || !name) return Status::InvalidParameter;
    Lock lock(db_->mutex());
    if (!exists()) return Status::NotFound;
    SqlStatement q(db_->handle(),
                   "SELECT name FROM keys WHERE parent = ?1 ORDER BY id LIMIT 1 OFFSET ?2");
    const int rc = q.bind(1, id_).bind(2, qint64(index)).step();
    if (rc == SQLITE_DONE) return Status::NoMoreItems;
    if (rc != SQLITE_ROW) return Status::Failed;
    *name = q.text(0);
    return Status::Success;
}

Status RegistryKey::enumValue(uint32_t index, QString* name, ValueType* type,
                              uint32_t* size) const {
    if (!db_ || !name) return Status::InvalidParameter;
    Lock lock(db_->mutex());
    if (!exists()) return Status::NotFound;
    SqlStatement q(db_->handle(), "SELECT name, type, length(data) FROM vals WHERE key = ?1 "
                                  "ORDER BY id LIMIT 1 OFFSET ?2");
    const int rc = q.bind(1, id_).bind(2, qint64(index)).step();
    if (rc == SQLITE_DONE) return Status::NoMoreItems;
    if (rc != SQLITE_ROW) return Status::Failed;
    *name = q.text(0);
    if (type) *type = static_cast<ValueType>(q.integer(1));
    if (size) *size = static_cast<uint32_t>(q.integer(2));
    return Status::Success;
}

Status RegistryKey::countEntries(uint32_t* subKeys, uint32_t* values) const {
    if (!db_) return Status::InvalidParameter;
    Lock lock(db_->mutex());
    if (!exists()) return Status::NotFound;
    SqlStatement q(db_->handle(), "SELECT (SELECT count(*) FROM keys WHERE parent = ?1), "
                                  "(SELECT count(*) FROM vals WHERE key = ?1)");
    if (q.bind(1, id_).step() != SQLITE_ROW) return Status::Failed;
    if (subKeys) *subKeys = static_cast<uint32_t>(q.integer(0));
    if (values) *values = static_cast<uint32_t>(q.integer(1));
    return Status::Success;
}

Status RegistryKey::transaction(const std::function<Status()>& body) const {
    if (!db_) return Status::InvalidParameter;
    Database::Transaction tx(*db_);
    if (!tx.ok()) return Status::Failed;
    if (!exists()) return Status::NotFound;
    const Status s = body();
    if (s != Status::Success) return s;
    return tx.commit() ? Status::Success : Status::Failed;
}

Status RegistryKey::update(
    const QString& name,
    const std::function<std::optional<Value>(const std::optional<Value>&)>& fn) const {
    return transaction([&] {
        Value current;
        const Status s = getValue(name, &current);
        if (s != Status::Success && s != Status::NotFound) return s;
        const std::optional<Value> next =
            fn(s == Status::Success ? std::optional<Value>(current) : std::nullopt);
        return next ? setValue(name, next->type, next->data) : Status::Success;
    });
}

Status RegistryKey::updateDword(const QString& name, const std::function<uint32_t(uint32_t)>& fn,
                                uint32_t* result) const {
    return transaction([&] {
        uint32_t value = 0;
        const Status s = getDword(name, &value);
        if (s != Status::Success && s != Status::NotFound) return s;
        value = fn(s == Status::Success ? value : 0);
        if (result) *result = value;
        return setDword(name, value);
    });
}

} // namespace velmora::registry
