#pragma once

#include "runtime/com/dispatch.h"

// The week-view day cell's interface: the hosts call its members by these ids and handle its events by
// these numbers.
namespace WeekViewCellId {

enum : rt::DispId {
    Selected = 0x68030000,
    SelectedColor = 0x68030001,
    TitleBorderStyle = 0x68030002,
    DateBorderStyle = 0x68030003,
    Appearance = 0x68030004,
    FillStyle = 0x68030005,
    DrawWidth = 0x68030006,
    DrawStyle = 0x68030007,
    DrawMode = 0x68030008,
    TitleText = 0x68030009,
    DateText = 0x6803000A,
    Picture = 0x6803000B,
    TitleFont = 0x6803000C,
    DateFont = 0x6803000D,
    BorderStyle = 0x6803000E,
    BackStyle = 0x6803000F,
    BackColor = 0x68030010,
    CellDate = 0x68030011,
    Enabled = 0x68030012,
    Refresh = 0x60030026,
};

// Arguments: KeyDown and KeyUp (KeyCode, Shift), KeyPress (KeyAscii), the mouse events (Button, Shift,
// X, Y in twips), all by reference.
enum Event : int { Click = 1, DblClick, KeyDown, KeyPress, KeyUp, MouseDown, MouseMove, MouseUp };

} // namespace WeekViewCellId
