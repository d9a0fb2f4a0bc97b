// A fresh temporary device root for one test (or one test program), with helpers to put and read
// files below it by their path relative to the root. Every test of the suite that touches the
// device uses this one fixture, from GoogleTest and from Qt Test alike.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>

namespace velmora::testing {

class TestDeviceRoot {
  public:
    // Points VELMORA_DEVICE_ROOT at a new empty folder; the device clock runs (VELMORA_NOW unset)
    // unless frozenNow ("YYYY-MM-DDTHH:MM[:SS]") freezes it.
    explicit TestDeviceRoot(const char* frozenNow = nullptr) {
        setenv("VELMORA_DEVICE_ROOT", dir_.path().toUtf8().constData(), 1);
        freezeClock(frozenNow);
    }
    ~TestDeviceRoot() {
        unsetenv("VELMORA_DEVICE_ROOT");
        unsetenv("VELMORA_NOW");
    }
    TestDeviceRoot(const TestDeviceRoot&) = delete;
    TestDeviceRoot& operator=(const TestDeviceRoot&) = delete;

    bool isValid() const { return dir_.isValid(); }
    // The root's host folder.
    QString path() const { return dir_.path(); }
    // The host path of a file below the root ("My Documents/LichVelmora/userinfo.dat").
    QString host(const QString& relative) const { return dir_.filePath(relative); }

    // Freezes the device clock at a moment, or lets it run again (nullptr).
    static void freezeClock(const char* now) {
        if (now)
            setenv("VELMORA_NOW", now, 1);
        else
            unsetenv("VELMORA_NOW");
    }

    // Writes bytes to a file below the root, creating its folders.
    bool put(const QString& relative, const QByteArray& bytes) const {
        const QString file = host(relative);
        QDir().mkpath(QFileInfo(file).path());
        QFile f(file);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    // The bytes of a file below the root; empty when it cannot be read.
    QByteArray get(const QString& relative) const {
        QFile f(host(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool exists(const QString& relative) const { return QFileInfo::exists(host(relative)); }

  private:
    QTemporaryDir dir_;
};

// The user files of LichVelmora, relative to the device root.
inline const QString kUserInfoFile = QStringLiteral("My Documents/LichVelmora/userinfo.dat");

} // namespace velmora::testing
