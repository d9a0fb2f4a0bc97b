// An open key of the device registry (HKEY_CURRENT_USER), with the device's operations on it.
#pragma once

#include "platform/registry/RegistryDatabase.h"
#include "platform/registry/RegistryTypes.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace velmora::registry {

// Key paths are backslash separated ("Software\VelmoraSoft\ThoiTiet"); key and value names match
// case-blind and keep the spelling they were created with. Subkeys and values enumerate in the
// order they were created. A handle stays valid while it lives; once its key is deleted, every
// call on it returns NotFound.
class RegistryKey {
  public:
    RegistryKey() = default;
    // HKEY_CURRENT_USER of the current device root; invalid when its database cannot be opened.
    static RegistryKey currentUser();
    // HKEY_CURRENT_USER of the given database.
    static RegistryKey rootOf(std::shared_ptr<Database> db) {
        return RegistryKey(std::move(db), 0);
    }

    bool isValid() const { return db_ != nullptr; }
    std::shared_ptr<Database> database() const { return db_; }

    // Opens or creates subPath below this key; *created tells which.
    Status create(const QString& subPath, RegistryKey* out, bool* created = nullptr) const;
    // Opens an existing subPath; an empty path gives this key again.
    Status open(const QString& subPath, RegistryKey* out) const;
    // Deletes subPath below this key with its whole subtree.
    Status deleteKey(const QString& subPath) const;

    Status setValue(const QString& name, ValueType type, const QByteArray& data) const;
    Status setString(const QString& name, const QString& text) const;
    Status setDword(const QString& name, uint32_t value) const;
    Status setBinary(const QString& name, const QByteArray& data) const;
    Status deleteValue(const QString& name) const;

    // As the device: with data null, reports type and size in bytes only; with *size too small,
    // returns MoreData and the needed size; otherwise copies and sets *size. Any pointer may be
    // null except size when data is given.
    Status queryValue(const QString& name, ValueType* type, void* data, uint32_t* size) const;
    Status getValue(const QString& name, Value* out) const;
    // The text up to its first terminator; InvalidParameter when the value is not a string.
    Status getString(const QString& name, QString* out) const;
    Status getDword(const QString& name, uint32_t* out) const;
    Status getBinary(const QString& name, QByteArray* out) const;

    // The index-th subkey / value in creation order; NoMoreItems past the end.
    Status enumKey(uint32_t index, QString* name) const;
    Status enumValue(uint32_t index, QString* name, ValueType* type = nullptr,
                     uint32_t* size = nullptr) const;
    Status countEntries(uint32_t* subKeys, uint32_t* values) const;

    // Runs body inside one write transaction (BEGIN IMMEDIATE) that no other process can
    // interleave; commits when body returns Success, otherwise rolls back and returns its status.
    Status transaction(const std::function<Status()>& body) const;
    // Read-modify-write of one value in a transaction: fn gets the current value (or nullopt) and
    // returns the new one, or nullopt to leave it.
    Status update(const QString& name,
                  const std::function<std::optional<Value>(const std::optional<Value>&)>& fn) const;
    // The same for a DWORD that counts from 0 when absent; *result gets the stored value.
    Status updateDword(const QString& name, const std::function<uint32_t(uint32_t)>& fn,
                       uint32_t* result = nullptr) const;

  private:
    RegistryKey(std::shared_ptr<Database> db, qint64 id) : db_(std::move(db)), id_(id) {}
    Status findChild(qint64 parent, const QString& name, qint64* id) const;
    bool exists() const;

    std::shared_ptr<Database> db_;
    qint64 id_ = 0; // 0 is HKEY_CURRENT_USER itself
};

// The UTF-16LE bytes of text with its terminator, as a string value is stored.
QByteArray stringValueBytes(const QString& text);
QByteArray dwordValueBytes(uint32_t value);

} // namespace velmora::registry
