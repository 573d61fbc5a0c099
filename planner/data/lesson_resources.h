#pragma once

#include "records.h"

#include <QList>

// The resources of the open class's lesson plans, rows of LessonResources in SortOrder order. Every
// procedure but NextResourceID passes the engine's errors (and a Null or a number out of range where a
// value is required) to its caller; rows added before an error stay.

// Copies the course lesson `rec.TreeID`'s core resources into the stored plan `rec.LessonPlanID`, keeping
// the course's sort orders.
void AddCoreResources(const LessonPlanRecord& rec);
// Appends one course resource at the end of the plan; an unknown resource adds nothing.
void AddResourceToLesson(qint32 lessonPlanID, qint32 resourceID);
// The id of a teacher's own resource: one below the smallest of the class file, never above 0 (0 in a
// class file without resources).
qint32 NextResourceID();
// Appends a teacher's own resource at the end of the plan.
void AddNewResource(qint32 lessonPlanID, const QString& title, qint16 typeID, qint16 minutes,
                    const QString& description);
// The plan's total minutes in decimal; "0" for a plan without resources.
QString GetLessonTime(qint32 lessonPlanID);
// Replaces `list` with the plan's resources in plan order.
void ResourcesToArray(qint32 lessonPlanID, QList<ResourceRecord>& list);
// Adds every resource of the list to the plan, with its sort order.
void SaveResourceArray(qint32 lessonPlanID, const QList<ResourceRecord>& list);
// Exchanges the sort orders of two resource rows (LessonItemIDs) of the plan; of two equal ones the
// second row ends one lower, so it moves before the first.
void SwapResourceSort(qint32 itemA, qint32 itemB, qint32 lessonPlanID);
// The sort order after the plan's last resource; 1 for a plan without resources.
qint16 NextSortOrder(qint32 lessonPlanID);
