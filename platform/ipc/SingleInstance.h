// One running instance per key on the device; a second start asks the first to come forward.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace velmora::ipc {

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    // Claims key (e.g. window class plus title) for this process when no live process holds it;
    // a crashed owner's lock and socket are cleaned up and taken over.
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    bool isPrimary() const { return primary_; }

    // False when this process owns the key (it should start normally). Otherwise tells the owner to
    // come forward and returns true, so this start can end; also true when the owner holds the
    // key but does not answer within timeoutMs (hung: a second instance would not help).
    bool tryActivateExisting(int timeoutMs = 3000);

  signals:
    // Another start asked this instance to come forward.
    void activationRequested();

  private:
    bool claim();

    QString key_;
    QLockFile lock_;
    QLocalServer server_;
    bool primary_ = false;
};

} // namespace velmora::ipc
