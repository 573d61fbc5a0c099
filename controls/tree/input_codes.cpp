#include "input_codes.h"

#include <map>

namespace input {

qint16 keyCode(int qtKey) {
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) ||
        qtKey == Qt::Key_Space)
        return qint16(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F16) return qint16(112 + (qtKey - Qt::Key_F1));
    static const std::map<int, qint16> codes = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Backtab, 9},   {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},  {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},
        {Qt::Key_Escape, 27},   {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},
        {Qt::Key_Home, 36},     {Qt::Key_Left, 37},   {Qt::Key_Up, 38},       {Qt::Key_Right, 39},
        {Qt::Key_Down, 40},     {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46},
    };
    const auto it = codes.find(qtKey);
    return it == codes.end() ? 0 : it->second;
}

qint16 shiftState(Qt::KeyboardModifiers modifiers) {
    return qint16((modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
                  (modifiers & Qt::AltModifier ? 4 : 0));
}

qint16 buttons(Qt::MouseButtons b) {
    return qint16((b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) |
                  (b & Qt::MiddleButton ? 4 : 0));
}

} // namespace input
