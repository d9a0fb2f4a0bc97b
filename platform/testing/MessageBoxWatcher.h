// For window tests: answers every message box that appears with "OK" (or its first button when it
// has none) and keeps what it showed.
#pragma once

#include "platform/shell/MessageBox.h"

#include <QApplication>
#include <QList>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

namespace velmora::testing {

// While it lives, looks for a shown message box every 5 ms, notes its text, caption, type, number
// of buttons and whether a window owned it, and presses OK on it; a box without OK ("Có"/"Không")
// gets its first button, so the watcher never finds the same box twice.
struct MessageBoxWatcher {
    QTimer timer;
    QStringList texts, captions;
    QList<unsigned> types;
    QList<int> buttonCounts;
    QList<bool> owned;

    MessageBoxWatcher() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<shell::MessageBoxDialog*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            texts << box->text();
            captions << box->caption();
            types << box->type();
            buttonCounts << int(box->buttons().size());
            owned << (box->parentWidget() != nullptr);
            if (!box->press(shell::IDOK)) box->buttons().first()->click();
        });
        timer.start(5);
    }
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
};

} // namespace velmora::testing
