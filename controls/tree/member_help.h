#pragma once

// The help strings of _ctlTree's members and __ctlTree's events in the control's type library, as its
// libraries carry them.
#define LK_MEMBER_HELP                                                                                       \
    "Member.TSelectedItem=Rreturns the selected tree node.\n"                                                \
    "Member.TDirty=Sets/returns boolean indicating an unsaved dirty tree.\n"                                 \
    "Member.AddNode=Add a single child tree node to a parent node.\n"                                        \
    "Member.AddPrimaryNode=Add a tree node that does not have a parent.\n"                                   \
    "Member.TNodeClick=Occurs when user mouse clicks a valid tree node\n"                                    \
    "Member.TNodeChange=Occurs when Node changes by using Up/Down arrow keys\n"
