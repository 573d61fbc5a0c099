#pragma once

#include "records.h"

// The open class's lesson plans, one row of LessonPlans per plan, found by date. Every procedure but
// GetLessonPlanForDate passes the engine's errors (and a Null where a value is required) to its caller.

// Adds a plan from the record; the class file gives it its LessonPlanID.
void AddLessonPlan(const LessonPlanRecord& rec);
// Adds the course lesson's plan on the date; an unknown lesson adds nothing. Gives the date.
qint32 AddCourseLesson(qint32 treeID, qint32 date);
// Whether a plan is stored on the date, and its blocked flag (Null counts as false).
void IsLessonScheduled(qint32 date, bool& scheduled, bool& blocked);
// Loads the plan of the date into `rec`: true when the date has one. A date without a plan leaves `rec`
// untouched; a failure part-way keeps the fields read so far and gives false.
bool GetLessonPlanForDate(qint32 date, LessonPlanRecord& rec);
// A blocked row titled with the first 150 characters of "type-comment".
void AddSpecialDay(qint32 date, const QString& typeText, const QString& comment);
// Stores the record's five objectives in its plan; an unknown plan is left alone.
void UpdateLessonObjectives(const LessonPlanRecord& rec);
// Deletes the plan's resources, then the plan.
void DeleteLessonPlan(qint32 lessonPlanID);
// Reads the course lesson `rec.TreeID`'s title, objectives and item number into `rec`; an unknown lesson
// sets its TreeID to -999.
void GetCourseLessonInfo(LessonPlanRecord& rec);
// Gives the first plan stored on rec.LPDate the new date; its id and resources stay with it.
void MoveLessonPlan(const LessonPlanRecord& rec, qint32 newDate);
