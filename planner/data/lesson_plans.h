#pragma once

#include "records.h"

// Loads the plan of the date into `rec`: true when the date has one. A date without a plan leaves `rec`
// untouched; a failure part-way keeps the fields read so far and gives false.
bool GetLessonPlanForDate(qint32 date, LessonPlanRecord& rec);
