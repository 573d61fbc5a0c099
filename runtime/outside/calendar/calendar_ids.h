#pragma once

#include "runtime/com/dispatch.h"

// The month calendar's interface: the ids the planner calls it by and the events it raises.
namespace rt {

// Members of the calendar. Dates are read back as text, month/day/year. DayTop to DayHeight take a
// day "mm/dd/yy" of the month shown and give its cell in pixels of the host window. MultiSelect lets
// clicks toggle several days into SelectedDays; BooleanOption is kept for the windows that set it
// and changes nothing here.
namespace ssMonthId {
enum : DispId {
    MousePointer = 21,
    Date = 36,
    BooleanOption = 39,
    MaxDate = 47,
    MinDate = 48,
    DayTop = 55,
    DayLeft = 56,
    DayWidth = 57,
    DayHeight = 58,
    Day = 64,
    DayOfWeek = 65,
    MultiSelect = 90,
    SelectedDays = 400,
};
}

// The weekday object of DayOfWeek (1 Sunday to 7 Saturday) and the day object of Day (a day of the
// month shown).
namespace ssDayOfWeekId {
enum : DispId { Enabled = 2 };
}
namespace ssDayId {
enum : DispId { Text = 2 };
}

// The collection of selected days, in date order, and one selected day.
namespace ssSelectedDaysId {
enum : DispId { Item = 0, Count = 1, RemoveAll = 4 };
}
namespace ssSelectedDayId {
enum : DispId { Date = 7 };
}

// Events, numbered from 1; the first argument of each is the calendar's index in its control array.
namespace ssMonthEvent {
enum : int {
    SelChanged = 1, // (index, new date text, old date text): after every change of the date
    InitMonth = 2,  // (index): another month is shown; raised before that change's SelChanged
    MouseDown = 3,  // (index, button: 1 left, 2 right, 4 middle)
    DblClick = 4,   // (index)
    GotFocus = 5,   // (index)
};
}

// Raised when a date outside the calendar's range is set.
constexpr int dateOutOfRange = 32006;

} // namespace rt
