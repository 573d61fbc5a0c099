#include "delete_lesson.h"

#include "planner/core/date_captions.h"
#include "runtime/strings.h"

DeleteLesson::DeleteLesson(QWidget* parent)
    : DayChoice({1705, {"opClearDay", 1701, 0}, {"opSuck", 1702, 2}, 1703, 1704, 1, 0}, parent) {}

QString DeleteLesson::message() const {
    return rt::StringTable::get(1700) + FormatDate(TargetDate, "dddd mmmm, d") + rt::StringTable::get(1706);
}
