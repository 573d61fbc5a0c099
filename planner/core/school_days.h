#pragma once

#include "planner/data/records.h"

#include <QList>

class PlannerDialogs;

// The days that the last scheduling run excluded; one zero date when none, which excludes nothing.
extern QList<qint32> BlockedDays;
// The course lessons that the last scheduling run chose, in order: only TreeID and a provisional LPDate
// are set, and one more element with zero values ends the list.
extern QList<LessonPlanRecord> LessonQueue;

// The queue of the course lessons `treeIDs` from `start`: each dated provisionally one weekday after the
// one before, and the closing element.
QList<LessonPlanRecord> LessonQueueOf(const QList<qint32>& treeIDs, qint32 start);
// The module's state back to the start: no day excluded, no lesson queued.
void ResetSchoolDaysState();

// A record with no plan and no course lesson, dated today.
void ResetLessonRecord(LessonPlanRecord& rec);
// A Saturday or Sunday moved to the Monday after, or with `toPrevious` to the Friday before.
qint32 AdjustForWeekend(qint32 d, bool toPrevious);
// The day is one of BlockedDays.
bool IsBlockedDay(qint32 d);

// The "Delete Lesson" dialog for the day: 0 clear the day, 2 clear it and pull the following plans
// earlier, 1 cancel.
qint16 AskDeleteLesson(PlannerDialogs& dialogs, qint32 d);
// The "Schedule Conflict" dialog for the day: 0 replace, 1 insert and push the following plans later,
// 2 cancel.
qint16 AskMoveDay(PlannerDialogs& dialogs, qint32 d);
