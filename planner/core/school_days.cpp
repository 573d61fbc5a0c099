#include "school_days.h"

#include "dialogs.h"
#include "runtime/clock.h"
#include "runtime/value/date.h"

QList<qint32> BlockedDays{0};
QList<LessonPlanRecord> LessonQueue;

QList<LessonPlanRecord> LessonQueueOf(const QList<qint32>& treeIDs, qint32 start) {
    QList<LessonPlanRecord> queue;
    qint32 d = start;
    for (const qint32 treeID : treeIDs) {
        LessonPlanRecord rec;
        rec.TreeID = treeID;
        rec.LPDate = d;
        queue << rec;
        d = AdjustForWeekend(d + 1, false);
    }
    queue << LessonPlanRecord{};
    return queue;
}

void ResetSchoolDaysState() {
    BlockedDays = {0};
    LessonQueue.clear();
}

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

bool IsBlockedDay(qint32 d) {
    return BlockedDays.contains(d);
}

namespace {

template <class Dialog> qint16 ask(std::unique_ptr<Dialog> dialog, qint32 d) {
    dialog->setTargetDate(d);
    dialog->showModal();
    return dialog->Result();
}

} // namespace

qint16 AskDeleteLesson(PlannerDialogs& dialogs, qint32 d) {
    return ask(dialogs.createDeleteLesson(), d);
}

qint16 AskMoveDay(PlannerDialogs& dialogs, qint32 d) {
    return ask(dialogs.createMoveDay(), d);
}
