#pragma once

#include "planner/data/records.h"

#include <QString>

// The texts of lesson plans and lesson-tree nodes in the planner's views, by the course's formatting
// codes; the two course series KTN* and RV* have fixed forms in the views and the wizard's list.

// A lesson plan's text by formatting code, with the plan's own number and title and its course
// lesson's parent and grandparent (none for TreeID -999).
QString FormatItemText(const LessonPlanRecord& rec, qint16 code);

// The texts of a lesson plan in the day view, in a cell of the week view and in a cell of the month
// view: empty for no lesson, the title of a special day.
QString FormatDayViewItem(const LessonPlanRecord& rec);
QString FormatWeekCellItem(const LessonPlanRecord& rec);
QString FormatMonthCellItem(const LessonPlanRecord& rec);

// A course lesson in the wizard's list of chosen lessons.
QString FormatTreeNodeText(qint32 treeID);
