// A fresh device root per test and helpers to read and write its files directly.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

struct TestDeviceRoot {
    QTemporaryDir dir;
    TestDeviceRoot() { setenv("VELMORA_DEVICE_ROOT", dir.path().toUtf8().constData(), 1); }
    ~TestDeviceRoot() { unsetenv("VELMORA_DEVICE_ROOT"); }

    QString host(const QString& relative) const { return dir.filePath(relative); }
    QString userFile() const {
        return host(QStringLiteral("My Documents/LichVelmora/userinfo.dat"));
    }

    bool put(const QString& relative, const QByteArray& bytes) const {
        const QString path = host(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    QByteArray get(const QString& relative) const {
        QFile f(host(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

inline const QString kUserFile = QStringLiteral("My Documents/LichVelmora/userinfo.dat");
