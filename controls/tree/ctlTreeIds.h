#pragma once

#include "runtime/com/dispatch.h"

// The dispatch ids of the tree control, its nodes and its node collection: hosts call them late-bound,
// so these numbers are the control's interface.
namespace ctlTreeId {

enum : rt::DispId {
    LabelEdit = 0x68030000,
    TImage = 0x68030001,
    TIndentation = 0x68030002,
    TStyle = 0x68030003,
    TSorted = 0x68030004,
    TLineStyle = 0x68030005,
    TNodes = 0x68030006,
    DrawWidth = 0x68030007,
    DrawStyle = 0x68030008,
    DrawMode = 0x68030009,
    MouseIcon = 0x6803000A,
    MousePointer = 0x6803000B,
    AutoRedraw = 0x6803000C,
    ClipControls = 0x6803000D,
    ScaleWidth = 0x6803000E,
    ScaleTop = 0x6803000F,
    ScaleMode = 0x68030010,
    ScaleHeight = 0x68030011,
    BorderStyle = 0x68030012,
    BackStyle = 0x68030013,
    DropHighlight = 0x68030014,
    Enabled = 0x68030015,
    ForeColor = 0x68030016,
    BackColor = 0x68030017,
    TDirty = 0x68030018,
    TSelectedItem = 0x68030019,
    TLeafSelected = 0x6803001A,
    DragMode = 0x6803001B,
    Font = -512,

    tree_NodeClick = 0x60030024,
    tree_MouseDown = 0x6003002B,
    RefreshControls = 0x6003002C,
    AddNode = 0x6003002D,
    AddPrimaryNode = 0x6003002E,
    RemoveNode = 0x6003002F,
};

enum Event : int {
    Collapse = 1,
    Expand = 2,
    TNodeClick = 3,
    TMouseDown = 4,
    TNodeChange = 5,
    TChangeLeafSelected = 6,
    TChangeSelectedItem = 7,
    OLEDragDrop = 8,
    OLEDragMode = 9,
    OLEDragOver = 10,
    OLECompleteDrag = 11,
    OLESetData = 12,
};

// A node, as `TSelectedItem`, `DropHighlight`, `AddNode` and the events hand it out.
namespace Node {
enum : rt::DispId { Key = 1, Text = 2, Tag = 3, Expanded = 4, Selected = 5, Children = 6 };
}

// The node collection of `TNodes`; `Item` and `Remove` take a key (text) or an index from 1.
namespace Nodes {
enum : rt::DispId { Count = 1, Item = 2, Add = 3, Remove = 4, Clear = 5 };
// The one relationship `Add` places a node by: as the last child of its relative.
constexpr qint16 child = 4;
} // namespace Nodes

} // namespace ctlTreeId
