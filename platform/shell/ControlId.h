// A control's product id: every control carries it in the property "controlId" (and is named
// "control<id>"), so that the program and its tests find a control by the id the product gives it.
#pragma once

#include <QString>
#include <QWidget>

namespace velmora::shell {

inline constexpr char kControlIdProperty[] = "controlId";

template <typename Control> Control* withControlId(Control* control, int id) {
    control->setProperty(kControlIdProperty, id);
    control->setObjectName(QStringLiteral("control%1").arg(id));
    return control;
}

// The child of root with that product id, or null.
inline QWidget* findControl(const QWidget& root, int id) {
    for (QWidget* w : root.findChildren<QWidget*>())
        if (w->property(kControlIdProperty).toInt() == id) return w;
    return nullptr;
}

} // namespace velmora::shell
