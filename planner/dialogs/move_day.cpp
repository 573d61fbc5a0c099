#include "move_day.h"

#include "planner/core/date_captions.h"
#include "runtime/strings.h"

// Opens with inserting chosen, so that Enter keeps every plan; replacing one is a deliberate choice.
MoveDay::MoveDay(QWidget* parent)
    : DayChoice({2005, {"opReplace", 2001, 0}, {"opBump", 2002, 1}, 2003, 2004, 2, 1}, parent) {}

QString MoveDay::message() const {
    return rt::StringTable::get(2000) + FormatDate(TargetDate, "mmmm d, yyyy") + rt::StringTable::get(2006);
}
