#pragma once

#include "runtime/com/data_object.h"

#include "runtime/com/dispatch.h"

// The outside tree's interface: the ids the planner calls it by and the events it raises.
namespace rt {

// Members of the tree itself. `Branches` is reached by name; it gives the root object, whose `Get`
// (id 502, by name) finds a node by relation.
namespace pvTreeId {
enum : DispId { Root = 26, Branches = 30, SelectedCount = 37, HWnd = -515, StartDrag = 213 };
}

// Members of the root object and of the nodes. ChildInfo (called with 0) gives an object whose
// HasChildren tells whether the node has children.
namespace pvNodeId {
enum : DispId {
    Caption = 1,
    Data = 2,
    Font = 8,
    IsSelected = 11,
    Tag = 14,
    RemoveChildren = 500,
    AddChild = 501,
    Relative = 502,
    HasChildren = 507,
    Select = 511,
    RemoveAll = 514,
    ChildInfo = 523,
    Selected = 524,
};
}

// The relation argument of Relative (`Get`).
namespace pvRelation {
enum : int { Selected = 4, First = 9 };
}

// Events, numbered from 1, with their arguments. A node argument is an Object value: the node, or a
// null object when there is none (a click beside every node). Mouse states are button bits: 1 left,
// 2 right, 4 middle. Points are pixels of the tree.
namespace pvTreeEvent {
enum : int {
    BeforeExpand = 1,    // (node)
    AfterExpand = 2,     // (node)
    AfterCollapse = 3,   // (node)
    BeforeSelChange = 4, // (node, permission): set permission to 0 to refuse the change
    AfterSelChange = 5,  // (node)
    LButtonDown = 6,     // (node under the pointer, state)
    LButtonUp = 7,       // (node under the pointer, state)
    LButtonDblClick = 8, // (node under the pointer, state)
    MouseMove = 9,       // (state)
    GotFocus = 10,       // ()
    LostFocus = 11,      // ()
    DragDrop = 12,       // (source name, x, y): a manual drag ended on the tree
    OLEStartDrag = 13,   // (data object, allowed effects): set the effects, 0 drags nothing
    OLEDragOver = 14,    // (data object, effect): set the effect, 0 refuses the drop
};
}

// Members of the data object of the OLE events, and its one format.
namespace dataObjectId {
enum : DispId { GetData = DataObject::GetData, SetData = DataObject::SetData };
}
namespace dataFormat {
enum : int { Text = 1 };
}
// Drop effects of the OLE events.
namespace dropEffect {
enum : int { None = 0, Copy = 1, Move = 2 };
}

} // namespace rt
