#pragma once

#include <Qt>

// Keys, mouse buttons and modifier keys as the controls' events report them.
namespace input {

// The key code of a key: letters and digits as their upper-case characters, Enter 13, Shift 16,
// Ctrl 17, Alt 18, the arrows 37 to 40, F1 112 and so on; 0 for a key without one.
qint16 keyCode(int qtKey);
// Shift 1, Ctrl 2, Alt 4, added.
qint16 shiftState(Qt::KeyboardModifiers modifiers);
// Left 1, right 2, middle 4, added.
qint16 buttons(Qt::MouseButtons buttons);

} // namespace input
