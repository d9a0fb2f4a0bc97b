// Controls of the tool windows carry their product id, so code and tests find them by it.
#pragma once

#include <QWidget>

namespace velmora::app {

template <typename Control> Control* setControlId(Control* control, int id) {
    control->setProperty("controlId", id);
    control->setObjectName(QStringLiteral("control%1").arg(id));
    return control;
}

// The child of root with that product id, or null.
inline QWidget* findControl(const QWidget* root, int id) {
    for (QWidget* w : root->findChildren<QWidget*>())
        if (w->property("controlId").toInt() == id) return w;
    return nullptr;
}

} // namespace velmora::app
