// What the window tests share for their pictures: a row per screen profile, and where a
// screenshot goes.
#pragma once

#include "platform/screen/ScreenProfile.h"

#include <QDir>
#include <QString>
#include <QTest>
#include <initializer_list>

namespace velmora::testing {

// Adds the column "profile" and one row per screen profile, for a test's _data() function.
inline void addProfileRows() {
    QTest::addColumn<QString>("profile");
    for (const screen::Profile& p : screen::profiles()) QTest::newRow(qPrintable(p.name)) << p.name;
}

// The same with a row for each of the named profiles only.
inline void addProfileRows(std::initializer_list<const char*> names) {
    QTest::addColumn<QString>("profile");
    for (const char* name : names) QTest::newRow(name) << QString::fromUtf8(name);
}

// "<dir>/<scene>-<profile>.png", creating the folder.
inline QString screenshotPath(const QString& dir, const QString& scene, const QString& profile) {
    QDir().mkpath(dir);
    return QStringLiteral("%1/%2-%3.png").arg(dir, scene, profile);
}

} // namespace velmora::testing
