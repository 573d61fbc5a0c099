#pragma once

#include "runtime/com/dispatch.h"

// The dispatch ids of ctlTab's members and events: the control's interface, which hosts compile against.
namespace ctlTabId {

enum : rt::DispId {
    // "Setsproperty to show ALL tab which shows cumulative data from all other tabs."
    TShowAllTab = 0x68030000,
    // "Sets/returns the number of tabs that appear on the tabstrip control.  This does NOT include the ALL
    // tab."
    TNumTabs = 0x68030001,
    TEnabled = 0x68030002,
    // "Sets/returns whether rich text boxes on tab control can be edited by user."
    TEditable = 0x68030003,
    SelText = 0x68030004,
    // "Returns index of currently selected tab. (First Tab is 1)."
    GetTabIndex = 0x60030005,
    // "Sets Caption for a single tab."
    SetCaption = 0x60030006,
    // "Creates, positions, and enables text boxes for each tab element."
    SetRichTextBox = 0x60030007,
    // "Sets current tab."
    SetTabIndex = 0x60030008,
    // "Sets the text for a single tab."
    SetText = 0x60030012,
    ResetNumTabs = 0x60030013,
    ResetShowAllTab = 0x60030014,
    // "Returns the text in the tab control specified by the index."
    GetText = 0x60030015,
    BuildAllTab = 0x60030016,
    ResetEditable = 0x60030017,
    ResetEnabled = 0x60030018,
};

enum Event : int {
    ObjectiveDirty = 1, // i: the index of the page whose text changed, by reference
};

} // namespace ctlTabId
