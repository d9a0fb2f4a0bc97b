// The device's keys and the mapping from Qt key events to them, used by every window.
#pragma once

#include <QKeyEvent>

namespace velmora::shell {

enum class DeviceKey {
    None,
    Up,
    Down,
    Left,
    Right,
    Enter, // the action key: Return, Enter, Select
    Space,
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Back, // Escape, Back (Backspace stays an editing key)
};

DeviceKey deviceKeyOf(int qtKey);
DeviceKey deviceKeyOf(const QKeyEvent& event);

// 0..9 for a digit key, -1 otherwise.
int digitOf(DeviceKey key);

} // namespace velmora::shell
