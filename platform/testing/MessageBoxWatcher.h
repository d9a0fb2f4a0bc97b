// For window tests: answers every message box that appears with "OK" and keeps what it showed.
#pragma once

#include "platform/shell/MessageBox.h"

#include <QApplication>
#include <QList>
#include <QStringList>
#include <QTimer>

namespace velmora::testing {

// While it lives, looks for a shown message box every 5 ms, notes its text, caption, type and
// number of buttons, and presses OK on it.
struct MessageBoxWatcher {
    QTimer timer;
    QStringList texts, captions;
    QList<unsigned> types;
    QList<int> buttonCounts;

    MessageBoxWatcher() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<shell::MessageBoxDialog*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            texts << box->text();
            captions << box->caption();
            types << box->type();
            buttonCounts << int(box->buttons().size());
            box->press(shell::IDOK);
        });
        timer.start(5);
    }
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
};

} // namespace velmora::testing
