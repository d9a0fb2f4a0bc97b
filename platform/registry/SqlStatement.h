// A prepared SQLite statement that finalizes itself, with the binds the registry uses.
#pragma once

#include <QByteArray>
#include <QString>
#include <sqlite3.h>

namespace velmora::registry {

class SqlStatement {
  public:
    SqlStatement(sqlite3* db, const char* sql) {
        if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK) stmt_ = nullptr;
    }
    ~SqlStatement() { sqlite3_finalize(stmt_); }
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    bool ok() const { return stmt_ != nullptr; }
    SqlStatement& bind(int i, qint64 v) {
        if (stmt_) sqlite3_bind_int64(stmt_, i, v);
        return *this;
    }
    SqlStatement& bind(int i, const QString& v) {
        const QByteArray utf8 = v.toUtf8();
        if (stmt_)
            sqlite3_bind_text(stmt_, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        return *this;
    }
    SqlStatement& bind(int i, const QByteArray& v) {
        // A zero-length blob, not NULL, for an empty value.
        if (stmt_)
            sqlite3_bind_blob(stmt_, i, v.isEmpty() ? "" : v.constData(), int(v.size()),
                              SQLITE_TRANSIENT);
        return *this;
    }
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step() { return stmt_ ? sqlite3_step(stmt_) : SQLITE_ERROR; }
    qint64 integer(int col) const { return sqlite3_column_int64(stmt_, col); }
    QString text(int col) const {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt_, col)),
                                 sqlite3_column_bytes(stmt_, col));
    }
    QByteArray blob(int col) const {
        const void* p = sqlite3_column_blob(stmt_, col);
        return QByteArray(static_cast<const char*>(p), sqlite3_column_bytes(stmt_, col));
    }

  private:
    sqlite3_stmt* stmt_ = nullptr;
};

} // namespace velmora::registry
