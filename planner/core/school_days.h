#pragma once

#include "planner/data/records.h"

// A record with no plan and no course lesson, dated today.
void ResetLessonRecord(LessonPlanRecord& rec);
// A Saturday or Sunday moved to the Monday after, or with `toPrevious` to the Friday before.
qint32 AdjustForWeekend(qint32 d, bool toPrevious);
