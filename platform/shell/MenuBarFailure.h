// A dialog whose "Mục chọn" popup could not be made keeps its bar without it and tells the
// user once, after it shows, as the device reports a failed menu bar.
#pragma once

#include "platform/shell/FullScreenDialog.h"
#include "platform/shell/MessageBox.h"

#include <QTimer>
#include <vector>

namespace velmora::shell {

// Whether the dialog asked for popup items that its bar could not make.
inline bool menuPopupMissing(const FullScreenDialog& dialog, const std::vector<MenuItem>& menu) {
    return !menu.empty() && dialog.softKeyBar()->rightMenu() == nullptr;
}

// Shows "SHCreateMenuBar Failed" once the dialog is up; told marks that it was shown.
inline void tellMenuBarFailureOnce(QWidget* dialog, bool& told) {
    if (told) return;
    told = true;
    QTimer::singleShot(0, dialog, [dialog] {
        messageBox(dialog, QStringLiteral("SHCreateMenuBar Failed"), QStringLiteral("Error"),
                   MB_OK);
    });
}

} // namespace velmora::shell
