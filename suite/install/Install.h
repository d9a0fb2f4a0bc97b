// Installing a program into the device: its folder, executable link, Data and Images, registry.
#pragma once

#include <QString>
#include <QStringList>

namespace velmora::install {

struct InstallPlan {
    QString programFolder;  // device path, e.g. "\Program Files\LichVelmora"
    QString exeName;        // e.g. "LichVelmora.exe"
    QString hostExecutable; // the host file the device executable links to
    QString hostData;       // host folder copied to <programFolder>\Data; empty for none
    QString hostImages;     // host folder copied to <programFolder>\Images; empty for none
    // Files the user may change: copied once, never overwritten (names match case-blind).
    QStringList userFiles{QStringLiteral("nhipsinhhoc.dat"), QStringLiteral("luulaso.dat")};
};

// Creates the folders, links the executable, copies Data and Images (refreshing every shipped file
// but the user files already present) and writes "ThuMucLich" under
// HKEY_CURRENT_USER\Software\VelmoraSoft\LichVelmora. Safe to repeat. On failure returns false and
// sets *error.
bool install(const InstallPlan& plan, QString* error = nullptr);

} // namespace velmora::install
