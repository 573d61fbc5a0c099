#include "school_days.h"

#include "runtime/clock.h"
#include "runtime/value/date.h"

void ResetLessonRecord(LessonPlanRecord& rec) {
    rec.LessonPlanID = -999;
    rec.TreeID = -999;
    rec.LPDate = rt::today();
    rec.Title = QStringLiteral("'");
    rec.blocked = false;
    rec.Objective1 = rec.Objective2 = rec.Objective3 = rec.Objective4 = rec.Objective5 = QString();
}

qint32 AdjustForWeekend(qint32 d, bool toPrevious) {
    switch (rt::weekday(d)) {
    case 7: return toPrevious ? d - 1 : d + 2; // Saturday
    case 1: return toPrevious ? d - 2 : d + 1; // Sunday
    default: return d;
    }
}
