#pragma once

#include <QtGlobal>

namespace rt {
struct Platform;
}

// Walks over the school days of the open class: a school day is a Monday to Friday that is not one of
// BlockedDays and holds no special day. Special days never move; plans on excluded days stay where they
// are. The three shifting operations each store all their changes or, on an error, none.

// d itself, or else the first school day after it, that lessons may take: neither one of BlockedDays
// nor a special day.
qint32 FirstOpenSchoolDay(qint32 d);

// Whether one of the school days that `lessons` x `daysPerLesson` lessons from startDate would take holds
// an ordinary plan; if so, `conflictDate` is set to its date.
bool FindScheduleConflict(qint32 startDate, qint16 lessons, qint16 daysPerLesson, qint32& conflictDate);
// Deletes the ordinary plans of the n school days from startDate, keeping special days and excluded days.
void DeleteLessonsInSpan(rt::Platform& platform, qint32 startDate, qint16 n);
// Moves the run of ordinary plans from startDate later, so that n free school days open from startDate on.
void PushLessonsForward(qint32 startDate, qint16 n);
// After the plan of target was deleted: moves each following ordinary plan one school day earlier, up to
// the first free day.
void PullLessonsBack(qint32 target);
