#include "event_args.h"

#include "twips.h"

namespace rt {

qint16 keyCode(int qtKey) {
    // Letters, digits and the blank share their codes.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) ||
        qtKey == Qt::Key_Space)
        return qint16(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F16) return qint16(112 + (qtKey - Qt::Key_F1));
    switch (qtKey) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_NumLock: return 144;
    case Qt::Key_ScrollLock: return 145;
    default: return 0;
    }
}

qint16 shiftState(Qt::KeyboardModifiers modifiers) {
    return qint16((modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
                  (modifiers & Qt::AltModifier ? 4 : 0));
}

qint16 mouseButtons(Qt::MouseButtons buttons) {
    return qint16((buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
                  (buttons & Qt::MiddleButton ? 4 : 0));
}

Args keyArgs(const QKeyEvent& event) {
    return {Value::integer(keyCode(event.key())), Value::integer(shiftState(event.modifiers()))};
}

Args mouseArgs(const QMouseEvent& event) {
    const bool move = event.type() == QEvent::MouseMove;
    return {Value::integer(mouseButtons(move ? event.buttons() : Qt::MouseButtons(event.button()))),
            Value::integer(shiftState(event.modifiers())),
            Value::real(event.position().x() * twips::perPixel),
            Value::real(event.position().y() * twips::perPixel)};
}

} // namespace rt
