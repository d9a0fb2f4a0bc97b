// Installing a program into the device: its folder, executable link, Data and Images, registry,
// and the Today item that comes with LichVelmora.
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
    // Files the user may change: copied once, never overwritten (names match case-blind). The
    // Today item's "mypic.png" is the user's own picture once they replace it.
    QStringList userFiles{QStringLiteral("nhipsinhhoc.dat"), QStringLiteral("luulaso.dat"),
                          QStringLiteral("mypic.png")};
    // The Today item's plug-in on the host (empty: none is installed): by default the one this
    // build made, or $VELMORA_TODAY_PLUGIN.
    QString hostTodayItem = defaultTodayItemFile();

    static QString defaultTodayItemFile();
};

// The Today item's registration name and its plug-in's file in the program folder.
inline const QString kTodayItemName = QStringLiteral("VelmoraToday");
inline const QString kTodayItemFile = QStringLiteral("VelmoraToday.dll");

// Creates the folders, links the executable, copies Data and Images (refreshing every shipped file
// but the user files already present) and writes "ThuMucLich" under
// HKEY_CURRENT_USER\Software\VelmoraSoft\LichVelmora; then installs the Today item when the plan
// names an existing plug-in. Safe to repeat. On failure returns false and sets *error.
bool install(const InstallPlan& plan, QString* error = nullptr);

// Installs the Today item: links <programFolder>\VelmoraToday.dll to the host plug-in, registers
// it with the Today screen (a reinstall keeps the user's choice to switch it off), and points its
// image folder "ThuMucAnh" at <programFolder>\Images unless the user chose another.
bool installTodayItem(const QString& programFolder, const QString& hostPlugin,
                      QString* error = nullptr);

} // namespace velmora::install
