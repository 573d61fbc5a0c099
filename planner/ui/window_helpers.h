#pragma once

#include "runtime/com/dispatch.h"
#include "runtime/message_box.h"

class QWidget;

// The object that a control's member gave; error 91 for none.
rt::Dispatch& objectOf(const rt::Value& value);

// Switches off the Sunday and Saturday columns of a month calendar.
void DisableCalendarWeekends(rt::Dispatch& cal);

// Lays `box` over the cell of `dateValue` on the month calendar `cal` of `form`: the cell's width,
// 20 twips less than its height, its top-left corner on the cell's, raised by `allowance` pixels (-1
// stands for 23). 0 when done; a day that cannot be formatted shows "An error has occured" and gives
// -1. A day the calendar does not show leaves the box where it was.
qint16 PositionMonthDayBox(rt::MessageBox& msg, QWidget* form, QWidget* box, qint16 allowance,
                           const rt::Value& dateValue, rt::Dispatch& cal);

// True when the selected node of a library tree has no children; error 91 when no node is selected.
bool IsTreeLeafSelected(rt::Dispatch& tree);
// The data number of a library tree's selected node; error 91 when no node is selected.
qint32 SelectedTreeData(rt::Dispatch& tree);
