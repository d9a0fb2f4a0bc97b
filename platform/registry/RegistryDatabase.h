// The SQLite database that holds the device registry, shared by every program of the device.
#pragma once

#include <QString>
#include <memory>
#include <mutex>

struct sqlite3;

namespace velmora::registry {

class Database {
  public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // The registry of the current device root (<root>/registry.db), opened once per root.
    static std::shared_ptr<Database> forDeviceRoot();
    // Opens (creating) the registry file. A damaged file is moved aside to <file>.damaged and
    // replaced by an empty registry; nullptr only when the file cannot be opened at all.
    static std::shared_ptr<Database> open(const QString& file);

    sqlite3* handle() const { return db_; }
    const QString& file() const { return file_; }
    // What was found damaged when this database was opened; empty when nothing was.
    const QString& damage() const { return damage_; }

    // Guards the connection: one thread at a time, held across a whole transaction.
    std::recursive_mutex& mutex() { return mutex_; }

    // A write transaction (BEGIN IMMEDIATE) that rolls back unless committed. Nested ones join
    // the outermost, whose commit fails if any inner one failed.
    class Transaction {
      public:
        explicit Transaction(Database& db);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        bool ok() const { return ok_; }
        bool commit();

      private:
        Database& db_;
        std::unique_lock<std::recursive_mutex> lock_;
        bool ok_ = false;
        bool done_ = false;
    };

  private:
    Database(sqlite3* db, QString file, QString damage);
    bool exec(const char* sql);

    sqlite3* db_;
    QString file_;
    QString damage_;
    std::recursive_mutex mutex_;
    int depth_ = 0;
    bool innerFailed_ = false;
};

// The most recent damage any registry open found in this process; empty when none.
QString lastDamageReport();

} // namespace velmora::registry
