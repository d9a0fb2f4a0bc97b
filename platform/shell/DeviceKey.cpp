// Qt key codes mapped to the handheld's keypad.
#include "platform/shell/DeviceKey.h"

namespace velmora::shell {

DeviceKey deviceKeyOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Up:
        return DeviceKey::Up;
    case Qt::Key_Down:
        return DeviceKey::Down;
    case Qt::Key_Left:
        return DeviceKey::Left;
    case Qt::Key_Right:
        return DeviceKey::Right;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        return DeviceKey::Enter;
    case Qt::Key_Space:
        return DeviceKey::Space;
    case Qt::Key_Escape: // Backspace is not the back key: it edits text
    case Qt::Key_Back:
        return DeviceKey::Back;
    default:
        break;
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return DeviceKey(int(DeviceKey::Digit0) + (qtKey - Qt::Key_0));
    return DeviceKey::None;
}

DeviceKey deviceKeyOf(const QKeyEvent& event) {
    return deviceKeyOf(event.key());
}

int digitOf(DeviceKey key) {
    const int d = int(key) - int(DeviceKey::Digit0);
    return d >= 0 && d <= 9 ? d : -1;
}

} // namespace velmora::shell
