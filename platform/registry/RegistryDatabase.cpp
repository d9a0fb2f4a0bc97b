// Opening, checking, repairing and transacting on the registry's SQLite file.
#include "platform/registry/RegistryDatabase.h"

#include "platform/device/DeviceRoot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMutex>
#include <cstdio>
#include <sqlite3.h>

namespace velmora::registry {
namespace {

QMutex reportLock;
QString& lastReport() {
    static QString report;
    return report;
}

enum class OpenResult { Ok, Damaged, Failed };

bool isDamageCode(int rc) {
    const int primary = rc & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

const char* const schema = R"(
CREATE TABLE IF NOT EXISTS keys(
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  parent INTEGER NOT NULL,
  name TEXT NOT NULL,
  folded TEXT NOT NULL,
  UNIQUE(parent, folded));
CREATE TABLE IF NOT EXISTS vals(
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  key INTEGER NOT NULL,
  name TEXT NOT NULL,
  folded TEXT NOT NULL,
  type INTEGER NOT NULL,
  data BLOB NOT NULL,
  UNIQUE(key, folded));
)";

// Opens and checks the file; on Damaged or Failed, *why says what went wrong and *out is null.
OpenResult tryOpen(const QString& file, sqlite3** out, QString* why) {
    *out = nullptr;
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(file).constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                             nullptr);
    auto fail = [&](int code) {
        *why = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(code));
        sqlite3_close(db);
        return isDamageCode(code) ? OpenResult::Damaged : OpenResult::Failed;
    };
    if (rc != SQLITE_OK) return fail(rc);
    sqlite3_busy_timeout(db, 10000);

    rc = sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return fail(rc);

    sqlite3_stmt* check = nullptr;
    rc = sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &check, nullptr);
    if (rc != SQLITE_OK) return fail(rc);
    rc = sqlite3_step(check);
    QString verdict;
    if (rc == SQLITE_ROW)
        verdict = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)));
    sqlite3_finalize(check);
    if (rc != SQLITE_ROW) return fail(rc);
    if (verdict != QLatin1String("ok")) {
        *why = verdict;
        sqlite3_close(db);
        return OpenResult::Damaged;
    }

    rc = sqlite3_exec(db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, schema, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return fail(rc);
    *out = db;
    return OpenResult::Ok;
}

// "registry.db.damaged", or the first of "registry.db.damaged.2", ".3", ... not yet taken.
QString freeAsideName(const QString& file) {
    const QString first = file + QStringLiteral(".damaged");
    if (!QFileInfo::exists(first)) return first;
    for (int n = 2;; ++n) {
        const QString next = first + QLatin1Char('.') + QString::number(n);
        if (!QFileInfo::exists(next)) return next;
    }
}

void report(const QString& message) {
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    QMutexLocker lock(&reportLock);
    lastReport() = message;
}

} // namespace

QString lastDamageReport() {
    QMutexLocker lock(&reportLock);
    return lastReport();
}

Database::Database(sqlite3* db, QString file, QString damage)
    : db_(db), file_(std::move(file)), damage_(std::move(damage)) {}

Database::~Database() {
    sqlite3_close(db_);
}

std::shared_ptr<Database> Database::forDeviceRoot() {
    static std::mutex cacheLock;
    static std::shared_ptr<Database> cached;
    const QString file = device::deviceRoot() + QStringLiteral("/registry.db");
    std::lock_guard<std::mutex> lock(cacheLock);
    if (!cached || cached->file() != file) {
        QDir().mkpath(device::deviceRoot());
        cached = open(file);
    }
    return cached;
}

std::shared_ptr<Database> Database::open(const QString& file) {
    sqlite3* db = nullptr;
    QString why;
    OpenResult result = tryOpen(file, &db, &why);
    QString damage;
    if (result == OpenResult::Damaged) {
        // Only one process moves the file aside; the others find the fresh one on their retry.
        QLockFile lock(file + QStringLiteral(".lock"));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(30000)) return nullptr;
        result = tryOpen(file, &db, &why);
        if (result == OpenResult::Damaged) {
            // Every damaged copy is kept, each under a name of its own: a second damage never
            // deletes the first one set aside.
            const QString aside = freeAsideName(file);
            const bool moved = QFile::rename(file, aside);
            QFile::remove(file + QStringLiteral("-wal"));
            QFile::remove(file + QStringLiteral("-shm"));
            damage = moved ? QStringLiteral("Sổ đăng ký của thiết bị (%1) bị hỏng. Bản hỏng được "
                                            "giữ lại thành %2; thiết bị dùng một sổ đăng ký mới, "
                                            "trống: các thiết lập được đặt lại như ban đầu.")
                                 .arg(file, aside)
                           : QStringLiteral("Sổ đăng ký của thiết bị (%1) bị hỏng và không dời "
                                            "đi được; các thiết lập không đọc và không lưu được.")
                                 .arg(file);
            report(damage);
            if (!moved) return nullptr;
            result = tryOpen(file, &db, &why);
        }
    }
    if (result != OpenResult::Ok) {
        std::fprintf(stderr, "Không mở được sổ đăng ký của thiết bị %s (%s)\n", qPrintable(file),
                     qPrintable(why));
        return nullptr;
    }
    return std::shared_ptr<Database>(new Database(db, file, damage));
}

bool Database::exec(const char* sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

Database::Transaction::Transaction(Database& db) : db_(db), lock_(db.mutex_) {
    if (db_.depth_ == 0) {
        db_.innerFailed_ = false;
        ok_ = db_.exec("BEGIN IMMEDIATE");
        if (!ok_) return;
    } else {
        ok_ = !db_.innerFailed_;
    }
    ++db_.depth_;
}

bool Database::Transaction::commit() {
    if (!ok_ || done_) return false;
    done_ = true;
    if (--db_.depth_ > 0) return true;
    if (db_.innerFailed_ || !db_.exec("COMMIT")) {
        db_.exec("ROLLBACK");
        return false;
    }
    return true;
}

Database::Transaction::~Transaction() {
    if (!ok_ || done_) return;
    if (--db_.depth_ > 0) {
        db_.innerFailed_ = true;
        return;
    }
    db_.exec("ROLLBACK");
}

} // namespace velmora::registry
