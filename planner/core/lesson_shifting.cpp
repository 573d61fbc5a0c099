#include "lesson_shifting.h"

#include "planner/data/lesson_plans.h"
#include "runtime/dao/in_one_transaction.h"
#include "runtime/platform.h"
#include "runtime/value/value.h"
#include "school_days.h"

#include <QList>

namespace {

qint32 nextSchoolDay(qint32 d) {
    return AdjustForWeekend(d + 1, false);
}

qint32 previousSchoolDay(qint32 d) {
    return AdjustForWeekend(d - 1, true);
}

enum class Stored { Free, Ordinary, Special };

Stored storedOn(qint32 d) {
    bool scheduled = false, blocked = false;
    IsLessonScheduled(d, scheduled, blocked);
    return !scheduled ? Stored::Free : blocked ? Stored::Special : Stored::Ordinary;
}

// The one rule of every walk: a day that lessons may take is neither excluded nor a special day.
bool isOpenSchoolDay(qint32 d) {
    return !IsBlockedDay(d) && storedOn(d) != Stored::Special;
}

// The plan stored on the date. Its date is set even when the load fails, so that moving it still takes
// that date's row and no other.
LessonPlanRecord planOn(qint32 d) {
    LessonPlanRecord rec;
    rec.LPDate = d;
    GetLessonPlanForDate(d, rec);
    return rec;
}

} // namespace

qint32 FirstOpenSchoolDay(qint32 d) {
    while (!isOpenSchoolDay(d)) d = nextSchoolDay(d);
    return d;
}

bool FindScheduleConflict(qint32 startDate, qint16 lessons, qint16 daysPerLesson, qint32& conflictDate) {
    const qint16 total = rt::roundToInt16(double(lessons) * daysPerLesson);
    qint32 d = startDate;
    for (int i = 1; i <= total; ++i) {
        while (IsBlockedDay(d)) d = nextSchoolDay(d);
        switch (storedOn(d)) {
        case Stored::Ordinary: conflictDate = d; return true;
        case Stored::Special: --i; break; // a special day takes no lesson day
        case Stored::Free: break;
        }
        d = nextSchoolDay(d);
    }
    return false;
}

void DeleteLessonsInSpan(rt::Platform& platform, qint32 startDate, qint16 n) {
    rt::inOneTransaction([&] {
        qint32 end = FirstOpenSchoolDay(startDate);
        for (int i = 1; i < n; ++i) end = FirstOpenSchoolDay(nextSchoolDay(end));
        for (qint32 x = startDate; x <= end; ++x) {
            if (IsBlockedDay(x) || storedOn(x) != Stored::Ordinary) continue;
            LessonPlanRecord rec;
            if (GetLessonPlanForDate(x, rec)) DeleteLessonPlan(rec.LessonPlanID);
        }
    });
    platform.loop.yield();
}

void PushLessonsForward(qint32 startDate, qint16 n) {
    rt::inOneTransaction([&] {
        QList<LessonPlanRecord> plans;
        qint32 d = startDate;
        for (int count = 0; count < n;) {
            while (IsBlockedDay(d)) d = nextSchoolDay(d);
            switch (storedOn(d)) {
            case Stored::Free: ++count; break;
            case Stored::Ordinary: plans.append(planOn(d)); break;
            case Stored::Special: break;
            }
            d = nextSchoolDay(d);
        }
        // The latest plan first, so that each one moves onto a day already vacated.
        for (auto plan = plans.crbegin(); plan != plans.crend(); ++plan) {
            do d = previousSchoolDay(d);
            while (!isOpenSchoolDay(d));
            MoveLessonPlan(*plan, d);
        }
    });
}

void PullLessonsBack(qint32 target) {
    rt::inOneTransaction([&] {
        qint32 gap = target;
        for (qint32 source = nextSchoolDay(target);; source = nextSchoolDay(source)) {
            const Stored stored = storedOn(source);
            if (stored == Stored::Free) break;
            if (stored == Stored::Special) continue;
            while (storedOn(gap) == Stored::Special) gap = nextSchoolDay(gap);
            MoveLessonPlan(planOn(source), gap);
            gap = nextSchoolDay(gap);
        }
    });
}
