#pragma once

// The help strings of _ctlTab's members in the control's type library, as its libraries carry them.
#define LK_MEMBER_HELP                                                                                       \
    "Member.GetTabIndex=Returns index of currently selected tab. (First Tab is 1).\n"                        \
    "Member.SetCaption=Sets Caption for a single tab.\n"                                                     \
    "Member.SetRichTextBox=Creates, positions, and enables text boxes for each tab element.\n"               \
    "Member.SetTabIndex=Sets current tab.\n"                                                                 \
    "Member.TEditable=Sets/returns whether rich text boxes on tab control can be edited by user.\n"          \
    "Member.TNumTabs=Sets/returns the number of tabs that appear on the tabstrip control.  This does NOT "   \
    "include the ALL tab.\n"                                                                                 \
    "Member.TShowAllTab=Setsproperty to show ALL tab which shows cumulative data from all other tabs.\n"     \
    "Member.SetText=Sets the text for a single tab.\n"                                                       \
    "Member.GetText=Returns the text in the tab control specified by the index.\n"
