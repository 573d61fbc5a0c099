#pragma once

#include "dispatch.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace rt {

// The arguments the programs' key and mouse events receive, built from Qt's events.

// The key code of the programs' key constants (65 for A, 13 for Enter, 112 for F1); 0 for a key they
// have no constant for.
qint16 keyCode(int qtKey);
// 1 Shift, 2 Ctrl, 4 Alt, added up.
qint16 shiftState(Qt::KeyboardModifiers modifiers);
// 1 left, 2 right, 4 middle, added up.
qint16 mouseButtons(Qt::MouseButtons buttons);

// KeyCode, Shift.
Args keyArgs(const QKeyEvent& event);
// Button, Shift, X, Y: a press or release names its button, a move every button held; X and Y in twips.
Args mouseArgs(const QMouseEvent& event);

} // namespace rt
